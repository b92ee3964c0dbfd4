#pragma once
// The user disconnection message (TD) that logs the user out: the user name and the connection key
// that the server's connection acknowledgment gave at login. 14 bytes, all sent; built, filled and
// appended to the outgoing queue (which copies it), then dropped.
#include <string>

#include "brae/BraeMsgBase.h"
#include "fields/MLPString.h"
#include "fields/MRPString.h"

class Brae_TD_UserDisconnection : public BraeMsgBase {
public:
    MLPString<8, 32, MValAccept> UserName;
    MRPString<4, 32, MValAccept> ConnectionKey;

    // "TD" and blanks.
    Brae_TD_UserDisconnection() : BraeMsgBase(GetMsgType()) {}

    // The user name right-aligned (its first 8 characters when longer) and the connection key (the
    // 4 characters at offsets 2 to 5 of the connection acknowledgment).
    void Prepare(const std::string& userName, const std::string& connectionKey) {
        UserName.SetString(userName);
        ConnectionKey.SetString(connectionKey);
    }

    static constexpr EnumBraeMsgType GetMsgType() { return EnumBraeMsgType::TD; }
    int GetMsgLength() const { return 14; }
};

static_assert(sizeof(Brae_TD_UserDisconnection) == 14);
