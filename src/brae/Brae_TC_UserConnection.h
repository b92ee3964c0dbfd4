#pragma once
// The user connection message (TC) that logs the user in: the user name, an 8-character proof of
// the password (never the password itself), the login time it was computed with, the heartbeat
// time-out and the list of message types the client subscribes to. 238 bytes, of which the first
// 40 + 2 x (number of listed types) are sent; built, filled, appended to the outgoing queue
// (which copies it), then dropped.
#include <string>

#include "brae/BraeFieldTypes.h"
#include "brae/BraeMessageTypeData.h"
#include "brae/BraeMsgBase.h"
#include "fields/MLPString.h"
#include "fields/MRPString.h"
#include "fields/MStringInt.h"
#include "fields/MTimeText.h"
#include "fields/MVArray.h"

class Brae_TC_UserConnection : public BraeMsgBase {
public:
    static constexpr int kMaxMessageTypes = 99;
    // The bytes before the list of message types.
    static constexpr int kFixedLength = 40;
    // The message types the client subscribes to, in the order they are listed.
    static constexpr EnumBraeMsgType kSubscribedTypes[] = {
        EnumBraeMsgType::KB, EnumBraeMsgType::KR, EnumBraeMsgType::KF, EnumBraeMsgType::KA,
        EnumBraeMsgType::BI, EnumBraeMsgType::KL, EnumBraeMsgType::ER, EnumBraeMsgType::BP,
        EnumBraeMsgType::JY, EnumBraeMsgType::IU, EnumBraeMsgType::JZ, EnumBraeMsgType::TY,
        EnumBraeMsgType::QR, EnumBraeMsgType::KX, EnumBraeMsgType::PH, EnumBraeMsgType::OH,
        EnumBraeMsgType::RA, EnumBraeMsgType::PU, EnumBraeMsgType::KO, EnumBraeMsgType::NF};

    MLPString<2, 32, MValAccept> Level;
    MLPString<8, 32, MValAccept> UserName;
    MLPString<8, 32, MValAccept> PasswordDigest;
    MRPString<4, 32, MValAccept> Spare;
    MTimeHHMMSS LoginTime;
    MLPString<6, 32, MValAccept> StartNumber;
    MStringInt<2, 48, 0, MBase10> HeartbeatTimeout;
    // The count of MessageTypes in use, two digits just before them.
    BraeGapSequenceID MessageTypeCount;
    MVArray<BraeMessageTypeData, kMaxMessageTypes, TMVArrayNb<BraeMessageTypeData, BraeGapSequenceID, 2> >
        MessageTypes;

    // "TC", blanks, "00" twice and 99 entries "??".
    Brae_TC_UserConnection() : BraeMsgBase(GetMsgType()) {}

    // Fills the message as the client sends it: the user name right-aligned (its first 8
    // characters when longer), the login time and the password digest computed with it, the
    // heartbeat time-out in seconds (held to at most 99), start number "0" right-aligned, level
    // "L2", and the subscribed message types.
    void Prepare(const std::string& userName, const std::string& password, int heartbeatTimeout,
                 const MTimeHHMMSS& loginTime);
    // The same with the current time of day of the framework clock as the login time.
    void Prepare(const std::string& userName, const std::string& password, int heartbeatTimeout);

    // The password proof: the first 8 characters of the Base64 text of bytes 8 to 15 of the MD5
    // digest of the 6 login-time characters followed by the whole password.
    static std::string ComputePasswordDigest(const std::string& loginTime, const std::string& password);

    static constexpr EnumBraeMsgType GetMsgType() { return EnumBraeMsgType::TC; }
    // 40 bytes and the types in use (never more than the 99 the list holds).
    int GetMsgLength() const { return kFixedLength + MessageTypes.GetUsedLength(); }
};

static_assert(sizeof(Brae_TC_UserConnection) == 238);
BRAE_COUNTED_ARRAY_LAYOUT(Brae_TC_UserConnection, MessageTypeCount, MessageTypes,
                          Brae_TC_UserConnection::kFixedLength)
