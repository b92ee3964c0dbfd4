#pragma once
// One message entry of a message vector: where the message starts inside its block and its
// length (below 65,536: longer messages are refused before an entry is made).
#include <cstdint>

struct MsgInfo {
    const char* data;
    uint16_t length;
};
