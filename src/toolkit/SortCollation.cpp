#include "toolkit/SortCollation.h"

namespace {
unsigned char Fold(unsigned char c) {
    return c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c;
}
}  // namespace

int CompareSortText(std::string_view a, std::string_view b) {
    size_t n = a.size() < b.size() ? a.size() : b.size();
    for (size_t i = 0; i < n; ++i) {
        unsigned char x = Fold(a[i]), y = Fold(b[i]);
        if (x != y) return x < y ? -1 : 1;
    }
    if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
    return a.compare(b) < 0 ? -1 : a.compare(b) > 0 ? 1 : 0;
}
