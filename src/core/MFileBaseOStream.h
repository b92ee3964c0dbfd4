#pragma once
// An output stream that writes into a framework text file through an MFileBaseOutbuf. Does not
// own the file, which must outlive it. A refused write sets the stream's failure state.
#include <ostream>

#include "core/MFileBaseOutbuf.h"

class MFileBaseOStream : public std::basic_ostream<char> {
public:
    explicit MFileBaseOStream(MFileBaseText& file) : std::basic_ostream<char>(nullptr), buffer_(file) {
        rdbuf(&buffer_);
    }

private:
    MFileBaseOutbuf buffer_;
};
