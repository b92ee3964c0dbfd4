#pragma once
// An ini-format file held in memory: sections of key=value lines, both kept in file order, their
// names compared without regard to case (the letters of Windows-1252). Loading reads the whole
// file; saving writes the whole content to a temporary file beside the file and renames it over
// the old one. A plain value; loading, saving and lookups are linear in the size of the text
// (names are found through hash indexes of their upper-case forms).
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class MIniStore {
public:
    // Replaces the content with the file's. A missing file gives an empty store and true; a file
    // that exists but cannot be read gives an empty store, false and the reason in error.
    bool LoadFromFile(const std::string& path, std::string& error);
    // Replaces the content with the parsed text. A line ends at a line feed; the carriage returns
    // just before it (any number of them) belong to the line's end, also at the end of the text
    // without a line feed. "[section]" lines open a section, "key=value" lines fill it (the key
    // trimmed of blanks, the value kept as it is); blank lines, lines starting with ';', lines
    // without '=' and lines before the first section are skipped. Of two equal keys in one
    // section the first counts.
    void LoadFromText(std::string_view text);
    // The content as text, lines ending with LF, a blank line after each section. Loading the text
    // gives the same sections, keys and values again.
    std::string ToText() const;
    // Writes ToText() to the file that path names, following symbolic links to their final
    // target, which is replaced while the links stay. The text goes first to a temporary file in
    // the target's directory, named TemporaryPrefix(target) and six more characters, created with
    // the target's permissions (0600 when there is no target yet) and renamed over the target;
    // temporaries of earlier saves that were interrupted are removed first. A target that the
    // permissions do not let anyone write is left alone. False with the reason in error when
    // anything failed; the target is then unchanged. Writers of one file must hold its lock.
    bool SaveToFile(const std::string& path, std::string& error) const;
    // SaveToFile with the given text in place of ToText().
    static bool SaveTextToFile(const std::string& path, const std::string& text, std::string& error);
    // The whole file as it is. A missing file gives an empty text and true; a file that exists
    // but cannot be read gives false and the reason in error.
    static bool ReadTextOfFile(const std::string& path, std::string& text, std::string& error);
    // The text with changes applied line by line, as LoadFromText reads it: the line of each key
    // that written holds gets the new value after its '=' (the rest of the line, its line end
    // included, stays), every line of a key that deleted holds goes, a key the text lacks is
    // added after the last key of its section, and a section the text lacks is added at the end
    // as ToText writes it. Every other line, comments and blank lines included, stays as it is,
    // byte for byte. Loading the result gives what applying the deletes and then the writes to a
    // store loaded from text gives.
    static std::string EditText(std::string_view text, const MIniStore& written, const MIniStore& deleted);

    // The final target of a chain of symbolic links (at most 40); path itself when it is not a
    // link, also when it does not exist. A relative link is read from the link's directory.
    static std::string FollowLinks(const std::string& path);
    // What the names of the temporary files of a save of target begin with.
    static std::string TemporaryPrefix(const std::string& target);

    bool SectionExists(std::string_view section) const;
    // The key's value, or null when the section or key is absent; valid until the next change.
    const std::string* Find(std::string_view section, std::string_view key) const;
    // Stores the value, appending section and key when absent. Names are stored as a later load
    // of the file will find them: line breaks become blanks and the outer blanks go; a key's '='
    // becomes a blank and its leading '[' and ';' go, so that its line never reads as a section,
    // a comment or another key. Line breaks in the value are stored as blanks, so that a value can
    // never add lines to the file. Lookups take names the same way.
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
        std::unordered_map<std::string, size_t> index;  // upper-case key -> place in entries
    };

    const Section* FindSection(std::string_view name) const;
    Section* AddSection(std::string_view name);
    static const Entry* FindEntry(const Section& section, std::string_view key);

    std::vector<Section> sections_;
    std::unordered_map<std::string, size_t> index_;  // upper-case section name -> place
};
