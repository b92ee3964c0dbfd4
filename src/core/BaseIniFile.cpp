#include "core/BaseIniFile.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <exception>

#include "core/MDigitText.h"
#include "core/MError.h"

namespace {

constexpr int32_t kDefaultCount = 20;

// A signed 32-bit integer: optional leading blanks, an optional sign, then decimal digits or
// "0x" and up to eight hexadecimal digits, and nothing after them.
bool ParseInteger(const std::string& text, int32_t& value) {
    size_t i = text.find_first_not_of(" \t");
    if (i == std::string::npos) return false;
    bool negative = false;
    if (text[i] == '+' || text[i] == '-') negative = text[i++] == '-';
    int64_t magnitude = 0;
    if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        i += 2;
        const size_t first = i;
        for (; i < text.size() && std::isxdigit(static_cast<unsigned char>(text[i])) && i - first < 8; ++i) {
            const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(text[i])));
            magnitude = magnitude * 16 + (c <= '9' ? c - '0' : c - 'a' + 10);
        }
        if (i == first || i != text.size()) return false;
        const auto bits = static_cast<uint32_t>(magnitude);
        value = static_cast<int32_t>(negative ? 0u - bits : bits);
        return true;
    }
    const size_t first = i;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > int64_t{INT32_MAX} + 1) return false;
    }
    if (i == first || i != text.size()) return false;
    if (negative) magnitude = -magnitude;
    if (magnitude > INT32_MAX) return false;
    value = static_cast<int32_t>(magnitude);
    return true;
}

// Moves text past the first occurrence of separator found at position.
void RemoveThrough(std::string& text, size_t position, const std::string& separator) {
    text.erase(0, std::min(text.size(), position + separator.size()));
}

// Position of the first occurrence of pattern, npos when absent or when the pattern is empty.
size_t Locate(const std::string& text, const std::string& pattern) {
    return pattern.empty() ? std::string::npos : text.find(pattern);
}

// The text between the end of the opener at o and the closer at c; empty when the closer comes
// first.
std::string Inner(const std::string& text, size_t o, const std::string& opener, size_t c) {
    const size_t start = o + opener.size();
    return c > start ? text.substr(start, c - start) : std::string();
}

}  // namespace

BaseIniFile::BaseIniFile(const std::string& fileName) : fileName_(fileName) {
    if (fileName_.empty()) return;
    std::string error;
    if (!store_.LoadFromFile(fileName_, error))
        MLOG(LOG_ERROR, "Unable to read the file %s: %s", fileName_.c_str(), error.c_str());
}

BaseIniFile::~BaseIniFile() {
    if (!modified_ || fileName_.empty()) return;
    try {
        WriteBack();
    } catch (const std::exception& e) {
        MLOG(LOG_ERROR, "Unable to write the file %s: %s", fileName_.c_str(), e.what());
    }
}

void BaseIniFile::WriteBack() {
    MIniStore current;
    std::string error;
    if (!current.LoadFromFile(fileName_, error)) {
        MLOG(LOG_ERROR, "Unable to read the file %s, changes not written: %s", fileName_.c_str(),
             error.c_str());
        return;
    }
    deleted_.ForEach([&](const std::string& section, const std::string& key, const std::string&) {
        current.Delete(section, key);
    });
    written_.ForEach([&](const std::string& section, const std::string& key, const std::string& value) {
        current.Write(section, key, value);
    });
    if (!current.SaveToFile(fileName_, error))
        MLOG(LOG_ERROR, "Unable to write the file %s: %s", fileName_.c_str(), error.c_str());
}

bool BaseIniFile::SectionExists(const std::string& section) const {
    return store_.SectionExists(section);
}

void BaseIniFile::ReadSection(const std::string& section, std::vector<std::string>& keys) const {
    keys = store_.ReadSection(section);
}

void BaseIniFile::ReadSectionValues(const std::string& section, std::vector<std::string>& lines) const {
    lines = store_.ReadSectionValues(section);
}

std::string BaseIniFile::ReadString(const std::string& section, const std::string& key,
                                    const std::string& defaultValue) const {
    const std::string* value = store_.Find(section, key);
    return value ? *value : defaultValue;
}

void BaseIniFile::WriteString(const std::string& section, const std::string& key, const std::string& value) {
    store_.Write(section, key, value);
    written_.Write(section, key, value);
    deleted_.Delete(section, key);
    modified_ = true;
}

