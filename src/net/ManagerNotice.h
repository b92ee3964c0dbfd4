#pragma once
// The manager notice record: its header ('N' and 40 blank characters of gateway id) and a text of
// at most 3,000 characters, zero-terminated; 3,042 bytes. The process's one notice
// (GetManagerNotice, MonitorChannel.h) lends its header to every queued monitor message.
#include "fields/MZString.h"
#include "net/ManagerHeader.h"

struct ManagerNotice {
    ManagerHeader Header{EnumManagerMsgType::Notice};
    MZString<3000, MValAccept> Text;
};
static_assert(sizeof(ManagerNotice) == 3042);
