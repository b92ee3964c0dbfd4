#pragma once
// "Communication Status Details": the session's communication log, one list line per entry,
// taken once when the dialog opens. The list reads the texts straight from the log, a line only
// when it is drawn, so opening costs the same on ten lines and on a hundred thousand; it opens
// scrolled to the last line. "C&opy to Clipboard" puts the texts on the clipboard and stays open;
// "Clear and E&xit" empties the log and closes with OK; "&Cancel" keeps it. The log belongs to
// the caller and outlives the dialog.
#include <string>

#include "fields/GUIErrorDetailsVector.h"
#include "toolkit/Form.h"

class QListView;
class CommLogModel;

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
    CommLogModel* lines_;
    QListView* statusList_;
};
