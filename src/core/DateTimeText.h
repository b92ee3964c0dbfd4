#pragma once
// Date and time texts of broken-down times: the display layouts YYYY/MM/DD HH:MM:SS.mmm, the
// compact layouts YYYYMMDD and HHMMSS of fixed-width fields, and one tolerant reader. Each field
// is written as a fixed number of digits (value modulo 10^N; a negative value as '-' and N-1
// digits). No range checks: hour 25 is written and read as 25.
#include <cstdint>
#include <cstring>
#include <string>

#include "core/MTimeParts.h"
#include "core/SaturatingArithmetic.h"

// Texts out; sep 0 writes no separator. Lengths with a separator / without one:
std::string FormatTmDate(const MTimeParts& t, char sep);    // YYYY/MM/DD (10) / YYYYMMDD (8)
std::string FormatTmTime(const MTimeParts& t, char sep);    // HH:MM:SS (8) / HHMMSS (6)
std::string FormatTmTimeMs(const MTimeParts& t, char sep);  // HH:MM:SS.mmm (12) / HHMMSSmmm (9)
std::string FormatTmDateTime(const MTimeParts& t, char dateSep, char timeSep);  // date " " time-ms
// The same layouts written into a caller's buffer, without a terminator; each returns the end of
// the text (23 characters are enough for any).
char* WriteTmDate(char* dest, const MTimeParts& t, char sep);
char* WriteTmTimeMsText(char* dest, const MTimeParts& t, char sep);
char* WriteTmDateTime(char* dest, const MTimeParts& t, char dateSep, char timeSep);

// Writers into a caller's buffer at fixed places, without a terminator; each returns dest.
char* WriteTmCompactDate(char* dest, const MTimeParts& t);  // YYYYMMDD, 8 characters
char* WriteTmCompactTime(char* dest, const MTimeParts& t);  // HHMMSS, 6 characters
char* WriteTmTimeMs(char* dest, const MTimeParts& t);       // HHMMSSmmm, 9 characters
char* WriteTmTimeFields(char* dest, const MTimeParts& t);   // HHMMSSmmmuuu, 12 characters
// YYYYMMDDHHMMSS, terminated, in the calling thread's buffer, valid until its next call.
const char* FormatTmCompactDateTime(const MTimeParts& t);

// What ParseTmDateTime reads.
enum MTimeTextKind : int {
    TIME_TEXT_TIME = 1,
    TIME_TEXT_DATE = 2,
    TIME_TEXT_DATE_TIME = 3,
};

// Reads a time of day (kind 1), a date (kind 2) or a date and a time (kind 3) into t, starting
// from the epoch's fields, and says whether every part read was well formed. Fields read before
// a part turned out malformed stay in t. Dates: Y/M/D with any number of digits per piece, or
// YYYYMMDD, or YYMMDD (a two-digit year is read as 19YY); a year above 1900 is stored as years
// since 1900. Times: H:M:S with optional .mmm[uuu] or .mmm.uuu, or HHMMSS[mmm[uuu]]. A date and
// a time are split at the first blank, or else after 8 characters (10 when the text has a '/').
// A null or empty text, and any other kind, fail.
bool ParseTmDateTime(const char* text, int kind, MTimeParts& t);

// Reads the text of a time point into count, as every date-time text of the framework is read:
// "-" or an empty (or null) text gives nullCount; "n" (or "N") gives now(), plus, when a '+'
// follows, the count of the text from the '+' on; any other text is read as kind says and
// counted by countFromTm. Says whether every part read was well formed.
template <class Now, class CountFromTm>
bool ReadTimePointText(const char* text, int kind, int64_t nullCount, Now&& now, CountFromTm&& countFromTm,
                       int64_t& count) {
    if (!text || !*text || *text == '-') {
        count = nullCount;
        return true;
    }
    MTimeParts t;
    if (*text == 'n' || *text == 'N') {
        count = now();
        const char* plus = std::strchr(text, '+');
        if (!plus) return true;
        const bool wellFormed = ParseTmDateTime(plus, kind, t);
        count = SaturatingAdd(count, countFromTm(t));
        return wellFormed;
    }
    const bool wellFormed = ParseTmDateTime(text, kind, t);
    count = countFromTm(t);
    return wellFormed;
}
