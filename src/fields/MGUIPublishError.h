#pragma once
// The GUI's receiver of the log call: turns each logged message into a dated, level-tagged line
// "YYYY/MM/DD HH:MM:SS.mmm - [LEVEL]text" and keeps the lines until the GUI takes them. The GUI
// event manager owns one for its whole life and installs it with RegisterErrorPublisher; once
// destroyed it is no longer the receiver. Any thread may publish; the thread that created it (the
// GUI thread) takes the lines. A message published on another thread is dated when it is taken,
// since the clock is read on the GUI thread only.
#include <mutex>
#include <thread>
#include <vector>

#include "core/MError.h"
#include "fields/GUIErrorDetailsVector.h"

class MGUIPublishError : public MPublishErrorBase {
public:
    MGUIPublishError() = default;
    MGUIPublishError(const MGUIPublishError&) = delete;
    MGUIPublishError& operator=(const MGUIPublishError&) = delete;

    // Appends one entry stamped with the current date-time as the clock has it (no fresh reading,
    // so all messages of one processing step carry the same instant). The level names are
    // CRITICAL (2), ERROR (3), WARNING (4) and INFO (6), empty for any other level.
    void Publish(int level, const char* text) override;
    // Appends the entries kept so far to errors, in order, and forgets them.
    void TakeErrors(GUIErrorDetailsVector& errors);

private:
    std::mutex mutex_;
    const std::thread::id owner_ = std::this_thread::get_id();
    GUIErrorDetailsVector errors_;
    // Positions in errors_ of the entries from other threads, still without their date.
    std::vector<std::size_t> undated_;
};
