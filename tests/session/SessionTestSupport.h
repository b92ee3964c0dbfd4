#pragma once
// Session test helpers: windows on the message router that record what they receive, and a
// settings file in a temporary executable directory.
#include <QWidget>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "core/IniFileLocation.h"
#include "toolkit/MessageRouter.h"

struct ReceivedWindowMessage {
    uint32_t window;
    uint32_t message;
    bool operator==(const ReceivedWindowMessage&) const = default;
};

// A titled window on the router; every message it receives goes to the shared log.
class RecordingWindow {
public:
    RecordingWindow(const std::string& title, std::vector<ReceivedWindowMessage>& log) {
        widget_.setWindowTitle(QString::fromStdString(title));
        handle_ = MessageRouter::Register(&widget_, [this, &log](uint32_t message, int32_t, int32_t) {
            log.push_back({handle_, message});
            return 0;
        });
    }
    ~RecordingWindow() { MessageRouter::Unregister(handle_); }
    uint32_t Handle() const { return handle_; }

private:
    QWidget widget_;
    uint32_t handle_ = 0;
};

// A temporary directory taken as the executable's, holding Korvane.ini.
class SettingsDirectory {
public:
    SettingsDirectory() {
        char pattern[] = "/tmp/korvane-session-XXXXXX";
        directory_ = ::mkdtemp(pattern);
        SetExecutableDirectory(directory_ + "/");
    }
    ~SettingsDirectory() {
        SetExecutableDirectory("");
        std::filesystem::remove_all(directory_);
    }
    void Write(const std::string& text) { std::ofstream(directory_ + "/Korvane.ini") << text; }

private:
    std::string directory_;
};
