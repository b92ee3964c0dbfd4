#pragma once
// The wire form of a flag set S (an MSet) in a message: exactly W characters, one per flag in
// flag order, Y for a set flag and No for a clear one; a new text is all F. No terminator; the W
// characters are the whole value, copied as plain bytes.
#include <cstring>

template <class S, int W, int Y, int No, int F>
class MSetText {
    static_assert(S::kCount <= W, "the text has a character for every flag");

public:
    MSetText() { std::memset(data_, F, W); }

    // Character i becomes Y or No after flag i, for each flag; the characters after the last flag
    // are left as they are.
    void AssignSet(const S& set) {
        for (int i = 0; i < S::kCount; ++i) {
            data_[i] = static_cast<char>(set.Contains(S::GetEnumAt(static_cast<unsigned>(i))) ? Y : No);
        }
    }

    const char* GetData() const { return data_; }
    static constexpr int GetWidth() { return W; }

private:
    char data_[W];
};
