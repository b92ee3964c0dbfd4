#pragma once
// An fopen mode of the framework's files: one of twelve modes, held as its mode text in three
// bytes (zero-filled when shorter). A plain value; copying copies the bytes.
#include <array>

class MFileMode {
public:
    static constexpr int kCount = 12;

    // Mode index 0, "r".
    MFileMode() : MFileMode(0) {}
    // The mode of index; an index outside 0 to 11 gives index 0.
    explicit MFileMode(int index);

    // The first index whose mode text equals this value's bytes; 0 when none does.
    int GetIndex() const;
    // The mode text, zero-terminated.
    const char* GetText() const { return text_.data(); }
    bool operator==(const MFileMode& other) const { return text_ == other.text_; }

    // The binary mode of a letter: 'r' "rb", 'w' "wb", 'a' "ab", 'R' "r+b", 'W' "w+b", 'A' "a+b";
    // any other letter gives the first of them, "rb".
    static MFileMode FromBinaryLetter(char letter);
    // The mode text and the description of index (index 0 outside 0 to 11).
    static const char* GetModeText(int index);
    static const char* GetDescription(int index);

private:
    std::array<char, 4> text_{};  // three bytes and a terminator
};
