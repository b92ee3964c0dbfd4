#include "core/MIniStore.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <utility>

namespace {

// Upper case of each Windows-1252 byte: ASCII letters, the accented letters 0xE0-0xFE (but the
// division sign 0xF7), and the pairs š/Š, œ/Œ, ž/Ž, ÿ/Ÿ.
constexpr std::array<unsigned char, 256> MakeFoldTable() {
    std::array<unsigned char, 256> table{};
    for (int c = 0; c < 256; ++c) table[c] = static_cast<unsigned char>(c);
    for (int c = 'a'; c <= 'z'; ++c) table[c] = static_cast<unsigned char>(c - 32);
    for (int c = 0xE0; c <= 0xFE; ++c)
        if (c != 0xF7) table[c] = static_cast<unsigned char>(c - 32);
    table[0x9A] = 0x8A;
    table[0x9C] = 0x8C;
    table[0x9E] = 0x8E;
    table[0xFF] = 0x9F;
    return table;
}

constexpr std::array<unsigned char, 256> kFold = MakeFoldTable();

std::string_view TrimBlanks(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

std::string OneLine(std::string_view text) {
    std::string line(text);
    for (char& c : line)
        if (c == '\r' || c == '\n') c = ' ';
    return line;
}

bool WriteAll(int fd, const std::string& text) {
    size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

}  // namespace

bool MIniStore::SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (kFold[static_cast<unsigned char>(a[i])] != kFold[static_cast<unsigned char>(b[i])]) return false;
    return true;
}

bool MIniStore::LoadFromFile(const std::string& path, std::string& error) {
    sections_.clear();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR) return true;
        error = std::strerror(errno);
        return false;
    }
    std::string text;
    char buffer[8192];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            error = std::strerror(errno);
            ::close(fd);
            return false;
        }
        text.append(buffer, static_cast<size_t>(n));
    }
    ::close(fd);
    LoadFromText(text);
    return true;
}

void MIniStore::LoadFromText(std::string_view text) {
    sections_.clear();
    Section* current = nullptr;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        const std::string_view trimmed = TrimBlanks(line);
        if (trimmed.empty() || trimmed.front() == ';') continue;
        if (trimmed.front() == '[' && trimmed.back() == ']') {
            const std::string_view name = TrimBlanks(trimmed.substr(1, trimmed.size() - 2));
            current = FindSection(name);
            if (!current) current = &sections_.emplace_back(Section{std::string(name), {}});
            continue;
        }
        const size_t equals = line.find('=');
        if (!current || equals == std::string_view::npos) continue;
        const std::string_view key = TrimBlanks(line.substr(0, equals));
        bool known = false;
        for (const Entry& entry : current->entries) known = known || SameName(entry.key, key);
        if (!known) current->entries.push_back({std::string(key), std::string(line.substr(equals + 1))});
    }
}

std::string MIniStore::ToText() const {
    std::string text;
    for (const Section& section : sections_) {
        text += '[';
        text += section.name;
        text += "]\n";
        for (const Entry& entry : section.entries) {
            text += entry.key;
            text += '=';
            text += entry.value;
            text += '\n';
        }
        text += '\n';
    }
    return text;
}

bool MIniStore::SaveToFile(const std::string& path, std::string& error) const {
    const std::string text = ToText();
    struct stat old {};
    const bool hadFile = ::stat(path.c_str(), &old) == 0;
    std::string temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temporary = path + ".tmp" + std::to_string(::getpid()) + "_" + std::to_string(attempt);
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) {
        error = std::strerror(errno);
        return false;
    }
    bool ok = WriteAll(fd, text) && (!hadFile || ::fchmod(fd, old.st_mode & 07777) == 0) && ::fsync(fd) == 0;
    int failure = ok ? 0 : errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        failure = errno;
    }
    if (ok && ::rename(temporary.c_str(), path.c_str()) != 0) {
        ok = false;
        failure = errno;
    }
    if (ok) return true;
    error = std::strerror(failure);
    ::unlink(temporary.c_str());
    return false;
}

const MIniStore::Section* MIniStore::FindSection(std::string_view name) const {
    for (const Section& section : sections_)
        if (SameName(section.name, name)) return &section;
    return nullptr;
}

MIniStore::Section* MIniStore::FindSection(std::string_view name) {
    return const_cast<Section*>(std::as_const(*this).FindSection(name));
}

bool MIniStore::SectionExists(std::string_view section) const {
    return FindSection(section) != nullptr;
}

const std::string* MIniStore::Find(std::string_view section, std::string_view key) const {
    if (const Section* found = FindSection(section))
        for (const Entry& entry : found->entries)
            if (SameName(entry.key, key)) return &entry.value;
    return nullptr;
}

void MIniStore::Write(std::string_view section, std::string_view key, std::string_view value) {
    const std::string sectionName = OneLine(section);
    const std::string keyName = OneLine(key);
    Section* target = FindSection(sectionName);
    if (!target) target = &sections_.emplace_back(Section{sectionName, {}});
    for (Entry& entry : target->entries)
        if (SameName(entry.key, keyName)) {
            entry.value = OneLine(value);
            return;
        }
    target->entries.push_back({keyName, OneLine(value)});
}

void MIniStore::Delete(std::string_view section, std::string_view key) {
    Section* target = FindSection(section);
    if (!target) return;
    for (auto it = target->entries.begin(); it != target->entries.end(); ++it)
        if (SameName(it->key, key)) {
            target->entries.erase(it);
            return;
        }
}

std::vector<std::string> MIniStore::ReadSection(std::string_view section) const {
    std::vector<std::string> keys;
    if (const Section* found = FindSection(section))
        for (const Entry& entry : found->entries) keys.push_back(entry.key);
    return keys;
}

std::vector<std::string> MIniStore::ReadSectionValues(std::string_view section) const {
    std::vector<std::string> lines;
    if (const Section* found = FindSection(section))
        for (const Entry& entry : found->entries) lines.push_back(entry.key + "=" + entry.value);
    return lines;
}

void MIniStore::ForEach(
    const std::function<void(const std::string&, const std::string&, const std::string&)>& visit) const {
    for (const Section& section : sections_)
        for (const Entry& entry : section.entries) visit(section.name, entry.key, entry.value);
}
