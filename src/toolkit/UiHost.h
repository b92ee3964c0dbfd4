#pragma once
// Everything that waits for the user goes through the one process-wide UiHost: message boxes,
// modal forms, the standard dialogs, the clipboard, the busy cursor and the alert sound. The
// program runs on QtUiHost; tests install a scripted host that answers from a script.
#include <cstdint>
#include <string>

#include "toolkit/ColorValue.h"
#include "toolkit/FileDialogSpec.h"
#include "toolkit/FontSpec.h"
#include "toolkit/ModalResult.h"

class QWidget;
class QPrinter;
class Form;

enum class BoxIcon { None, Error, Warning, Information, Question };
enum class BoxButtons { Ok, OkCancel, YesNo, YesNoCancel };

class UiHost {
public:
    virtual ~UiHost() = default;

    // Returns mrOk, mrCancel, mrYes or mrNo.
    virtual int MessageBox(QWidget* owner, const std::string& text, const std::string& caption, BoxIcon icon,
                           BoxButtons buttons) = 0;
    // Runs the form's modal loop and returns its modal result.
    virtual int RunModal(Form& form) = 0;

    // File dialogs: true with the chosen path, false on Cancel.
    virtual bool OpenFile(QWidget* owner, const FileDialogSpec& spec, std::string& path) = 0;
    virtual bool SaveFile(QWidget* owner, const FileDialogSpec& spec, std::string& path) = 0;
    // Font and colour dialogs edit the value in place; false on Cancel leaves it as it was.
    virtual bool ChooseFont(QWidget* owner, FontSpec& font) = 0;
    virtual bool ChooseColor(QWidget* owner, ColorValue& color) = 0;
    virtual bool PrintSetup(QWidget* owner, QPrinter* printer) = 0;
    // Text input box: false on Cancel, true with the text (which may be empty) on OK.
    virtual bool InputQuery(QWidget* owner, const std::string& caption, const std::string& prompt,
                            std::string& text) = 0;

    virtual std::string ClipboardText() = 0;
    // Taken by value: a caller that hands over its text (a whole grid's, say) moves it in.
    virtual void SetClipboardText(std::string text) = 0;

    // Busy cursor, nested: EndBusy restores the cursor that BeginBusy found. Use BusyCursor.
    virtual void BeginBusy() = 0;
    virtual void EndBusy() = 0;
    // Handles the pending window messages once.
    virtual void ProcessMessages() = 0;
    // Plays the alert sound of a sound file.
    virtual void AlertSound(const std::string& fileName) = 0;
};

// The installed host; a QtUiHost when none was installed.
UiHost& Ui();
// Installs a host (null: back to the QtUiHost) and returns the one installed before.
UiHost* SetUi(UiHost* host);
