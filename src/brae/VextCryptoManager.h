#pragma once
// Protects a password on the wire: one AES-128 block under the participant's 16-character
// encryption key, written as 24 Base64 characters. The session builds one manager per password
// change, sets the key and encrypts the old and the new password into the password reset message.
// Holds a copy of the key and the libcrypto cipher context (freed with the manager); not copyable.
// Each encryption is one block, no chaining, no random element.
#include <memory>
#include <string>

#include "fields/MRPString.h"
#include "fields/MValAccept.h"

struct evp_cipher_ctx_st;

class VextCryptoManager {
public:
    static constexpr int kKeyLength = 16;
    static constexpr int kBlockLength = 16;
    static constexpr int kTextLength = 24;
    // The longest text that fits one block with its padding.
    static constexpr int kMaxPlainLength = kBlockLength - 1;

    VextCryptoManager();
    VextCryptoManager(const VextCryptoManager&) = delete;
    VextCryptoManager& operator=(const VextCryptoManager&) = delete;
    virtual ~VextCryptoManager();

    // Takes the 16 characters of the key as the 16 key bytes, as they stand (not decoded). A key of
    // any other length is refused: false, and the manager holds no key until a good one is set.
    bool SetKey(const std::string& key);
    bool HasKey() const { return hasKey_; }

    // Encrypts a zero-terminated text of at most 15 characters: the text's bytes, padded to one
    // block with 16 - n bytes of value 16 - n, encrypted, and written into out as 24 Base64
    // characters ending in "==". A null text is empty. False, with out unchanged, when no key is
    // set or the text has 16 characters or more.
    bool Encrypt(const char* text, MRPString<kTextLength, 32, MValAccept>& out);

    // The part of a password that is encrypted: its first 8 characters (all of it when shorter).
    static std::string PreparePassword(const std::string& password);

private:
    struct ContextDeleter {
        void operator()(evp_cipher_ctx_st* context) const;
    };

    char key_[kKeyLength] = {};
    std::unique_ptr<evp_cipher_ctx_st, ContextDeleter> context_;
    unsigned char cipher_[kBlockLength] = {};
    bool hasKey_ = false;
};
