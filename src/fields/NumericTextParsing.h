#pragma once
// Numbers read out of texts without the run-time library's conversions.
//
// Table-driven conversion: a digit text of known length (1 to 20 characters) is summed from
// constant positional tables (one per place inside a group of four characters, 256 entries each),
// so no character is looked at twice and nothing is validated: a character that is not a digit of
// the radix (the blank, '+', '-', letters in base 10) counts as zero, any other length gives 0 and
// the arithmetic wraps at the result's width. The callers check their texts first.
//
// Bounded parse: a run of digits of unknown length, checked against bounds; failures raise
// MException code 1 ("Invalid integer value, no digits found") or code 2 ("Out of bounds integer
// value(min <= value <= max)").
//
// All tables are constant data; nothing here allocates or keeps state.
#include <concepts>
#include <cstdint>
#include <type_traits>

// Character classes: '0'-'9'; 'A'-'Z' and 'a'-'z'.
bool IsDigitCharacter(char c);
bool IsLetterCharacter(char c);

// Units value of one decimal digit character (0 for any other character).
uint32_t DigitValue(char c);
uint32_t ParseTwoDigits(const char* p);
uint32_t ParseThreeDigits(const char* p);
uint32_t ParseFourDigits(const char* p);
uint32_t ParseEightDigits(const char* p);

// Value of the n characters (n = 1..20, else 0), modulo 2^32 or 2^64.
uint32_t ParseDecimalDigits(const char* p, int n);
uint64_t ParseDecimalDigits64(const char* p, int n);
// The W-digit count and number fields of the protocol records.
uint32_t ParseDigitText(const char* p, int n);
// Radix 62: '0'-'9' are 0-9, 'A'-'Z' 10-35, 'a'-'z' 36-61.
uint32_t ParseBase62Digits(const char* p, int n);

// n = 0: 0. A leading digit: all n characters; a leading '+' or '-': the n - 1 characters after
// it, negated for '-'; any other first character: 0.
int32_t ParseSignedDigits(const char* p, int n);
int64_t ParseSignedDigits64(const char* p, int n);
// The clamped integers' text parse: n = 0 or a first character that is neither digit nor sign
// gives 0; otherwise all n characters, the sign included (it reads as a zero digit, so a signed
// text of 21 characters gives 0), negated for '-'. The result is the 32-bit pattern of the value.
uint32_t ParseIntegerText(const char* p, int n);

// Reads digits while they are '0'-'9' and fewer than count have been read (value x 10 + digit,
// modulo the value's width), stores the value, returns the number of digits. No digit: code 1.
int ParseDigitRun(const char* text, int count, uint32_t& value);
int ParseDigitRun(const char* text, int count, uint64_t& value);
// An optional '+' or '-' (the value negated), then the digit run; returns the digits read (the
// sign is not counted). count = 0 or no digit after the sign: code 1.
int ParseSignedRun(const char* text, int count, int32_t& value);
int ParseSignedRun(const char* text, int count, int64_t& value);

// Raises code 2, "Out of bounds integer value(min <= value <= max)".
[[noreturn]] void RaiseIntegerOutOfBounds(long min, long value, long max);

// Passes when value equals allowed or lies in [min, max]; otherwise raises code 2. The type of
// value (int32_t, uint32_t or int64_t) decides the comparison.
template <class T>
requires std::same_as<T, int32_t> || std::same_as<T, uint32_t> || std::same_as<T, int64_t>
void CheckIntegerBounds(T value, std::type_identity_t<T> min, std::type_identity_t<T> max,
                        std::type_identity_t<T> allowed) {
    if (value != allowed && (value < min || value > max)) RaiseIntegerOutOfBounds(min, value, max);
}

// The bounded parse, one variant per integer type (signed 32-bit, unsigned 32-bit without a sign,
// signed 64-bit): the run, then the bounds check; returns the number of digits read. value holds
// the run's value (modulo its width) when code 2 is raised. A run whose number does not fit the
// type at all is out of bounds too: its message shows the digits as read.
int ParseBoundedInteger(const char* text, int count, int32_t allowed, int32_t& value, int32_t min,
                        int32_t max);
int ParseBoundedInteger(const char* text, int count, uint32_t allowed, uint32_t& value, uint32_t min,
                        uint32_t max);
int ParseBoundedInteger(const char* text, int count, int64_t allowed, int64_t& value, int64_t min,
                        int64_t max);
