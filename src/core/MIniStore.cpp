#include "core/MIniStore.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <optional>
#include <unordered_set>

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

bool MIniStore::ReadTextOfFile(const std::string& path, std::string& text, std::string& error) {
    text.clear();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR) return true;
        error = std::strerror(errno);
        return false;
    }
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
            text.clear();
            return false;
        }
        text.append(buffer, static_cast<size_t>(n));
    }
    ::close(fd);
    return true;
}

bool MIniStore::LoadFromFile(const std::string& path, std::string& error) {
    std::string text;
    const bool read = ReadTextOfFile(path, text, error);
    LoadFromText(text);
    return read;
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
    return SaveTextToFile(path, ToText(), error);
}

bool MIniStore::SaveTextToFile(const std::string& path, const std::string& text, std::string& error) {
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
    bool ok = ::fchmod(fd, mode) == 0 && WriteAll(fd, text) && ::fsync(fd) == 0;
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

namespace {

// One line of a text: what LoadFromText reads of it, and the carriage returns and line feed that
// end it (none at the end of a text without a final line feed).
struct TextLine {
    std::string_view body;
    std::string_view end;
};

std::vector<TextLine> SplitLines(std::string_view text) {
    std::vector<TextLine> lines;
    while (!text.empty()) {
        const size_t feed = text.find('\n');
        const std::string_view whole = text.substr(0, feed == std::string_view::npos ? feed : feed + 1);
        text.remove_prefix(whole.size());
        std::string_view body = whole;
        if (!body.empty() && body.back() == '\n') body.remove_suffix(1);
        while (!body.empty() && body.back() == '\r') body.remove_suffix(1);
        lines.push_back({body, whole.substr(body.size())});
    }
    return lines;
}

// The section a "[name]" line opens, or null for any other line.
std::optional<std::string_view> SectionOfLine(std::string_view body) {
    const std::string_view trimmed = TrimBlanks(body);
    if (trimmed.empty() || trimmed.front() == ';' || trimmed.front() != '[' || trimmed.back() != ']')
        return std::nullopt;
    return TrimBlanks(trimmed.substr(1, trimmed.size() - 2));
}

// The place of the '=' of a key line (npos for blank, comment and other lines).
size_t EqualsOfKeyLine(std::string_view body) {
    const std::string_view trimmed = TrimBlanks(body);
    if (trimmed.empty() || trimmed.front() == ';' || SectionOfLine(body)) return std::string_view::npos;
    return body.find('=');
}

bool EndsWithBlankLine(const std::string& text) {
    if (text.empty() || text.back() != '\n') return false;
    const size_t start = text.rfind('\n', text.size() - 2);
    const std::string_view line = std::string_view(text).substr(start == std::string::npos ? 0 : start + 1);
    return line.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

}  // namespace

std::string MIniStore::EditText(std::string_view text, const MIniStore& written, const MIniStore& deleted) {
    MIniStore present;
    present.LoadFromText(text);
    const std::vector<TextLine> lines = SplitLines(text);

    // Where the keys that a section of the text lacks go: after its last key line, or after its
    // last header when it has no key.
    std::unordered_map<std::string, size_t> anchors;
    {
        std::string section;
        bool inSection = false;
        for (size_t i = 0; i < lines.size(); ++i) {
            if (const auto name = SectionOfLine(lines[i].body)) {
                section = Fold(*name);
                inSection = true;
                anchors[section] = i;
            } else if (inSection && EqualsOfKeyLine(lines[i].body) != std::string_view::npos) {
                anchors[section] = i;
            }
        }
    }
    std::unordered_map<std::string, std::string> addedKeys;  // folded section -> its new lines
    std::vector<std::string> addedSections;                  // in the order of written
    std::unordered_map<std::string, size_t> addedSectionIndex;
    written.ForEach([&](const std::string& section, const std::string& key, const std::string& value) {
        if (present.Find(section, key)) return;
        const std::string line = key + "=" + value + "\n";
        if (present.SectionExists(section)) {
            addedKeys[Fold(section)] += line;
            return;
        }
        const auto [place, added] = addedSectionIndex.emplace(Fold(section), addedSections.size());
        if (added) addedSections.push_back("[" + section + "]\n");
        addedSections[place->second] += line;
    });

    std::string result;
    result.reserve(text.size() + 256);
    std::string section;
    std::string_view sectionName;
    bool inSection = false;
    std::unordered_set<std::string> seen;  // folded section and key of the key lines met
    for (size_t i = 0; i < lines.size(); ++i) {
        const TextLine& line = lines[i];
        bool keep = true;
        if (const auto name = SectionOfLine(line.body)) {
            section = Fold(*name);
            sectionName = *name;
            inSection = true;
        } else if (const size_t equals = EqualsOfKeyLine(line.body);
                   inSection && equals != std::string_view::npos) {
            const std::string_view key = TrimBlanks(line.body.substr(0, equals));
            const bool first = seen.insert(section + '\0' + Fold(key)).second;
            // A key that lookups cannot name (one that starts with '[') is never changed.
            const bool named = KeyName(key) == key;
            const std::string* value = named ? written.Find(sectionName, key) : nullptr;
            if (value && first) {
                result.append(line.body.substr(0, equals + 1)).append(*value).append(line.end);
                keep = false;
            } else if (!value && named && deleted.Find(sectionName, key)) {
                keep = false;
            }
        }
        if (keep) result.append(line.body).append(line.end);
        const auto anchor = inSection ? anchors.find(section) : anchors.end();
        if (anchor != anchors.end() && anchor->second == i) {
            const auto keys = addedKeys.find(section);
            if (keys != addedKeys.end()) {
                if (!result.empty() && result.back() != '\n') result += '\n';
                result += keys->second;
            }
        }
    }
    if (!addedSections.empty()) {
        if (!result.empty() && result.back() != '\n') result += '\n';
        if (!result.empty() && !EndsWithBlankLine(result)) result += '\n';
        for (const std::string& added : addedSections) result.append(added).append("\n");
    }
    return result;
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
