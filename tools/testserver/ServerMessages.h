#pragma once
// The server's side of the Brae exchanges, written byte by byte: every message the test server
// sends, and its own framing. The client never builds these, so nothing here is shared with it.
#include <cstdint>
#include <string>
#include <vector>

namespace testserver {

// text left-aligned in width characters, blank-filled, cut at width.
std::string Left(const std::string& text, std::size_t width);
// text right-aligned in width characters, blank-filled on the left; a longer text keeps its first
// width characters.
std::string Right(const std::string& text, std::size_t width);
// value as width decimal digits, '0'-filled; only its lowest width digits when longer.
std::string Digits(uint64_t value, std::size_t width);
// A load counter of 6 characters: '0' then value as 5 base-62 digits (0-9, A-Z, a-z).
std::string LoadCounterText(uint64_t value);

// Connection acknowledgment: "TK", token 4, sequence seed 8 digits, days to expiry 4 digits,
// change-required 'Y' or 'N', user-type letter. 20 bytes.
std::string MakeConnectionAcknowledgment(const std::string& token, uint32_t seed, int days,
                                         bool changeRequired, char userType);
// Heartbeat question: "TH", number 8 digits, load counter 6, time HHMMSS. 22 bytes.
std::string MakeHeartbeatQuestion(uint32_t number, const std::string& counter, const std::string& time);
// Technical error notice: "TE", 18 blanks, text 100. 120 bytes.
std::string MakeTechnicalError(const std::string& text);
// Disconnection acknowledgment: "TL" and 22 blanks. 24 bytes.
std::string MakeDisconnection();
// Standard acknowledgment: a 24-byte header "KO", 6 blanks, the answered sequence number (8
// digits at 8), 8 blanks.
std::string MakeStandardAcknowledgment(const std::string& sequence);
// Broadcast delimiter: a 24-byte header "IU", 6 blanks, the answered sequence number at 8, 8
// blanks; then 2 blanks, one blank letter and the 2-character delimiter code at 27. 29 bytes.
std::string MakeBroadcastDelimiter(const std::string& sequence, const std::string& code);
// Bulk messages: a 24-byte header ("BI", "BP" or "NF" and blanks), then the element count and
// the elements from 28. BI and BP: count as 4 digits at 24; NF: a blank, count as 3 digits at 25.
// The elements are given whole: instruments of 75 characters, participants of 46, dates of 8.
std::string MakeBulk(const std::string& type, const std::vector<std::string>& elements);
// An instrument definition: group 2, instrument 4, call/put 1, strike price 10, expiry 8, class
// symbol 20, external symbol 30.
std::string MakeInstrument(const std::string& group, const std::string& instrument, char callPut,
                           const std::string& strike, const std::string& expiry,
                           const std::string& classSymbol, const std::string& externalSymbol);
// A participant definition: name 25, approved participant id 4, firm unit member 8, type 1,
// firm name 8.
std::string MakeParticipant(const std::string& name, const std::string& id, const std::string& firmUnitMember,
                            char type, const std::string& firm);
// Error notice: "ER", 6 blanks, sequence 8 at 8, 12 blanks, text 100 at 28. 128 bytes.
std::string MakeErrorNotice(const std::string& sequence, const std::string& text);

// The frame of one message: 4-byte little-endian length, the message, 0x03, blanks up to
// (length + 8) with the two lowest bits cleared.
std::string FrameMessage(const std::string& message);

enum class FrameCut { Incomplete, Message, Bad };
// Cuts one frame at the front of bytes: Message sets message and consumed; Bad for a length of
// 65,536 or more or a frame without its end byte.
FrameCut CutFrame(const std::string& bytes, std::string& message, std::size_t& consumed);

// The password proof of a user connection: the first 8 Base64 characters of bytes 8 to 15 of
// the MD5 digest of time followed by password.
std::string PasswordProof(const std::string& time, const std::string& password);

// A password of a password reset: 24 Base64 characters of one AES-128 block under the 16
// characters of key, PKCS #7 padded. False when the text or the block is not valid.
bool DecryptPassword(const std::string& key, const std::string& text, std::string& password);

}  // namespace testserver
