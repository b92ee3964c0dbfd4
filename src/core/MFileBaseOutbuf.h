#pragma once
// Stream buffer that hands every character straight to a framework text file's Write (no buffer
// of its own). Does not own the file, which must outlive it.
#include <streambuf>

class MFileBaseText;

class MFileBaseOutbuf : public std::basic_streambuf<char> {
public:
    explicit MFileBaseOutbuf(MFileBaseText& file) : file_(&file) {}

protected:
    // End of file when the file refuses the character.
    int_type overflow(int_type ch) override;
    // 0 when the file refuses the characters.
    std::streamsize xsputn(const char* text, std::streamsize count) override;

private:
    MFileBaseText* file_;
};
