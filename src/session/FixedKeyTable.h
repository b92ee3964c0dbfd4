#pragma once
// A table from fixed-width keys of N bytes to non-zero 32-bit values, for the session's large
// lookups (a position id per account and instrument: a million entries). Open addressing with
// linear probing over one array of packed slots (the key's bytes, then the value's; value 0 marks
// a free slot), kept at most half full, so an insertion allocates only when the table doubles.
// Entries are never removed one by one; Clear empties the table and keeps its memory.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

#include "session/FixedTextHash.h"

template <std::size_t N>
class FixedKeyTable {
public:
    // The value under key, 0 when absent.
    int32_t Find(const FixedTextKey<N>& key) const {
        if (slots_.empty()) return 0;
        for (std::size_t at = Start(key);; at = (at + 1) & mask_) {
            const Slot& slot = slots_[at];
            const int32_t value = slot.Value();
            if (value == 0 || SameFixedText(slot.key, key)) return value;
        }
    }
    // The value under key, added as value (not 0) when absent; and whether it was added.
    std::pair<int32_t, bool> Insert(const FixedTextKey<N>& key, int32_t value) {
        Slot& slot = Place(key);
        if (slot.Value() != 0) return {slot.Value(), false};
        slot.key = key;
        slot.SetValue(value);
        ++count_;
        return {value, true};
    }
    // Puts value (not 0) under key, replacing the value there.
    void Set(const FixedTextKey<N>& key, int32_t value) {
        Slot& slot = Place(key);
        if (slot.Value() == 0) ++count_;
        slot.key = key;
        slot.SetValue(value);
    }
    // Empties the table; its memory is kept for the entries to come.
    void Clear() {
        std::fill(slots_.begin(), slots_.end(), Slot{});
        count_ = 0;
    }
    std::size_t size() const { return count_; }
    bool empty() const { return count_ == 0; }

private:
    struct Slot {
        FixedTextKey<N> key{};
        char value[4] = {};
        int32_t Value() const {
            int32_t read;
            std::memcpy(&read, value, 4);
            return read;
        }
        void SetValue(int32_t written) { std::memcpy(value, &written, 4); }
    };

    std::size_t Start(const FixedTextKey<N>& key) const { return FixedTextHash{}(key)&mask_; }

    // The slot holding key, or the free slot where it goes (the table grown first when needed).
    Slot& Place(const FixedTextKey<N>& key) {
        if ((count_ + 1) * 2 > slots_.size()) Grow();
        for (std::size_t at = Start(key);; at = (at + 1) & mask_) {
            Slot& slot = slots_[at];
            if (slot.Value() == 0 || SameFixedText(slot.key, key)) return slot;
        }
    }

    void Grow() {
        std::vector<Slot> old = std::move(slots_);
        slots_.assign(old.empty() ? 64 : old.size() * 2, Slot{});
        mask_ = slots_.size() - 1;
        for (const Slot& slot : old) {
            if (slot.Value() != 0) Place(slot.key) = slot;
        }
    }

    std::vector<Slot> slots_;
    std::size_t count_ = 0;
    std::size_t mask_ = 0;
};
