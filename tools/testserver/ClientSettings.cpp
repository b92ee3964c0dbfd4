#include "testserver/ClientSettings.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "core/BaseIniFile.h"

namespace testserver {

bool ParseServerAddresses(const std::string& text, std::vector<ServerAddress>& servers) {
    std::vector<ServerAddress> parsed;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = std::min(text.find(',', start), text.size());
        const std::string entry = text.substr(start, end - start);
        const std::size_t colon = entry.rfind(':');
        if (colon == std::string::npos || colon == 0 || colon + 1 == entry.size()) return false;
        const std::string port = entry.substr(colon + 1);
        if (port.find_first_not_of("0123456789") != std::string::npos) return false;
        parsed.push_back({entry.substr(0, colon), port});
        if (end == text.size()) break;
        start = end + 1;
    }
    servers = std::move(parsed);
    return true;
}

bool WriteClientSettings(const std::string& directory, const std::string& configHome,
                         const std::vector<ServerAddress>& servers, bool demo, std::string& error) {
    namespace fs = std::filesystem;
    std::error_code code;
    const fs::path root = fs::absolute(directory, code);
    const fs::path working = root / "work";
    const fs::path registry = fs::absolute(configHome, code) / "KelpTools";
    fs::create_directories(working, code);
    if (!code) fs::create_directories(registry, code);
    if (code) {
        error = code.message();
        return false;
    }
    std::string hosts, ports;
    for (const ServerAddress& server : servers) {
        hosts += (hosts.empty() ? "" : ",") + server.host;
        ports += (ports.empty() ? "" : ",") + server.port;
    }
    const std::string settingsPath = (root / "Korvane.ini").string();
    {
        BaseIniFile settings(settingsPath);
        settings.WriteString("Config", "HostNameList", hosts);
        settings.WriteString("Config", "PortList", ports);
        if (demo && settings.ReadString("Config", "EncryptionKey", "").empty())
            settings.WriteString("Config", "EncryptionKey", kDemoEncryptionKey);
        if (settings.ReadString("Config", "WorkingDir", "").empty())
            settings.WriteString("Config", "WorkingDir", working.string() + "/");
    }
    const std::string registryPath = (registry / "Korvane.reg").string();
    {
        BaseIniFile stand(registryPath);
        stand.WriteString("Software\\KelpTools\\Korvane", "IniFile", root.string());
    }
    {
        const BaseIniFile check(settingsPath);
        if (check.ReadString("Config", "PortList", "") != ports) {
            error = "cannot write " + settingsPath;
            return false;
        }
    }
    const BaseIniFile check(registryPath);
    if (check.ReadString("Software\\KelpTools\\Korvane", "IniFile", "") != root.string()) {
        error = "cannot write " + registryPath;
        return false;
    }
    return true;
}

}  // namespace testserver
