#include "core/DateTimeText.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "core/MDigitText.h"

namespace {

// Field values are cut to 8 digits before they are written, so that year + 1900 or month + 1 of
// any stored value stays within int.
int Field(int64_t value) {
    return static_cast<int>(value % 100000000);
}

char* WriteDate(char* p, const MTimeParts& t, char sep) {
    MDigitText<4>::Format(p, Field(int64_t{t.tm_year} + 1900));
    p += 4;
    if (sep) *p++ = sep;
    MDigitText<2>::Format(p, Field(int64_t{t.tm_mon} + 1));
    p += 2;
    if (sep) *p++ = sep;
    MDigitText<2>::Format(p, t.tm_mday);
    return p + 2;
}

char* WriteTime(char* p, const MTimeParts& t, char sep) {
    MDigitText<2>::Format(p, t.tm_hour);
    p += 2;
    if (sep) *p++ = sep;
    MDigitText<2>::Format(p, t.tm_min);
    p += 2;
    if (sep) *p++ = sep;
    MDigitText<2>::Format(p, t.tm_sec);
    return p + 2;
}

char* WriteTimeMs(char* p, const MTimeParts& t, char sep) {
    p = WriteTime(p, t, sep);
    if (sep) *p++ = '.';
    MDigitText<3>::Format(p, t.tm_msec);
    return p + 3;
}

// n characters as digits; any other character counts as 0.
int32_t ReadDigits(const char* p, int n) {
    int32_t value = 0;
    for (int i = 0; i < n; ++i) value = value * 10 + (p[i] >= '0' && p[i] <= '9' ? p[i] - '0' : 0);
    return value;
}

// A decimal number as the library's atol reads it (leading white space, a sign, digits up to the
// first other character), within [begin, end); out-of-range values are held at the 32-bit limits.
int64_t ReadNumber(const char* p, const char* end) {
    while (p < end && (*p == ' ' || (*p >= '\t' && *p <= '\r'))) ++p;
    bool negative = false;
    if (p < end && (*p == '+' || *p == '-')) negative = *p++ == '-';
    int64_t value = 0;
    for (; p < end && *p >= '0' && *p <= '9'; ++p)
        value = std::min<int64_t>(value * 10 + (*p - '0'), int64_t{1} << 32);
    value = negative ? -value : value;
    return std::clamp<int64_t>(value, INT32_MIN, INT32_MAX);
}

int32_t ToField(int64_t value) {
    return static_cast<int32_t>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
}

struct Piece {
    const char* begin;
    int length;
};

// Splits [p, p + n) at any of the delimiters, skipping empty pieces; returns how many pieces
// were found (at most max are stored).
int Split(const char* p, int n, const char* delimiters, Piece* pieces, int max) {
    int count = 0;
    int i = 0;
    while (i < n) {
        while (i < n && p[i] && std::strchr(delimiters, p[i])) ++i;
        if (i == n) break;
        const int start = i;
        while (i < n && !(p[i] && std::strchr(delimiters, p[i]))) ++i;
        if (count < max) pieces[count] = Piece{p + start, i - start};
        ++count;
    }
    return std::min(count, max);
}

bool ParseDatePart(const char* p, int n, MTimeParts& t) {
    if (n <= 0) return false;
    bool wellFormed = true;
    if (std::memchr(p, '/', n)) {
        Piece pieces[3];
        const int count = Split(p, std::min(n, 14), "/", pieces, 3);
        if (count > 0) t.tm_year = ToField(ReadNumber(pieces[0].begin, pieces[0].begin + pieces[0].length));
        if (count > 1)
            t.tm_mon = ToField(ReadNumber(pieces[1].begin, pieces[1].begin + pieces[1].length) - 1);
        if (count > 2) t.tm_mday = ToField(ReadNumber(pieces[2].begin, pieces[2].begin + pieces[2].length));
    } else {
        if (n < 6 || n == 7) return false;  // neither YYMMDD nor YYYYMMDD
        const int yearDigits = n < 7 ? 2 : 4;
        const int32_t year = ReadDigits(p, yearDigits);
        if (year < 2100) {
            t.tm_year = year;
            t.tm_mon = ReadDigits(p + yearDigits, 2) - 1;
            t.tm_mday = ReadDigits(p + yearDigits + 2, 2);
        } else {
            t.tm_year = 2099;
            wellFormed = false;
        }
    }
    if (t.tm_year > 1900) t.tm_year -= 1900;
    t.tm_isdst = -1;
    return wellFormed;
}

bool ParseTimePart(const char* p, int n, MTimeParts& t) {
    if (n <= 0) return false;
    if (std::memchr(p, ':', n)) {
        Piece pieces[5];
        const int count = Split(p, std::min(n, 16), ":.", pieces, 5);
        if (count == 0) return false;
        auto twoDigits = [](const Piece& piece) {
            return ReadDigits(piece.begin, piece.length >= 2 ? 2 : 1);
        };
        t.tm_hour = twoDigits(pieces[0]);
        if (count > 1) t.tm_min = twoDigits(pieces[1]);
        if (count > 2) t.tm_sec = twoDigits(pieces[2]);
        if (count > 4) {
            t.tm_msec = ToField(ReadNumber(pieces[3].begin, pieces[3].begin + pieces[3].length));
            t.tm_usec = ToField(ReadNumber(pieces[4].begin, pieces[4].begin + pieces[4].length));
        } else if (count > 3) {
            if (pieces[3].length > 2) t.tm_msec = ReadDigits(pieces[3].begin, 3);
            if (pieces[3].length > 5) t.tm_usec = ReadDigits(pieces[3].begin + 3, 3);
        }
        return true;
    }
    if (n < 6) return false;
    t.tm_hour = ReadDigits(p, 2);
    t.tm_min = ReadDigits(p + 2, 2);
    t.tm_sec = ReadDigits(p + 4, 2);
    if (n > 8) t.tm_msec = ReadDigits(p + 6, 3);
    if (n > 11) t.tm_usec = ReadDigits(p + 9, 3);
    return true;
}

}  // namespace

