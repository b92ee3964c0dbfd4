#pragma once
// Helpers of the monitor tests: the process identity that the records carry, a frozen clock in
// UTC, and the messages of the global monitor queue, which each test empties first.
#include <string>
#include <vector>

#include "core/MError.h"
#include "net/MonitorChannel.h"
#include "net/MonitorVector.h"
#include "support/TimeTestSupport.h"

// 2024-01-02 10:15:30.250 UTC: 1,704,190,530 seconds, 36,930 seconds into the day.
inline constexpr int64_t kMonitorTestNow = 1704190530250LL * 1000000;

// The delimiter byte of monitor messages.
inline const std::string D = "\xFE";

class MonitorTestScope {
public:
    MonitorTestScope() : zone_("UTC"), now_(kMonitorTestNow) { GetMonitorVector().Clear(); }
    ~MonitorTestScope() { GetMonitorVector().Clear(); }

    // The queued messages without their 41-byte notice prefix (which each must carry).
    static std::vector<std::string> Queued() {
        std::vector<std::string> messages;
        MonitorVector& vector = GetMonitorVector();
        for (uint32_t i = 0; i < vector.GetCount(); ++i) {
            int length = 0;
            const char* data = vector.GetMessage(&length, i);
            const std::string message(data, static_cast<std::size_t>(length));
            messages.push_back(message.compare(0, 41, "N" + std::string(40, ' ')) == 0
                                   ? message.substr(41)
                                   : "(no prefix)" + message);
        }
        return messages;
    }

private:
    MErrorInit identity_{"KELP", "Korvane", "", "1.0.0.0", "host1"};
    ScopedTimeZone zone_;
    ScopedNow now_;
};

// A text padded with blanks to width.
inline std::string Pad(const std::string& text, std::size_t width) {
    return text + std::string(width - text.size(), ' ');
}
