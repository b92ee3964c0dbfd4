#pragma once
// Read-only access to the current user's registry, kept in the per-user file
// $XDG_CONFIG_HOME/KelpTools/Korvane.reg (~/.config/... when XDG_CONFIG_HOME is unset or empty):
// a key is a section of that file, named by its path ("Software\KelpTools\Korvane"), and its
// values are the section's entries. A missing file or section is a missing key; nothing is ever
// created or written. Lives on its user's stack; reads the file once, when a key is opened.
#include <string>

#include "core/MIniStore.h"

class RegistryReader {
public:
    // The path of the registry file; empty when neither XDG_CONFIG_HOME nor HOME is set.
    static std::string GetRegistryFileName();

    // Opens an existing key of the current user, never creating it; a leading '\' is ignored.
    // False when the key does not exist.
    bool OpenKey(const std::string& key);
    // The named string value of the open key; empty when it is absent or no key is open.
    std::string ReadString(const std::string& name) const;

private:
    MIniStore store_;
    std::string key_;
    bool open_ = false;
};