std::string FormatTmDate(const MTimeParts& t, char sep) {
    char text[10];
    return std::string(text, WriteDate(text, t, sep));
}

std::string FormatTmTime(const MTimeParts& t, char sep) {
    char text[8];
    return std::string(text, WriteTime(text, t, sep));
}

std::string FormatTmTimeMs(const MTimeParts& t, char sep) {
    char text[12];
    return std::string(text, WriteTimeMs(text, t, sep));
}

std::string FormatTmDateTime(const MTimeParts& t, char dateSep, char timeSep) {
    char text[23];
    return std::string(text, WriteTmDateTime(text, t, dateSep, timeSep));
}

char* WriteTmDate(char* dest, const MTimeParts& t, char sep) {
    return WriteDate(dest, t, sep);
}

char* WriteTmTimeMsText(char* dest, const MTimeParts& t, char sep) {
    return WriteTimeMs(dest, t, sep);
}

char* WriteTmDateTime(char* dest, const MTimeParts& t, char dateSep, char timeSep) {
    char* p = WriteDate(dest, t, dateSep);
    *p++ = ' ';
    return WriteTimeMs(p, t, timeSep);
}

char* WriteTmCompactDate(char* dest, const MTimeParts& t) {
    WriteDate(dest, t, 0);
    return dest;
}

char* WriteTmCompactTime(char* dest, const MTimeParts& t) {
    WriteTime(dest, t, 0);
    return dest;
}

char* WriteTmTimeMs(char* dest, const MTimeParts& t) {
    WriteTimeMs(dest, t, 0);
    return dest;
}

char* WriteTmTimeFields(char* dest, const MTimeParts& t) {
    WriteTimeMs(dest, t, 0);
    MDigitText<3>::Format(dest + 9, t.tm_usec);
    return dest;
}

const char* FormatTmCompactDateTime(const MTimeParts& t) {
    thread_local char text[15];  // one per thread: any thread may format
    WriteDate(text, t, 0);
    WriteTime(text + 8, t, 0);
    text[14] = '\0';
    return text;
}

bool ParseTmDateTime(const char* text, int kind, MTimeParts& t) {
    t = MTimeParts::Epoch();
    if (!text || !*text) return false;
    const int length = static_cast<int>(std::strlen(text));
    switch (kind) {
        case TIME_TEXT_TIME:
            return ParseTimePart(text, length, t);
        case TIME_TEXT_DATE:
            return ParseDatePart(text, length, t);
        case TIME_TEXT_DATE_TIME: {
            int dateLength = length;
            const char* time = nullptr;
            int timeLength = 0;
            if (const char* blank = static_cast<const char*>(std::memchr(text, ' ', length))) {
                dateLength = std::min(static_cast<int>(blank - text), 39);
                time = blank + 1;
                timeLength = static_cast<int>(text + length - time);
            } else {
                const int split = std::memchr(text, '/', length) ? 10 : 8;
                if (length > split) {
                    dateLength = split;
                    time = text + split;
                    timeLength = length - split;
                }
            }
            const bool dateWellFormed = ParseDatePart(text, dateLength, t);
            const bool timeWellFormed = !time || ParseTimePart(time, timeLength, t);
            return dateWellFormed && timeWellFormed;
        }
        default:
            return false;
    }
}
