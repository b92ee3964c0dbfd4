#pragma once
// One message entry of the round-robin vector: data, length (below 65,536) and the storage's
// block-switch count when the message was committed, by which a reused block's messages are
// recognised as gone. Packed into 14 bytes; read its members by value.
#include <cstdint>

struct [[gnu::packed]] MsgInfoRobin {
    const char* data;
    uint16_t length;
    uint32_t stamp;
};
static_assert(sizeof(MsgInfoRobin) == 14);
