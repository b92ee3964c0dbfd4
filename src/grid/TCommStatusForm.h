#pragma once
// "Communication Status Details": the session's communication log, one memo line per entry,
// filled once when the dialog opens. "C&opy to Clipboard" puts the texts on the clipboard and
// stays open; "Clear and E&xit" empties the log and closes with OK; "&Cancel" keeps it. The log
// belongs to the caller and outlives the dialog.
#include <string>

#include "fields/GUIErrorDetailsVector.h"
#include "toolkit/Form.h"

class Memo;

class TCommStatusForm : public Form {
public:
    TCommStatusForm(QWidget* owner, GUIErrorDetailsVector& log);

    // The entries' texts joined by line feeds (none after the last), built in one buffer.
    static std::string JoinTexts(const GUIErrorDetailsVector& log);
    void CopyToClipboardButtonClick();
    void ClearExitButtonClick();

private:
    void FormShow();

    GUIErrorDetailsVector& log_;
    Memo* statusMemo_;
};
