#pragma once
// One message-type code as a list element: the subscription list of the user connection message
// holds up to 99 of them. Two bytes, "??" when built.
#include "brae/EnumBraeMsgType.h"

struct BraeMessageTypeData {
    BraeMsgType MsgType;
};

static_assert(sizeof(BraeMessageTypeData) == 2 && alignof(BraeMessageTypeData) == 1);
