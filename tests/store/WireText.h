#pragma once
// Building received messages for the record tests: texts padded with blanks to their field width,
// and the 24-byte server header of a message type.
#include <string>

#include "fields/MCSVWriter.h"
#include "fields/MObjectFormat.h"

inline std::string Pad(const std::string& text, std::size_t width) {
    std::string padded = text.substr(0, width);
    padded.resize(width, ' ');
    return padded;
}

// The type code, a user time, a trader id and a sequence number.
inline std::string Header(const char* code) {
    return std::string(code) + "093000" + "TRADER01" + "00000042";
}

// The texts of every field of record, each followed by ';'.
template <class R>
std::string CsvLine(R& record) {
    std::string line;
    MCSVWriter writer(&line, ";");
    record.FormatObject(writer);
    return line;
}
