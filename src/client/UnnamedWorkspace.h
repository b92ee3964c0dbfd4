#pragma once
// The main window's workspace for as long as workspaces cannot be opened yet: one that is never
// named and never modified. It answers the main window's six calls the way a workspace manager
// with no file open does, and keeps count of what it was asked, so that the window's use of it
// can be seen.
#include <string>

class UnnamedWorkspace {
public:
    std::string GetCaptionSuffix() const { return " - Workspace: Not defined"; }
    // Nothing to mark: no workspace file is open.
    void SetModified() { ++modifiedCalls_; }
    // An unmodified workspace closes without asking.
    bool ConfirmSaveChanges() const { return true; }
    // The user's rights for the session that became ready.
    void StartSession(bool participant, bool supervisor) {
        ++startedSessions_;
        participant_ = participant;
        supervisor_ = supervisor;
    }
    bool IsUnnamed() const { return true; }
    void Reload() {}

    int ModifiedCalls() const { return modifiedCalls_; }
    int StartedSessions() const { return startedSessions_; }
    bool Participant() const { return participant_; }
    bool Supervisor() const { return supervisor_; }

private:
    int modifiedCalls_ = 0;
    int startedSessions_ = 0;
    bool participant_ = false;
    bool supervisor_ = false;
};
