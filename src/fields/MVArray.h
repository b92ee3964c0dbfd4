#pragma once
// The repeated part of a protocol message: room for M elements of the fixed-width type E, one
// after another, and nothing else. The element count is not part of the array: it is the count
// field of C = TMVArrayNb<E,K,W> (K, a W-digit digit string) that the enclosing record holds
// immediately before the array. Every slot exists whether in use or not; a message carries only
// the elements in use. A count out of [0, M] is read as cut to M; adding beyond M and indexing
// beyond the count are refused. Lives inside its record; never allocates.
#include <algorithm>
#include <type_traits>

#include "core/MError.h"
#include "core/MException.h"

// The count field's type and width of an MVArray of E.
template <class E, class K, int W>
struct TMVArrayNb {
    using Count = K;
    static constexpr int kWidth = W;
};

template <class E, int M, class C>
class MVArray {
    using K = typename C::Count;
    static constexpr int W = C::kWidth;
    static_assert(M >= 1 && sizeof(K) == W && alignof(K) == 1);
    static_assert(alignof(E) == 1, "elements are byte layouts that follow the count without padding");

public:
    MVArray() = default;

    // The count field's value, cut to [0, M].
    int GetCount() const { return Bounded(CountField().GetValue(), M); }
    // The count of a received array of which availableBytes bytes (from the first element on)
    // arrived: cut as well to the elements those bytes hold.
    int GetCount(int availableBytes) const {
        return Bounded(GetCount(), std::max(availableBytes, 0) / static_cast<int>(sizeof(E)));
    }
    void SetCount(int n) { CountField().SetValue(n); }
    // The bytes that the elements in use take in a message.
    int GetUsedLength() const { return GetCount() * static_cast<int>(sizeof(E)); }

    // Copies element into the next free slot and counts it; false (nothing changed) when all M
    // slots are in use.
    bool Add(const E& element) {
        const int n = GetCount();
        if (n >= M) {
            MLOG(LOG_ERROR, "Element not added: all %d elements of the array are in use", M);
            return false;
        }
        elements_[n] = element;
        SetCount(n + 1);
        return true;
    }
    // Element i of those in use; an index outside them raises MException code 2.
    E& At(int i) { return elements_[CheckIndex(i)]; }
    const E& At(int i) const { return elements_[CheckIndex(i)]; }

    static constexpr int GetCapacity() { return M; }

private:
    static int Bounded(int count, int limit) {
        if (count >= 0 && count <= limit) return count;
        MLOG(LOG_ERROR, "Element count %d of the array cut to %d", count, std::clamp(count, 0, limit));
        return std::clamp(count, 0, limit);
    }
    int CheckIndex(int i) const {
        const int count = GetCount();
        if (i < 0 || i >= count)
            ThrowMException(2, "Array index %d outside of the %d elements in use", i, count);
        return i;
    }
    // The count field just before the first element.
    const K& CountField() const {
        return *reinterpret_cast<const K*>(reinterpret_cast<const char*>(this) - W);
    }
    K& CountField() { return *reinterpret_cast<K*>(reinterpret_cast<char*>(this) - W); }

    E elements_[M];
};
