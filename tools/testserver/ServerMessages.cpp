#include "testserver/ServerMessages.h"

#include <openssl/evp.h>

#include <memory>

#include "core/Base64.h"
#include "core/MD5Digest.h"

namespace testserver {

std::string Left(const std::string& text, std::size_t width) {
    std::string out = text.substr(0, width);
    out.resize(width, ' ');
    return out;
}

std::string Right(const std::string& text, std::size_t width) {
    if (text.size() >= width) return text.substr(0, width);
    return std::string(width - text.size(), ' ') + text;
}

std::string Digits(uint64_t value, std::size_t width) {
    std::string out(width, '0');
    for (std::size_t i = width; i-- > 0 && value != 0; value /= 10) out[i] = char('0' + value % 10);
    return out;
}

std::string LoadCounterText(uint64_t value) {
    static const char digits[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    std::string out(6, '0');
    for (std::size_t i = 6; i-- > 1 && value != 0; value /= 62) out[i] = digits[value % 62];
    return out;
}

std::string MakeConnectionAcknowledgment(const std::string& token, uint32_t seed, int days,
                                         bool changeRequired, char userType) {
    return "TK" + Left(token, 4) + Digits(seed, 8) + Digits(uint64_t(days < 0 ? 0 : days), 4) +
           (changeRequired ? 'Y' : 'N') + userType;
}

std::string MakeHeartbeatQuestion(uint32_t number, const std::string& counter, const std::string& time) {
    return "TH" + Digits(number, 8) + Left(counter, 6) + Left(time, 6);
}

std::string MakeTechnicalError(const std::string& text) {
    return "TE" + std::string(18, ' ') + Left(text, 100);
}

std::string MakeDisconnection() {
    return "TL" + std::string(22, ' ');
}

std::string MakeStandardAcknowledgment(const std::string& sequence) {
    return "KO" + std::string(6, ' ') + Left(sequence, 8) + std::string(8, ' ');
}

std::string MakeBroadcastDelimiter(const std::string& sequence, const std::string& code) {
    return MakeStandardAcknowledgment(sequence).replace(0, 2, "IU") + "   " + Left(code, 2);
}

std::string MakeBulk(const std::string& type, const std::vector<std::string>& elements) {
    std::string message = Left(type, 24);
    if (type == "NF") {
        message += ' ';
        message += Digits(elements.size(), 3);
    } else {
        message += Digits(elements.size(), 4);
    }
    for (const std::string& element : elements) message += element;
    return message;
}

std::string MakeInstrument(const std::string& group, const std::string& instrument, char callPut,
                           const std::string& strike, const std::string& expiry,
                           const std::string& classSymbol, const std::string& externalSymbol) {
    return Left(group, 2) + Left(instrument, 4) + callPut + Left(strike, 10) + Left(expiry, 8) +
           Left(classSymbol, 20) + Left(externalSymbol, 30);
}

std::string MakeParticipant(const std::string& name, const std::string& id, const std::string& firmUnitMember,
                            char type, const std::string& firm) {
    return Left(name, 25) + Left(id, 4) + Left(firmUnitMember, 8) + type + Left(firm, 8);
}

std::string MakeErrorNotice(const std::string& sequence, const std::string& text) {
    return "ER" + std::string(6, ' ') + Left(sequence, 8) + std::string(12, ' ') + Left(text, 100);
}

std::string FrameMessage(const std::string& message) {
    const auto length = uint32_t(message.size());
    std::string frame;
    for (int i = 0; i < 4; ++i) frame += char((length >> (8 * i)) & 0xFF);
    frame += message;
    frame += '\x03';
    frame.resize((length + 8) & ~3u, ' ');
    return frame;
}

FrameCut CutFrame(const std::string& bytes, std::string& message, std::size_t& consumed) {
    if (bytes.size() < 4) return FrameCut::Incomplete;
    uint32_t length = 0;
    for (int i = 3; i >= 0; --i) length = (length << 8) | uint8_t(bytes[std::size_t(i)]);
    if (length >= 65536) return FrameCut::Bad;
    const std::size_t size = (length + 8) & ~3u;
    if (bytes.size() < size) return FrameCut::Incomplete;
    if (bytes[4 + length] != '\x03') return FrameCut::Bad;
    message.assign(bytes, 4, length);
    consumed = size;
    return FrameCut::Message;
}

std::string PasswordProof(const std::string& time, const std::string& password) {
    return EncodeBase64String(ComputeMD5SecondHalf(time, password)).substr(0, 8);
}

bool DecryptPassword(const std::string& key, const std::string& text, std::string& password) {
    static const std::string alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    if (key.size() != 16 || text.size() != 24 || text.compare(22, 2, "==") != 0) return false;
    std::string block;
    uint32_t bits = 0;
    int count = 0;
    for (std::size_t i = 0; i < 22; ++i) {
        const auto value = alphabet.find(text[i]);
        if (value == std::string::npos) return false;
        bits = (bits << 6) | uint32_t(value);
        count += 6;
        if (count >= 8) {
            count -= 8;
            block += char((bits >> count) & 0xFF);
        }
    }
    if (block.size() != 16) return false;
    const std::unique_ptr<EVP_CIPHER_CTX, void (*)(EVP_CIPHER_CTX*)> context(EVP_CIPHER_CTX_new(),
                                                                             EVP_CIPHER_CTX_free);
    unsigned char out[32];
    int written = 0;
    int last = 0;
    if (!context ||
        EVP_DecryptInit_ex(context.get(), EVP_aes_128_ecb(), nullptr,
                           reinterpret_cast<const unsigned char*>(key.data()), nullptr) != 1 ||
        EVP_DecryptUpdate(context.get(), out, &written, reinterpret_cast<const unsigned char*>(block.data()),
                          16) != 1 ||
        EVP_DecryptFinal_ex(context.get(), out + written, &last) != 1)
        return false;
    password.assign(reinterpret_cast<const char*>(out), std::size_t(written + last));
    return true;
}

}  // namespace testserver
