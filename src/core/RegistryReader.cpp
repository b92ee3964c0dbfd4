#include "core/RegistryReader.h"

#include <cstdlib>

std::string RegistryReader::GetRegistryFileName() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    std::string directory;
    if (config && *config) {
        directory = config;
    } else {
        const char* home = std::getenv("HOME");
        if (!home || !*home) return std::string();
        directory = std::string(home) + "/.config";
    }
    return directory + "/KelpTools/Korvane.reg";
}

bool RegistryReader::OpenKey(const std::string& key) {
    open_ = false;
    key_ = !key.empty() && key.front() == '\\' ? key.substr(1) : key;
    const std::string fileName = GetRegistryFileName();
    std::string error;
    if (fileName.empty() || !store_.LoadFromFile(fileName, error)) return false;
    open_ = store_.SectionExists(key_);
    return open_;
}

std::string RegistryReader::ReadString(const std::string& name) const {
    const std::string* value = open_ ? store_.Find(key_, name) : nullptr;
    return value ? *value : std::string();
}
