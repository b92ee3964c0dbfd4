#pragma once
// An entry store addressed by the absolute index counted from the last clear: slices of 2^shift
// entries, at most capacity / 2^shift + 2 of them; once that many exist, the oldest slice is
// recycled at the next slice boundary and the first index held rises by 2^shift. Lookup is a
// shift and a mask.
#include <cstdint>
#include <memory>
#include <vector>

template <class T>
class MSliceVectorRnd {
public:
    MSliceVectorRnd(uint32_t shift, uint32_t capacity)
        : shift_(shift),
          mask_(static_cast<int32_t>((1u << shift) - 1u)),
          sliceBytes_(static_cast<int32_t>((1u << shift) * sizeof(T))),
          maxSlices_(static_cast<int32_t>((capacity >> shift) + 2u)) {}

    void Push(const T& entry) {
        const uint32_t mask = static_cast<uint32_t>(mask_);
        if ((end_ & mask) == 0) {
            if (static_cast<int32_t>(slices_.size()) >= maxSlices_) {
                std::unique_ptr<T[]> oldest = std::move(slices_.front());
                slices_.erase(slices_.begin());
                slices_.push_back(std::move(oldest));
                first_ += 1u << shift_;
            } else {
                slices_.push_back(std::make_unique_for_overwrite<T[]>(std::size_t{1} << shift_));
            }
        }
        slices_.back()[(end_ - first_) & mask] = entry;
        ++end_;
    }
    // The entry at index, or null when it is not held.
    const T* Get(uint32_t index) const {
        if (index < first_ || index >= end_) return nullptr;
        const uint32_t offset = index - first_;
        return &slices_[offset >> shift_][offset & static_cast<uint32_t>(mask_)];
    }
    void Clear() {
        slices_.clear();
        end_ = 0;
        first_ = 0;
    }

    uint32_t GetEnd() const { return end_; }
    uint32_t GetFirst() const { return first_; }
    std::size_t GetSliceCount() const { return slices_.size(); }
    int32_t GetMaxSlices() const { return maxSlices_; }

private:
    std::vector<std::unique_ptr<T[]>> slices_;
    uint32_t end_ = 0;
    uint32_t shift_;
    int32_t mask_;
    int32_t sliceBytes_;
    uint32_t first_ = 0;
    int32_t maxSlices_;
};
