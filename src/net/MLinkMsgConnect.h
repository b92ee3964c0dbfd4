#pragma once
// The link's connect record: the common head and a second 9-digit number ("000000000" when built
// and left so here); 19 bytes. Its bytes are its wire form.
#include "net/MLinkMsgCommon.h"

struct MLinkMsgConnect : MLinkMsgCommon {
    LinkMsgNumber SecondNumber;
};
static_assert(sizeof(MLinkMsgConnect) == 19);
