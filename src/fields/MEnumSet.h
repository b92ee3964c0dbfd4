#pragma once
// A set of enumerators of an integer or a letter enumeration E of N enumerators, kept as bits:
// the enumerator at position p (MEnumSetIndexMap) is bit p mod 32 of word p / 32. It is built
// from a text of enumerator names joined by ',', or "All" / "None". The words are the whole
// value; the names (MEnumTable<E>) and the full set are constant data. CheckSetup is the
// start-up check of the type's tables.
#include <array>
#include <cstdint>
#include <cstring>

#include "core/MError.h"
#include "fields/MEnumNames.h"
#include "fields/MEnumSetIndexMap.h"

template <class E, int N>
class MEnumSet {
    using Names = MEnumNames<E, N>;
    using IndexMap = MEnumSetIndexMap<E, N>;
    static constexpr int kWords = (N + 31) / 32;

    static constexpr std::array<uint32_t, kWords> BuildFullSet() {
        std::array<uint32_t, kWords> words{};
        for (int i = 0; i < N / 32; ++i) words[i] = ~uint32_t{0};
        if (N % 32 != 0) words[N / 32] = (uint32_t{1} << (N % 32)) - 1;
        return words;
    }

public:
    static constexpr char kSeparator = ',';
    static constexpr char kAllText[] = "All";
    static constexpr char kNoneText[] = "None";
    static constexpr std::array<uint32_t, kWords> kFullSet = BuildFullSet();

    MEnumSet() = default;
    // From a set text (SetText); a null text is empty.
    explicit MEnumSet(const char* text) { SetText(text, text ? static_cast<int>(std::strlen(text)) : 0); }

    // Parses a set text: empty or "None" is the empty set, "All" the full set; otherwise the parts
    // between separators each name an enumerator (exact, case-sensitive, no trimming), a separator
    // at the very end adding no part. False when some part names no enumerator; the others are
    // set all the same. A null text is empty.
    bool SetText(const char* text, int length) {
        Clear();
        if (!text || length <= 0) return true;
        if (Is(text, length, kNoneText)) return true;
        if (Is(text, length, kAllText)) {
            SetAll();
            return true;
        }
        bool known = true;
        for (int start = 0; start < length;) {
            int end = start;
            while (end < length && text[end] != kSeparator) ++end;
            const int index = Names::Find(text + start, end - start);
            if (index >= 0) {
                Add(IndexMap::EnumAt(index));
            } else {
                known = false;
            }
            start = end + 1;
        }
        return known;
    }
    void Clear() { words_.fill(0); }
    void SetAll() { words_ = kFullSet; }
    // An enumerator whose position lies outside the set changes nothing.
    void Add(E value) {
        const int p = IndexMap::IndexOf(value);
        if (p >= 0 && p < N) words_[p / 32] |= uint32_t{1} << (p % 32);
    }
    void Remove(E value) {
        const int p = IndexMap::IndexOf(value);
        if (p >= 0 && p < N) words_[p / 32] &= ~(uint32_t{1} << (p % 32));
    }
    bool Contains(E value) const {
        const int p = IndexMap::IndexOf(value);
        return p >= 0 && p < N && (words_[p / 32] >> (p % 32) & 1) != 0;
    }
    bool IsEqual(const MEnumSet& other) const { return words_ == other.words_; }

    // Whether the table gives N names; a set that the program defines checks this at compile time,
    // CheckSetup reports the same at run time.
    static constexpr bool kTablesConsistent = Names::kSuppliedCount == N;

    // The start-up check of the type, given the set's name and the source position of its
    // definition: logs at level 2 when the table does not give N names. It only reports.
    static void CheckSetup(const char* setName, const char* file, int line) {
        if (Names::kSuppliedCount != N) {
            LogMessage(file, static_cast<unsigned>(line), LOG_CRITICAL,
                       "MEnumSet [%s] NbEnum [%i] NbString [%i]", setName, N, Names::kSuppliedCount);
        }
    }

private:
    static bool Is(const char* text, int length, const char* fixed) {
        return length == static_cast<int>(std::strlen(fixed)) &&
               std::memcmp(text, fixed, static_cast<std::size_t>(length)) == 0;
    }

    std::array<uint32_t, kWords> words_{};
};
