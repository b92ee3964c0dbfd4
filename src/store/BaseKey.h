#pragma once
// The key of every record of the data store and of every view row: two non-negative 32-bit parts,
// each held within 0 to 2,147,483,647 (a store below clamps to 0, above to the maximum), ordered by
// the first part, then the second. Eight bytes, a plain value.
#include <cstdint>

#include "fields/MIntX.h"

class BaseKey {
public:
    using Part = MIntX<int32_t, 2147483647, 0, 0>;

    Part First;
    Part Second;

    BaseKey() = default;
    BaseKey(int32_t first, int32_t second) : First(first), Second(second) {}
    // Parts given wider, clamped as the 32-bit ones are.
    static BaseKey FromWide(int64_t first, int64_t second) { return BaseKey(Clamp(first), Clamp(second)); }

    void Assign(const BaseKey& other) { *this = other; }
    void Clear() {
        First.SetValue(0);
        Second.SetValue(0);
    }
    bool IsNull() const { return First.GetValue() == 0 && Second.GetValue() == 0; }

    friend bool operator==(const BaseKey& a, const BaseKey& b) {
        return a.First.GetValue() == b.First.GetValue() && a.Second.GetValue() == b.Second.GetValue();
    }
    friend bool operator<(const BaseKey& a, const BaseKey& b) {
        if (a.First.GetValue() != b.First.GetValue()) return a.First.GetValue() < b.First.GetValue();
        return a.Second.GetValue() < b.Second.GetValue();
    }

private:
    static int32_t Clamp(int64_t value) {
        if (value >= 2147483647) return 2147483647;
        return value <= 0 ? 0 : static_cast<int32_t>(value);
    }
};

static_assert(sizeof(BaseKey) == 8);
