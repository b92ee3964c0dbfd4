#include "core/IniFileLocation.h"

#include <filesystem>
#include <system_error>

#include "core/RegistryReader.h"

namespace {

std::string& ExecutableDirectoryOverride() {
    static std::string directory;
    return directory;
}

bool FileExists(const std::string& path) {
    std::error_code error;
    return !path.empty() && std::filesystem::is_regular_file(path, error);
}

}  // namespace

std::string GetExecutableDirectory() {
    if (!ExecutableDirectoryOverride().empty()) return ExecutableDirectoryOverride();
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return std::string();
    std::string directory = executable.parent_path().string();
    if (directory.empty() || directory.back() != '/') directory += '/';
    return directory;
}

void SetExecutableDirectory(const std::string& directory) {
    ExecutableDirectoryOverride() = directory;
}

bool LocateIniFile(const std::string& applicationName, const std::string& fileName, std::string& path,
                   const std::string& registryValueName) {
    path = GetExecutableDirectory() + fileName;
    if (FileExists(path)) return true;
    RegistryReader registry;
    if (!registry.OpenKey("\\Software\\KelpTools\\" + applicationName)) return false;
    path = registry.ReadString(registryValueName);
    if (!path.empty()) {
        if (path.back() != '/') path += '/';
        path += fileName;
    }
    return FileExists(path);
}
