#pragma once
// Writes the settings with which the client talks to given servers; the demo's run script and the
// client's tests share it. In directory, Korvane.ini gets [Config] HostNameList and PortList (the
// servers in order, comma-separated; rewritten every time) and, only where they are missing, the
// demo users' encryption key (for a demo) and a WorkingDir inside the directory; every other key
// is kept. configHome/KelpTools/Korvane.reg, the registry stand-in, names the directory, so a
// client started with XDG_CONFIG_HOME=configHome finds the file there.
#include <cstdint>
#include <string>
#include <vector>

namespace testserver {

struct ServerAddress {
    std::string host;
    std::string port;
};

// "HOST:PORT[,HOST:PORT...]"; false (and nothing parsed) on an entry without host or port.
bool ParseServerAddresses(const std::string& text, std::vector<ServerAddress>& servers);

// The demo users' encryption key.
inline constexpr char kDemoEncryptionKey[] = "0123456789abcdef";

// False with a reason when a file or directory cannot be written.
bool WriteClientSettings(const std::string& directory, const std::string& configHome,
                         const std::vector<ServerAddress>& servers, bool demo, std::string& error);

}  // namespace testserver
