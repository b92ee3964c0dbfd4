#include "core/MD5Digest.h"

#include <openssl/evp.h>

#include "core/MError.h"

std::string ComputeMD5SecondHalf(const std::string& first, const std::string& second) {
    const std::string joined = first + second;
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int size = 0;
    if (EVP_Digest(joined.data(), joined.size(), digest, &size, EVP_md5(), nullptr) != 1 || size != 16) {
        MLOG(LOG_ERROR, "Unable to compute the MD5 digest");
        return std::string();
    }
    return std::string(reinterpret_cast<const char*>(digest) + 8, 8);
}
