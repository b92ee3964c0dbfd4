#pragma once
// Comparisons of a value type F from its one three-way Compare: F derives from MComparable<F>
// and has `int Compare(const F&) const` (negative, 0 or positive; it may be private when F
// befriends MComparable<F>). Gives the framework's IsEqual ... IsGreaterOrEqual and the C++
// operators ==, <, <=, > and >=. Empty: adds nothing to the size or layout of F.
#include <compare>

template <class F>
class MComparable {
public:
    bool IsEqual(const F& other) const { return Self().Compare(other) == 0; }
    bool IsLess(const F& other) const { return Self().Compare(other) < 0; }
    bool IsLessOrEqual(const F& other) const { return Self().Compare(other) <= 0; }
    bool IsGreater(const F& other) const { return Self().Compare(other) > 0; }
    bool IsGreaterOrEqual(const F& other) const { return Self().Compare(other) >= 0; }
    friend bool operator==(const F& a, const F& b) { return Order(a, b) == 0; }
    friend std::strong_ordering operator<=>(const F& a, const F& b) { return Order(a, b) <=> 0; }

private:
    const F& Self() const { return static_cast<const F&>(*this); }
    static int Order(const F& a, const F& b) { return a.Compare(b); }
};
