#include "fields/MatchPattern.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace {

bool IsAsciiLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Whether character c belongs to the class that follows a backslash.
bool InClass(char selector, char c) {
    switch (selector) {
        case '.':
            return true;
        case '0':
            return IsDigit(c);
        case '9':
            return !IsDigit(c);
        case 'A':
        case 'a':
            return IsAsciiLetter(c);
        case 'Z':
        case 'z':
            return !IsAsciiLetter(c);
        case '\\':
            return c == '\\';
        default:
            return false;
    }
}

// Whether one pattern element (a character, or a backslash and its selector) takes c.
bool ElementTakes(const char* element, char c) {
    return *element == '\\' ? InClass(element[1], c) : *element == c;
}

// The patterns met in practice, answered in one pass without the table: no \* at all, or one
// \* that ends the pattern. Every other element takes exactly one character. Returns false when
// the pattern is not of that shape.
bool MatchOrdinary(const char* text, const char* pattern, bool& result) {
    // Check the shape first: each element is a character or a backslash pair.
    const char* p = pattern;
    bool trailingStar = false;
    while (*p) {
        if (*p != '\\') {
            ++p;
        } else if (p[1] == '\0') {
            break;  // a lone final backslash
        } else if (p[1] == '*') {
            if (p[2] != '\0') return false;
            trailingStar = true;
            break;
        } else {
            p += 2;
        }
    }
    const char* end = p;
    const char* t = text;
    for (p = pattern; p < end; p += *p == '\\' ? 2 : 1, ++t) {
        if (*t == '\0' || !ElementTakes(p, *t)) {
            result = false;
            return true;
        }
    }
    // A trailing \* takes any rest; a lone final backslash, like the end, only the end of the text.
    result = trailingStar || *t == '\0';
    return true;
}

}  // namespace

// Dynamic programming over the suffixes: row i holds, for every pattern position j, whether
// text[i..] matches pattern[j..]. Rows are computed from the end of the text backwards, so only
// the row of the next text position is kept.
bool MatchPattern(const char* text, const char* pattern) {
    if (!text) text = "";
    if (!pattern) pattern = "";
    if (bool result = false; MatchOrdinary(text, pattern, result)) return result;
    const std::size_t n = std::strlen(text);
    const std::size_t m = std::strlen(pattern);

    constexpr std::size_t kStackRow = 128;
    std::array<unsigned char, 2 * kStackRow> stackRows;
    std::vector<unsigned char> heapRows;
    unsigned char* rows = stackRows.data();
    if (m + 1 > kStackRow) {
        heapRows.resize(2 * (m + 1));
        rows = heapRows.data();
    }
    unsigned char* next = rows;
    unsigned char* cur = rows + (m + 1);
    auto isStar = [&](std::size_t j) { return pattern[j] == '\\' && j + 1 < m && pattern[j + 1] == '*'; };

    // The text is used up: skip \* pairs, then the end or a lone final backslash matches.
    next[m] = 1;
    for (std::size_t j = m; j-- > 0;) {
        if (isStar(j)) {
            next[j] = next[j + 2];
        } else {
            next[j] = pattern[j] == '\\' && j + 1 == m;
        }
    }

    for (std::size_t i = n; i-- > 0;) {
        const char c = text[i];
        const bool lastChar = i + 1 == n;
        cur[m] = 0;
        for (std::size_t j = m; j-- > 0;) {
            if (pattern[j] != '\\') {
                cur[j] = pattern[j] == c && next[j + 1];
            } else if (j + 1 == m) {
                cur[j] = 0;
            } else if (pattern[j + 1] == '*') {
                // Nothing after the star: the rest of the text matches. Otherwise the rest of the
                // pattern must match here or at a later, non-empty rest of the text.
                cur[j] = j + 2 == m || cur[j + 2] || (!lastChar && next[j]);
            } else {
                cur[j] = InClass(pattern[j + 1], c) && next[j + 2];
            }
        }
        std::swap(cur, next);
    }
    return next[0] != 0;
}

bool IsInSortedList(const std::string& text, const std::vector<std::string>& sortedList) {
    auto it = std::lower_bound(sortedList.begin(), sortedList.end(), text);
    return it != sortedList.end() && !(text < *it);
}
