#pragma once
// The rows of a view by their keys, in a hash table: finding a row reads one or two slots and the
// row itself, where the view's ordered map walks some twenty nodes scattered over the heap. Open
// addressing with linear probing over a power-of-two table of row pointers, at most half full;
// erasing moves the entries after the freed slot back, so no slot is ever marked deleted. The
// rows hold their keys (Item::key, a BaseKey) and must not move or change key while indexed;
// the index owns nothing. One thread.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "store/BaseKey.h"

template <class Item>
class RowKeyIndex {
public:
    std::size_t size() const { return size_; }

    // The row with that key; null when there is none.
    Item* Find(const BaseKey& key) const {
        if (size_ == 0) return nullptr;
        for (std::size_t slot = Home(key);; slot = (slot + 1) & mask_) {
            Item* item = slots_[slot];
            if (!item) return nullptr;
            if (item->key == key) return item;
        }
    }
    // Adds a row whose key the index does not hold.
    void Insert(Item* item) {
        if ((size_ + 1) * 2 > slots_.size()) Grow();
        Place(item);
        ++size_;
    }
    // Takes out a row that the index holds.
    void Erase(const Item* item) {
        std::size_t hole = Home(item->key);
        while (slots_[hole] != item) hole = (hole + 1) & mask_;
        // Each following entry of the run moves into the hole unless its home lies cyclically
        // after the hole and up to itself (it would then no longer be found from its home).
        for (std::size_t next = (hole + 1) & mask_; slots_[next]; next = (next + 1) & mask_) {
            const std::size_t home = Home(slots_[next]->key);
            if (((next - home) & mask_) >= ((next - hole) & mask_)) {
                slots_[hole] = slots_[next];
                hole = next;
            }
        }
        slots_[hole] = nullptr;
        --size_;
    }
    void Clear() {
        slots_.clear();
        slots_.shrink_to_fit();
        mask_ = 0;
        shift_ = 63;
        size_ = 0;
    }

private:
    std::size_t Home(const BaseKey& key) const {
        const uint64_t bits = static_cast<uint64_t>(static_cast<uint32_t>(key.First.GetValue())) << 32 |
                              static_cast<uint32_t>(key.Second.GetValue());
        return static_cast<std::size_t>((bits * 0x9E3779B97F4A7C15ull) >> shift_);
    }
    void Place(Item* item) {
        std::size_t slot = Home(item->key);
        while (slots_[slot]) slot = (slot + 1) & mask_;
        slots_[slot] = item;
    }
    void Grow() {
        std::vector<Item*> old(slots_.empty() ? 16 : slots_.size() * 2, nullptr);
        old.swap(slots_);
        mask_ = slots_.size() - 1;
        shift_ = 64;
        for (std::size_t capacity = slots_.size(); capacity > 1; capacity /= 2) --shift_;
        for (Item* item : old) {
            if (item) Place(item);
        }
    }

    std::vector<Item*> slots_;
    std::size_t mask_ = 0;
    unsigned shift_ = 63;  // 64 less the table size's bits: the product's top bits name the home slot
    std::size_t size_ = 0;
};
