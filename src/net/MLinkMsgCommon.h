#pragma once
// The head of every master/slave link record: the message type letter ('H' when built) and the
// message number as 9 digits ('0'-filled; a number is clamped to -99,999,999 .. 999,999,999, a
// negative one written as '-' and 8 digits); 10 bytes. Its bytes are its wire form.
#include <cstdint>

#include "fields/MEnumAlpha.h"
#include "fields/MStringInt.h"
#include "net/MessagingLetterEnumerations.h"

using LinkMsgType = MEnumAlpha<EnumLinkMsgType, 6>;
using LinkMsgNumber = MStringInt<9, 48, 0, MBase10>;

struct MLinkMsgCommon {
    LinkMsgType MsgType;
    LinkMsgNumber MsgNumber;

    void SetNumber(int32_t number) { MsgNumber.SetValue(number); }
};
static_assert(sizeof(MLinkMsgCommon) == 10);
