#include "brae/Brae_TC_UserConnection.h"

#include "core/Base64.h"
#include "core/MD5Digest.h"
#include "fields/MTTimePoint.h"

void Brae_TC_UserConnection::Prepare(const std::string& userName, const std::string& password,
                                     int heartbeatTimeout, const MTimeHHMMSS& loginTime) {
    UserName.SetString(userName);
    LoginTime = loginTime;
    PasswordDigest.SetString(ComputePasswordDigest(LoginTime.ToString(), password));
    HeartbeatTimeout.SetValue(heartbeatTimeout);
    StartNumber.SetString("0");
    Level.SetString("L2");
    MessageTypeCount.SetValue(0);
    for (EnumBraeMsgType type : kSubscribedTypes) {
        BraeMessageTypeData entry;
        entry.MsgType.Set(static_cast<unsigned>(type));
        MessageTypes.Add(entry);
    }
}

void Brae_TC_UserConnection::Prepare(const std::string& userName, const std::string& password,
                                     int heartbeatTimeout) {
    MTimeTimePoint now;
    now.SetNow(true);
    Prepare(userName, password, heartbeatTimeout, MTimeHHMMSS(now));
}

std::string Brae_TC_UserConnection::ComputePasswordDigest(const std::string& loginTime,
                                                          const std::string& password) {
    return EncodeBase64String(ComputeMD5SecondHalf(loginTime, password)).substr(0, 8);
}