int32_t BaseIniFile::ReadInteger(const std::string& section, const std::string& key,
                                 int32_t defaultValue) const {
    const std::string* text = store_.Find(section, key);
    int32_t value = 0;
    return text && ParseInteger(*text, value) ? value : defaultValue;
}

void BaseIniFile::WriteInteger(const std::string& section, const std::string& key, int32_t value) {
    int length = 0;
    const char* text = FormatInt(value, length);
    WriteString(section, key, std::string(text, length));
}

bool BaseIniFile::ReadBool(const std::string& section, const std::string& key, bool defaultValue) const {
    const std::string* text = store_.Find(section, key);
    int32_t value = 0;
    return text && ParseInteger(*text, value) ? value != 0 : defaultValue;
}

void BaseIniFile::WriteBool(const std::string& section, const std::string& key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}

void BaseIniFile::DeleteKey(const std::string& section, const std::string& key) {
    store_.Delete(section, key);
    written_.Delete(section, key);
    deleted_.Write(section, key, "");
    modified_ = true;
}

int32_t BaseIniFile::ReadCount(const std::string& section, const std::string& key) const {
    int32_t count = 0;
    return ParseInteger(ReadString(section, key, ""), count) ? count : kDefaultCount;
}

void BaseIniFile::ReadKeyList(const std::string& section, const std::string& key,
                              const std::string& separator, KeyDataVector& list) const {
    std::string text = ReadString(section, key, "");
    list.clear();
    while (!text.empty()) {
        const size_t p = Locate(text, separator);
        if (p == std::string::npos) {
            list.emplace_back(text);
            break;
        }
        list.emplace_back(text.substr(0, p));
        RemoveThrough(text, p, separator);
    }
}

void BaseIniFile::ReadKey1ValueList(const std::string& section, const std::string& key,
                                    Key1ValueDataVector& list, const std::string& entryEnd,
                                    const std::string& opener, const std::string& closer) const {
    std::string text = ReadString(section, key, "");
    list.clear();
    while (!text.empty()) {
        const size_t e = Locate(text, entryEnd), o = Locate(text, opener), c = Locate(text, closer);
        if (e == std::string::npos || o == std::string::npos || c == std::string::npos) break;
        list.emplace_back(text.substr(0, o), Inner(text, o, opener, c));
        RemoveThrough(text, e, entryEnd);
    }
}

void BaseIniFile::ReadKey2ValueList(const std::string& section, const std::string& key,
                                    Key2ValueDataVector& list, const std::string& entryEnd,
                                    const std::string& opener, const std::string& valueSeparator,
                                    const std::string& closer) const {
    std::string text = ReadString(section, key, "");
    list.clear();
    while (!text.empty()) {
        const size_t e = Locate(text, entryEnd), o = Locate(text, opener), c = Locate(text, closer);
        if (e == std::string::npos || o == std::string::npos || c == std::string::npos) break;
        const std::string inner = Inner(text, o, opener, c);
        const size_t v = Locate(inner, valueSeparator);
        if (v == std::string::npos) break;
        list.emplace_back(text.substr(0, o), inner.substr(0, v), inner.substr(v + valueSeparator.size()));
        RemoveThrough(text, e, entryEnd);
    }
}

std::string BaseIniFile::MakeSectionName() {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t seconds = system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&seconds, &local);
    return MakeSectionName(
        local, static_cast<int>(duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000));
}

std::string BaseIniFile::MakeSectionName(const std::tm& local, int milliseconds) {
    char base[64];
    std::snprintf(base, sizeof base, "%u%u%u%u%u%u%u", static_cast<unsigned>(local.tm_year + 1900),
                  static_cast<unsigned>(local.tm_mon + 1), static_cast<unsigned>(local.tm_mday),
                  static_cast<unsigned>(local.tm_hour), static_cast<unsigned>(local.tm_min),
                  static_cast<unsigned>(local.tm_sec), static_cast<unsigned>(milliseconds));

    MIniStore onDisk;
    std::string error;
    if (!fileName_.empty()) onDisk.LoadFromFile(fileName_, error);
    const auto taken = [&](const std::string& name) {
        return store_.SectionExists(name) || onDisk.SectionExists(name) ||
               std::find(madeSectionNames_.begin(), madeSectionNames_.end(), name) != madeSectionNames_.end();
    };
    std::string name = base;
    for (int n = 1; taken(name); ++n) name = base + ("_" + std::to_string(n));
    madeSectionNames_.push_back(name);
    return name;
}
