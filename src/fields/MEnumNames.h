#pragma once
// The name tables of an enumeration of N enumerators, derived at compile time from its
// MEnumTable<E>: the names in table order, their lengths, the indexes sorted by name (so that a
// name is found by binary search) and the rank of each name in the order of the texts (byte
// order, as std::string compares), so that columns sort by name without building texts. A table
// that supplies fewer than N names is completed with empty names, more than N are cut;
// kSuppliedCount tells how many the table gave. No storage beyond constant data.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <string_view>
#include <type_traits>

#include "fields/MEnumTable.h"
#include "fields/MTypeName.h"

template <class E, int N>
struct MEnumNames {
    static_assert(N >= 1, "an enumeration has at least one enumerator");

private:
    static constexpr std::size_t Supplied() {
        if constexpr (requires { MEnumTable<E>::kRows; }) {
            return std::size(MEnumTable<E>::kRows);
        } else {
            return std::size(MEnumTable<E>::kNames);
        }
    }
    static constexpr std::array<const char*, N> BuildNames() {
        std::array<const char*, N> names{};
        for (std::size_t i = 0; i < static_cast<std::size_t>(N); ++i) {
            names[i] = "";
            if (i >= Supplied()) continue;
            if constexpr (requires { MEnumTable<E>::kRows; }) {
                names[i] = MEnumTable<E>::kRows[i].name;
            } else {
                names[i] = MEnumTable<E>::kNames[i];
            }
            if (!names[i]) names[i] = "";
        }
        return names;
    }
    static constexpr std::array<int, N> BuildLengths() {
        std::array<int, N> lengths{};
        for (int i = 0; i < N; ++i) lengths[i] = static_cast<int>(std::string_view(kNames[i]).size());
        return lengths;
    }
    // The indexes in the order of their names, equal names by index.
    static constexpr std::array<int, N> BuildOrder() {
        std::array<int, N> order{};
        for (int i = 0; i < N; ++i) order[i] = i;
        std::sort(order.begin(), order.end(), [](int a, int b) {
            const std::string_view x(kNames[a]), y(kNames[b]);
            return x < y || (x == y && a < b);
        });
        return order;
    }
    // Equal names get equal ranks.
    static constexpr std::array<int, N> BuildRanks() {
        std::array<int, N> ranks{};
        for (int k = 0; k < N; ++k) {
            const bool same =
                k > 0 && std::string_view(kNames[kOrder[k]]) == std::string_view(kNames[kOrder[k - 1]]);
            ranks[kOrder[k]] = same ? ranks[kOrder[k - 1]] : k;
        }
        return ranks;
    }

public:
    static constexpr int kSuppliedCount = static_cast<int>(Supplied());
    static constexpr std::array<const char*, N> kNames = BuildNames();
    static constexpr std::array<int, N> kLengths = BuildLengths();
    // The sorted index of the names: indexes in name order (equal names by index).
    static constexpr std::array<int, N> kOrder = BuildOrder();
    static constexpr std::array<int, N> kRanks = BuildRanks();

    // The index of the first name of exactly these length characters (case-sensitive, nothing
    // trimmed), or -1: a binary search of the sorted index.
    static int Find(const char* text, int length) {
        if (!text || length < 0) return -1;
        const std::string_view wanted(text, static_cast<std::size_t>(length));
        const int* first =
            std::lower_bound(kOrder.begin(), kOrder.end(), wanted, [](int index, std::string_view key) {
                return std::string_view(kNames[index], static_cast<std::size_t>(kLengths[index])) < key;
            });
        if (first == kOrder.end()) return -1;
        return std::string_view(kNames[*first], static_cast<std::size_t>(kLengths[*first])) == wanted ? *first
                                                                                                      : -1;
    }
    // The index of the name equal to the zero-terminated text (a null text is empty), or -1.
    static int FindTerminated(const char* text) {
        return Find(text ? text : "", text ? static_cast<int>(std::strlen(text)) : 0);
    }
    static constexpr bool HasEmptyName() {
        for (int length : kLengths) {
            if (length == 0) return true;
        }
        return false;
    }
};

namespace enum_names_detail {
// The name of a storage type as type names show it; the framework's 32-bit unsigned long is
// uint32_t here.
template <class T>
constexpr auto StorageTypeName() {
    if constexpr (std::is_same_v<T, unsigned char>) {
        return MTypeName("unsigned char");
    } else {
        static_assert(std::is_same_v<T, uint32_t>, "stored as unsigned char or a 32-bit unsigned long");
        return MTypeName("unsigned long");
    }
}
}  // namespace enum_names_detail
