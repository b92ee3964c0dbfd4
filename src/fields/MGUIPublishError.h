#pragma once
// The GUI's receiver of the log call: turns each logged message into a dated, level-tagged line
// "YYYY/MM/DD HH:MM:SS.mmm - [LEVEL]text" and keeps the lines until the GUI takes them. The GUI
// event manager owns one for its whole life and installs it with RegisterErrorPublisher; once
// destroyed it is no longer the receiver. GUI thread only.
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
    GUIErrorDetailsVector errors_;
};
