#pragma once
// The "Pending Operations" dialog: it waits, with a running bar, until the session has no command
// left without an answer, then reports "Success." or "Failure." and, for an import, appends an
// execution report to the import's log file. When the connection drops while it waits, it fails
// the remaining commands and reports "Connection Failure.". It offers no way to close it before a
// result; closing it empties the session's failure lines. The session keeps pumping inside its
// modal loop: each timer tick reads the session afresh and keeps nothing of it.
#include <string>
#include <vector>

#include "toolkit/Form.h"

class Edit;
class KVNEventManager;
class QLabel;
class QProgressBar;
class QPushButton;
class Timer;

class TWaitProgressForm : public Form {
public:
    TWaitProgressForm(QWidget* owner, KVNEventManager* session);
    ~TWaitProgressForm() override;

    void SetProblems(bool problems) { problems_ = problems; }
    void SetResultLogFileName(const std::string& name) { resultLogFileName_ = name; }
    const std::string& ResultLogFileName() const { return resultLogFileName_; }
    bool IsFinished() const { return finished_; }

    // One tick of the wait.
    void ProcessWaitTimer();
    // Appends the execution report of lines to the result log file; nothing for no lines. False,
    // with an error line, when the file cannot be opened or a write or its close failed.
    bool AppendToResultLog(const std::vector<std::string>& lines);

    QLabel* ItemLabel = nullptr;
    QLabel* LogFileLabel = nullptr;
    QProgressBar* ProgressBar = nullptr;
    Edit* ResultLogFileEdit = nullptr;
    QPushButton* mpOkButton = nullptr;
    Timer* ProcessTimer = nullptr;

private:
    void Finish();
    void SetResult(const char* text, const char* color);

    KVNEventManager* session_;
    std::string resultLogFileName_;
    bool finished_ = false;
    bool problems_ = false;
};
