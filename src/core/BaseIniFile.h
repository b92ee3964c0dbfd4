#pragma once
// The program's handle on an ini-format file (the settings file, workspace and window
// configuration files). The whole file is read into memory when the object is made; reads and
// writes work on that copy. When the object is destroyed after a write or delete, the keys this
// object wrote or deleted are applied to a fresh read of the file and the result replaces the
// file (through a temporary file, see MIniStore::SaveToFile), so objects open on the same file
// never undo each other's changes. Only the lines of those keys change: comments, blank lines and
// every other line stay as they were, in their places (see MIniStore::EditText). The read, merge and
// replacement hold an exclusive flock on the file, which every write-back of every process takes, so no
// process loses another's keys. When the lock cannot be had within the lock timeout the write-back is logged
// and its changes are kept in the process, to go with the next write-back of the same file. Failures are
// logged at level 3; a file that nobody may write is not replaced. An empty file name gives an in-memory file
// that is never written. Owned by its user; not copyable; GUI thread only.
#include <chrono>
#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

#include "core/Key1ValueData.h"
#include "core/Key2ValueData.h"
#include "core/KeyData.h"
#include "core/MIniStore.h"

class BaseIniFile {
public:
    explicit BaseIniFile(const std::string& fileName);
    ~BaseIniFile();
    BaseIniFile(const BaseIniFile&) = delete;
    BaseIniFile& operator=(const BaseIniFile&) = delete;

    bool SectionExists(const std::string& section) const;
    // Replace the list with the section's key names, or its key=value lines, in file order.
    void ReadSection(const std::string& section, std::vector<std::string>& keys) const;
    void ReadSectionValues(const std::string& section, std::vector<std::string>& lines) const;

    // The value; the default when the key is absent.
    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& defaultValue) const;
    void WriteString(const std::string& section, const std::string& key, const std::string& value);
    // Decimal (or "0x" hexadecimal) integer; the default when absent or not a 32-bit integer.
    int32_t ReadInteger(const std::string& section, const std::string& key, int32_t defaultValue) const;
    void WriteInteger(const std::string& section, const std::string& key, int32_t value);
    // Written as "1" or "0"; read as an integer, true when not 0; the default when absent or not
    // an integer.
    bool ReadBool(const std::string& section, const std::string& key, bool defaultValue) const;
    void WriteBool(const std::string& section, const std::string& key, bool value);
    // Removes the key; marks the file modified even when the key was absent.
    void DeleteKey(const std::string& section, const std::string& key);

    // The value as an integer; 20 when it is absent, empty or not a number.
    int32_t ReadCount(const std::string& section, const std::string& key) const;
    // Lists kept in one value. 'a;b;' gives a and b; 'a;;b' gives a, an empty entry and b.
    void ReadKeyList(const std::string& section, const std::string& key, const std::string& separator,
                     KeyDataVector& list) const;
    // 'Name(Up);Date(Down);' gives (Name, Up), (Date, Down); reading stops at the first entry that
    // lacks its end, opener or closer; an entry whose closer comes before its opener gets an
    // empty value.
    void ReadKey1ValueList(const std::string& section, const std::string& key, Key1ValueDataVector& list,
                           const std::string& entryEnd, const std::string& opener,
                           const std::string& closer) const;
    // 'Name(1,80);' gives (Name, 1, 80); reading also stops at an entry without value separator.
    void ReadKey2ValueList(const std::string& section, const std::string& key, Key2ValueDataVector& list,
                           const std::string& entryEnd, const std::string& opener,
                           const std::string& valueSeparator, const std::string& closer) const;

    // A new section name: MakeSectionName at the current local date and time.
    std::string MakeSectionName();
    // Year, month, day, hour, minute, second and millisecond of the moment as unpadded decimal
    // numbers run together (5 March 2021 14:07:09.045 gives 202135147945). Such names can repeat,
    // so when the name is already a section of this copy or of the file, or was made before by
    // this object, "_1", "_2", ... is appended until it is new.
    std::string MakeSectionName(const std::tm& local, int milliseconds);

    // How long a write-back waits for the lock (3 seconds unless changed); returns the previous
    // timeout. For tests.
    static std::chrono::milliseconds SetLockTimeout(std::chrono::milliseconds timeout);

    // Writes back now what the destructor would (nothing when nothing was written or deleted, or
    // without a file name) and says whether the file now holds it: false when the file could not
    // be locked, read or replaced (logged as in the destructor). Either way this object has
    // nothing left to write afterwards; its copy in memory stays as it is. Changes whose lock
    // timed out still go with the next write-back of the file.
    bool Flush();
    // Why the last Flush failed (the system's error text where the system gave one); empty after
    // one that succeeded.
    const std::string& FlushError() const { return flushError_; }

private:
    bool WriteBack();

    std::string fileName_;
    MIniStore store_;
    MIniStore written_;  // the keys this object wrote, with their last values
    MIniStore deleted_;  // the keys this object deleted since it last wrote them
    std::vector<std::string> madeSectionNames_;
    bool modified_ = false;
    std::string flushError_;
};
