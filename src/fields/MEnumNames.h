#pragma once
// The name tables of an enumeration of N enumerators, derived at compile time from its
// MEnumTable<E>: the names in table order, their lengths, the indexes sorted by name and the rank of each
// name in the order of the texts (byte order, as std::string compares), so that columns sort by name without
// building texts; a name is found by a scan of a small table and through a hash table in a larger one. A
// table that supplies fewer than N names is completed with empty names, more than N are cut; kSuppliedCount
// tells how many the table gave. No storage beyond constant data.
#include <algorithm>
#include <array>
#include <bit>
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

    // Up to this many names a scan beats hashing the text.
    static constexpr int kScanLimit = 32;
    // Open addressing, at most a quarter full: each slot holds a name's index plus one (0: empty);
    // only the first of equal names is entered.
    static constexpr std::size_t kSlots = std::bit_ceil(static_cast<std::size_t>(N) * 4);
    // FNV-1a of the text's bytes, its high bits spread over the slots by a multiplication.
    static constexpr std::size_t Hash(std::string_view text) {
        uint64_t hash = 14695981039346656037ull;
        for (const char c : text) hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
        return static_cast<std::size_t>((hash * 0x9E3779B97F4A7C15ull) >> (64 - std::countr_zero(kSlots)));
    }
    static constexpr std::array<int, (N > kScanLimit ? kSlots : 1)> BuildHashTable() {
        std::array<int, (N > kScanLimit ? kSlots : 1)> table{};
        if constexpr (N > kScanLimit) {
            for (int i = 0; i < N; ++i) {
                const std::string_view name(kNames[i]);
                std::size_t slot = Hash(name) & (kSlots - 1);
                bool entered = false;
                while (table[slot] != 0 && !entered) {
                    entered = std::string_view(kNames[table[slot] - 1]) == name;
                    slot = (slot + 1) & (kSlots - 1);
                }
                if (!entered) table[slot] = i + 1;
            }
        }
        return table;
    }

public:
    static constexpr int kSuppliedCount = static_cast<int>(Supplied());
    static constexpr std::array<const char*, N> kNames = BuildNames();
    static constexpr std::array<int, N> kLengths = BuildLengths();
    // The sorted index of the names: indexes in name order (equal names by index).
    static constexpr std::array<int, N> kOrder = BuildOrder();
    static constexpr std::array<int, N> kRanks = BuildRanks();
    static constexpr auto kHashTable = BuildHashTable();

    // The index of the first name of exactly these length characters (case-sensitive, nothing
    // trimmed), or -1: a scan of the names for a small table, else a look-up in a hash table.
    static int Find(const char* text, int length) {
        if (!text || length < 0) return -1;
        if constexpr (N <= kScanLimit) {
            for (int i = 0; i < N; ++i) {
                if (kLengths[i] == length &&
                    std::memcmp(kNames[i], text, static_cast<std::size_t>(length)) == 0)
                    return i;
            }
            return -1;
        } else {
            const std::string_view wanted(text, static_cast<std::size_t>(length));
            for (std::size_t slot = Hash(wanted) & (kSlots - 1);; slot = (slot + 1) & (kSlots - 1)) {
                const int index = kHashTable[slot] - 1;
                if (index < 0) return -1;
                if (kLengths[index] == length &&
                    std::string_view(kNames[index], static_cast<std::size_t>(length)) == wanted)
                    return index;
            }
        }
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
