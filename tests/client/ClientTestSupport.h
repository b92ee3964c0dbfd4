#pragma once
// Client test helpers: an environment in which the client finds only the settings a test gives
// it (an empty executable directory and a registry stand-in of its own), and running the real
// event loop until something holds.
#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <chrono>
#include <filesystem>
#include <functional>
#include <string>

#include "core/IniFileLocation.h"
#include "support/ScopedEnvironment.h"
#include "support/TestTempDir.h"

class ClientEnvironment {
public:
    ClientEnvironment() {
        std::filesystem::create_directories(temp_.File("bin"));
        SetExecutableDirectory(temp_.File("bin") + "/");
        environment_.Set("XDG_CONFIG_HOME", temp_.File("config").c_str());
        // The main window's automation socket, apart from every other test's and run's.
        std::filesystem::create_directories(temp_.File("run"));
        std::filesystem::permissions(temp_.File("run"), std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::replace);
        environment_.Set("XDG_RUNTIME_DIR", temp_.File("run").c_str());
    }
    ~ClientEnvironment() { SetExecutableDirectory(""); }

    // Korvane.ini beside the executable.
    std::string SettingsPath() const { return temp_.File("bin/Korvane.ini"); }
    void WriteSettings(const std::string& text) const { TestTempDir::Write(SettingsPath(), text); }
    std::string ReadSettings() const { return TestTempDir::Read(SettingsPath()); }
    std::string File(const std::string& name) const { return temp_.File(name); }
    std::string ConfigHome() const { return temp_.File("config"); }
    std::string RuntimeDir() const { return temp_.File("run"); }

private:
    TestTempDir temp_;
    ScopedEnvironment environment_;
};

// A file of the client tests' data directory.
inline std::string DataFile(const std::string& name) {
    return std::string(KORVANE_TEST_DATA) + "/" + name;
}

// Runs the event loop (timers included) until done answers true or the wait ended; whether it did.
inline bool RunUntil(const std::function<bool()>& done,
                     std::chrono::milliseconds wait = std::chrono::milliseconds(5000)) {
    const auto end = std::chrono::steady_clock::now() + wait;
    QTimer wake;
    wake.start(5);
    while (!done()) {
        if (std::chrono::steady_clock::now() > end) return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

// Runs the event loop for a while.
inline void RunFor(std::chrono::milliseconds time) {
    RunUntil([] { return false; }, time);
}
