#include "core/MFileBaseOutbuf.h"

#include <cstdint>

#include "core/MFileBaseText.h"

MFileBaseOutbuf::int_type MFileBaseOutbuf::overflow(int_type ch) {
    if (traits_type::eq_int_type(ch, traits_type::eof())) return traits_type::not_eof(ch);
    const char c = traits_type::to_char_type(ch);
    return file_->Write(&c, 1) ? ch : traits_type::eof();
}

std::streamsize MFileBaseOutbuf::xsputn(const char* text, std::streamsize count) {
    if (count <= 0) return 0;
    if (count > INT32_MAX) count = INT32_MAX;
    return file_->Write(text, static_cast<int32_t>(count)) ? count : 0;
}
