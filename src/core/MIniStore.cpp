#include "core/MIniStore.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>

#include "core/Win1252Case.h"

namespace {

constexpr int kMaxLinks = 40;
constexpr size_t kTemporarySuffix = 6;  // the characters mkstemp puts in place of XXXXXX

std::string Fold(std::string_view name) {
    std::string folded(name.size(), '\0');
    for (size_t i = 0; i < name.size(); ++i) folded[i] = win1252::ToUpper(name[i]);
    return folded;
}

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

std::string SectionName(std::string_view text) {
    return std::string(TrimBlanks(OneLine(text)));
}

std::string KeyName(std::string_view text) {
    std::string key = OneLine(text);
    for (char& c : key)
        if (c == '=') c = ' ';
    const size_t first = key.find_first_not_of(" \t[;");
    if (first == std::string::npos) return std::string();
    return std::string(TrimBlanks(std::string_view(key).substr(first)));
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

std::string DirectoryOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string(".")
           : slash == 0               ? std::string("/")
                                      : path.substr(0, slash);
}

// Removes the temporaries that saves of target left behind when they were interrupted.
void RemoveTemporaries(const std::string& target) {
    const std::string prefix = MIniStore::TemporaryPrefix(target);
    const std::string directory = DirectoryOf(target);
    const std::string name = prefix.substr(prefix.rfind('/') + 1);
    DIR* listing = ::opendir(directory.c_str());
    if (!listing) return;
    while (const dirent* entry = ::readdir(listing)) {
        const std::string_view found = entry->d_name;
        if (found.size() == name.size() + kTemporarySuffix && found.substr(0, name.size()) == name)
            ::unlink((directory + "/" + std::string(found)).c_str());
    }
    ::closedir(listing);
}

}  // namespace

bool MIniStore::SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (win1252::ToUpper(a[i]) != win1252::ToUpper(b[i])) return false;
    return true;
}

bool MIniStore::LoadFromFile(const std::string& path, std::string& error) {
    LoadFromText({});
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR) return true;
        error = std::strerror(errno);
        return false;
    }
    std::string text;
    struct stat status {};
    if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode))
        text.reserve(static_cast<size_t>(status.st_size));
    char buffer[65536];
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
    index_.clear();
    Section* current = nullptr;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        while (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        const std::string_view trimmed = TrimBlanks(line);
        if (trimmed.empty() || trimmed.front() == ';') continue;
        if (trimmed.front() == '[' && trimmed.back() == ']') {
            const std::string_view name = TrimBlanks(trimmed.substr(1, trimmed.size() - 2));
            const auto found = index_.find(Fold(name));
            current = found != index_.end() ? &sections_[found->second] : AddSection(name);
            continue;
        }
        const size_t equals = line.find('=');
        if (!current || equals == std::string_view::npos) continue;
        const std::string_view key = TrimBlanks(line.substr(0, equals));
        if (current->index.emplace(Fold(key), current->entries.size()).second)
            current->entries.push_back({std::string(key), std::string(line.substr(equals + 1))});
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

std::string MIniStore::FollowLinks(const std::string& path) {
    std::string current = path;
    for (int i = 0; i < kMaxLinks; ++i) {
        struct stat status {};
        if (::lstat(current.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) return current;
        std::string target(static_cast<size_t>(status.st_size > 0 ? status.st_size : 4096) + 1, '\0');
        const ssize_t n = ::readlink(current.c_str(), target.data(), target.size());
        if (n < 0 || static_cast<size_t>(n) >= target.size()) return current;
        target.resize(static_cast<size_t>(n));
        current = target.front() == '/' ? target : DirectoryOf(current) + "/" + target;
    }
    return current;
}

std::string MIniStore::TemporaryPrefix(const std::string& target) {
    return target + ".tmp-";
}

bool MIniStore::SaveToFile(const std::string& path, std::string& error) const {
    const std::string target = FollowLinks(path);
    struct stat old {};
    mode_t mode = 0600;
    if (::stat(target.c_str(), &old) == 0) {
        if (!S_ISREG(old.st_mode)) {
            error = std::strerror(S_ISDIR(old.st_mode) ? EISDIR : EINVAL);
            return false;
        }
        // The permission bits decide, also for a user whom the system would let write anyway.
        if ((old.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0) {
            error = "the file is read-only";
            return false;
        }
        mode = old.st_mode & 07777;
    }
    RemoveTemporaries(target);
    std::string temporary = TemporaryPrefix(target) + std::string(kTemporarySuffix, 'X');
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) {
        error = std::strerror(errno);
        return false;
    }
    bool ok = ::fchmod(fd, mode) == 0 && WriteAll(fd, ToText()) && ::fsync(fd) == 0;
    int failure = ok ? 0 : errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        failure = errno;
    }
    if (ok && ::rename(temporary.c_str(), target.c_str()) != 0) {
        ok = false;
        failure = errno;
    }
    if (ok) return true;
    error = std::strerror(failure);
    ::unlink(temporary.c_str());
    return false;
}

const MIniStore::Section* MIniStore::FindSection(std::string_view name) const {
    const auto found = index_.find(Fold(SectionName(name)));
    return found == index_.end() ? nullptr : &sections_[found->second];
}

MIniStore::Section* MIniStore::AddSection(std::string_view name) {
    index_.emplace(Fold(name), sections_.size());
    return &sections_.emplace_back(Section{std::string(name), {}, {}});
}

const MIniStore::Entry* MIniStore::FindEntry(const Section& section, std::string_view key) {
    const auto found = section.index.find(Fold(KeyName(key)));
    return found == section.index.end() ? nullptr : &section.entries[found->second];
}

bool MIniStore::SectionExists(std::string_view section) const {
    return FindSection(section) != nullptr;
}

const std::string* MIniStore::Find(std::string_view section, std::string_view key) const {
    const Section* found = FindSection(section);
    const Entry* entry = found ? FindEntry(*found, key) : nullptr;
    return entry ? &entry->value : nullptr;
}

void MIniStore::Write(std::string_view section, std::string_view key, std::string_view value) {
    const std::string sectionName = SectionName(section);
    const std::string keyName = KeyName(key);
    const Section* found = FindSection(sectionName);
    Section& target =
        found ? sections_[static_cast<size_t>(found - sections_.data())] : *AddSection(sectionName);
    const auto [place, added] = target.index.emplace(Fold(keyName), target.entries.size());
    if (added)
        target.entries.push_back({keyName, OneLine(value)});
    else
        target.entries[place->second].value = OneLine(value);
}

void MIniStore::Delete(std::string_view section, std::string_view key) {
    const Section* found = FindSection(section);
    if (!found) return;
    Section& target = sections_[static_cast<size_t>(found - sections_.data())];
    const auto place = target.index.find(Fold(KeyName(key)));
    if (place == target.index.end()) return;
    const size_t removed = place->second;
    target.index.erase(place);
    target.entries.erase(target.entries.begin() + static_cast<std::ptrdiff_t>(removed));
    for (auto& [name, at] : target.index)
        if (at > removed) --at;
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
