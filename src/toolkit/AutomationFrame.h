#pragma once
// The byte layout of the automation channel, without any socket (plain C++, no Qt). All numbers
// are little-endian.
// - A request: u32 message, u32 wParam, u32 lParam, u16 title length n (at most 256), then the n
//   bytes of the target window's title in Windows-1252.
// - A reply: u32 data kind (1), u32 byte count, then that many bytes: the UTF-16LE text and its
//   terminating zero character.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

struct AutomationRequest {
    uint32_t message = 0;
    uint32_t wParam = 0;
    uint32_t lParam = 0;
    std::string title;
};

class AutomationFrame {
public:
    static constexpr std::size_t kRequestHeaderSize = 14;
    static constexpr std::size_t kMaxTitleLength = 256;
    static constexpr uint32_t kReplyDataKind = 1;

    enum class Status { Incomplete, Complete, Malformed };

    // Reads the request at the front of bytes. Complete fills request and sets used to the frame's
    // size; Incomplete means more bytes are needed; Malformed means the frame announces a title
    // longer than 256 bytes (nothing after it can be trusted).
    static Status ReadRequest(std::string_view bytes, AutomationRequest& request, std::size_t& used);

    // The reply frame carrying text (UTF-16 code units, without a terminating zero).
    static std::string Reply(std::u16string_view text);
};
