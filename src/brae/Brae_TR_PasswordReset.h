#pragma once
// The password reset message (TR) that changes the user's password: the user name and the current
// and new passwords, each encrypted under the participant's encryption key (VextCryptoManager), under
// the next command sequence number. 80 bytes, all sent; built, filled, appended to the outgoing
// queue, dropped.
#include <cstdint>
#include <string>

#include "brae/BraeHeaderIncoming.h"
#include "fields/MLPString.h"
#include "fields/MRPString.h"

class Brae_TR_PasswordReset : public BraeHeaderIncoming {
public:
    MLPString<8, 32, MValAccept> UserName;
    MRPString<24, 32, MValAccept> OldPassword;
    MRPString<24, 32, MValAccept> NewPassword;

    // "TR", the header's defaults and blanks.
    Brae_TR_PasswordReset() : BraeHeaderIncoming(GetMsgType()) {}

    // The sequence number, the user name right-aligned, and the first 8 characters of each
    // password encrypted under the key into 24 Base64 characters. False when the key is not 16
    // characters long: the passwords stay blank and the message must not be sent.
    bool Prepare(int32_t sequenceNumber, const std::string& userName, const std::string& oldPassword,
                 const std::string& newPassword, const std::string& encryptionKey);

    static constexpr EnumBraeMsgType GetMsgType() { return EnumBraeMsgType::TR; }
    int GetMsgLength() const { return 80; }
};

static_assert(sizeof(Brae_TR_PasswordReset) == 80);
