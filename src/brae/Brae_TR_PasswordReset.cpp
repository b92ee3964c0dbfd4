#include "brae/Brae_TR_PasswordReset.h"

#include "brae/VextCryptoManager.h"

bool Brae_TR_PasswordReset::Prepare(int32_t sequenceNumber, const std::string& userName,
                                    const std::string& oldPassword, const std::string& newPassword,
                                    const std::string& encryptionKey) {
    SetUserSequenceID(UserSequenceID, sequenceNumber);
    UserName.SetString(userName);
    VextCryptoManager crypto;
    if (!crypto.SetKey(encryptionKey)) return false;
    return crypto.Encrypt(VextCryptoManager::PreparePassword(oldPassword).c_str(), OldPassword) &&
           crypto.Encrypt(VextCryptoManager::PreparePassword(newPassword).c_str(), NewPassword);
}
