#pragma once
// One message entry of a message vector: where the message starts inside its block and its
// length (below 65,536: longer messages are refused before an entry is made). Packed into 10
// bytes, since the session's vector keeps one per message sent; read its members by value.
#include <cstdint>

struct [[gnu::packed]] MsgInfo {
    const char* data;
    uint16_t length;
};
static_assert(sizeof(MsgInfo) == 10);
