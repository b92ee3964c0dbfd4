#include "brae/VextCryptoManager.h"

#include <openssl/evp.h>

#include <cstring>

#include "core/Base64.h"
#include "core/MError.h"

void VextCryptoManager::ContextDeleter::operator()(evp_cipher_ctx_st* context) const {
    EVP_CIPHER_CTX_free(context);
}

VextCryptoManager::VextCryptoManager() = default;

VextCryptoManager::~VextCryptoManager() = default;

bool VextCryptoManager::SetKey(const std::string& key) {
    hasKey_ = false;
    if (key.size() != static_cast<std::size_t>(kKeyLength)) return false;
    std::memcpy(key_, key.data(), kKeyLength);
    if (!context_) context_.reset(EVP_CIPHER_CTX_new());
    const auto* keyBytes = reinterpret_cast<const unsigned char*>(key_);
    if (!context_ || EVP_EncryptInit_ex(context_.get(), EVP_aes_128_ecb(), nullptr, keyBytes, nullptr) != 1 ||
        EVP_CIPHER_CTX_set_padding(context_.get(), 0) != 1) {
        MLOG(LOG_ERROR, "Unable to set the AES-128 encryption key");
        return false;
    }
    hasKey_ = true;
    return true;
}

bool VextCryptoManager::Encrypt(const char* text, MRPString<kTextLength, 32, MValAccept>& out) {
    if (!hasKey_) return false;
    const std::size_t length = text ? strnlen(text, kBlockLength) : 0;
    if (length > static_cast<std::size_t>(kMaxPlainLength)) return false;

    unsigned char block[kBlockLength];
    const auto pad = static_cast<unsigned char>(kBlockLength - length);
    if (length > 0) std::memcpy(block, text, length);
    std::memset(block + length, pad, pad);

    int written = 0;
    int finalWritten = 0;
    // Each block starts afresh under the expanded key.
    if (EVP_EncryptInit_ex(context_.get(), nullptr, nullptr, nullptr, nullptr) != 1 ||
        EVP_EncryptUpdate(context_.get(), cipher_, &written, block, kBlockLength) != 1 ||
        EVP_EncryptFinal_ex(context_.get(), cipher_ + written, &finalWritten) != 1 ||
        written + finalWritten != kBlockLength) {
        MLOG(LOG_ERROR, "AES-128 encryption of one block failed");
        return false;
    }
    size_t size = 0;
    const std::unique_ptr<char[]> encoded = EncodeBase64(cipher_, kBlockLength, size);
    out.SetChars(encoded.get(), static_cast<int>(size));
    return true;
}

std::string VextCryptoManager::PreparePassword(const std::string& password) {
    return password.substr(0, 8);
}
