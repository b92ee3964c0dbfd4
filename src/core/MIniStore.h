#pragma once
// An ini-format file held in memory: sections of key=value lines, both kept in file order, their
// names compared without regard to case (the letters of Windows-1252). Loading reads the whole
// file; saving writes the whole content to a temporary file and renames it over the old one.
// A plain value; lookups are linear in the number of sections and of keys in a section.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

class MIniStore {
public:
    // Replaces the content with the file's. A missing file gives an empty store and true; a file
    // that exists but cannot be read gives an empty store, false and the reason in error.
    bool LoadFromFile(const std::string& path, std::string& error);
    // Replaces the content with the parsed text: "[section]" lines open a section, "key=value"
    // lines fill it (the key trimmed of blanks, the value kept as it is); blank lines, lines
    // starting with ';', lines without '=' and lines before the first section are skipped.
    // Lines end with LF or CRLF. Of two equal keys in one section the first counts.
    void LoadFromText(std::string_view text);
    // The content as text, lines ending with LF, a blank line after each section.
    std::string ToText() const;
    // Writes ToText() to path through a temporary file in the same directory, renamed over the
    // old file, whose permissions it keeps. False with the reason in error when anything failed;
    // the old file is then unchanged.
    bool SaveToFile(const std::string& path, std::string& error) const;

    bool SectionExists(std::string_view section) const;
    // The key's value, or null when the section or key is absent; valid until the next change.
    const std::string* Find(std::string_view section, std::string_view key) const;
    // Stores the value, appending section and key when absent. Line breaks in the texts are
    // stored as blanks, so that a value can never add lines to the file.
    void Write(std::string_view section, std::string_view key, std::string_view value);
    // Removes the key when present; the section stays, even when it becomes empty.
    void Delete(std::string_view section, std::string_view key);
    // The section's keys, or its lines as key=value texts, in file order; empty when absent.
    std::vector<std::string> ReadSection(std::string_view section) const;
    std::vector<std::string> ReadSectionValues(std::string_view section) const;
    // Calls visit(section, key, value) for every key in file order.
    void ForEach(
        const std::function<void(const std::string&, const std::string&, const std::string&)>& visit) const;

    static bool SameName(std::string_view a, std::string_view b);

private:
    struct Entry {
        std::string key;
        std::string value;
    };
    struct Section {
        std::string name;
        std::vector<Entry> entries;
    };

    const Section* FindSection(std::string_view name) const;
    Section* FindSection(std::string_view name);

    std::vector<Section> sections_;
};
