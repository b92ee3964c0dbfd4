#include "toolkit/AutomationFrame.h"

namespace {

uint32_t ReadU32(std::string_view bytes, std::size_t at) {
    uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i)
        value |= uint32_t(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
    return value;
}

void AppendU32(std::string& out, uint32_t value) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

}  // namespace

AutomationFrame::Status AutomationFrame::ReadRequest(std::string_view bytes, AutomationRequest& request,
                                                     std::size_t& used) {
    if (bytes.size() < kRequestHeaderSize) return Status::Incomplete;
    const std::size_t length =
        static_cast<unsigned char>(bytes[12]) | std::size_t(static_cast<unsigned char>(bytes[13])) << 8;
    if (length > kMaxTitleLength) return Status::Malformed;
    if (bytes.size() < kRequestHeaderSize + length) return Status::Incomplete;
    request.message = ReadU32(bytes, 0);
    request.wParam = ReadU32(bytes, 4);
    request.lParam = ReadU32(bytes, 8);
    request.title.assign(bytes.substr(kRequestHeaderSize, length));
    used = kRequestHeaderSize + length;
    return Status::Complete;
}

std::string AutomationFrame::Reply(std::u16string_view text) {
    const std::size_t count = 2 * (text.size() + 1);
    std::string out;
    out.reserve(8 + count);
    AppendU32(out, kReplyDataKind);
    AppendU32(out, static_cast<uint32_t>(count));
    for (char16_t c : text) {
        out.push_back(static_cast<char>(c & 0xFF));
        out.push_back(static_cast<char>(c >> 8));
    }
    out.append(2, '\0');
    return out;
}
