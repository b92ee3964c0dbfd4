#pragma once
// The UiHost of the program: Qt's message box, the form's own modal loop, non-native standard
// dialogs, the application clipboard, the override cursor and the system beep.
#include "toolkit/UiHost.h"

class QtUiHost : public UiHost {
public:
    int MessageBox(QWidget* owner, const std::string& text, const std::string& caption, BoxIcon icon,
                   BoxButtons buttons) override;
    int RunModal(Form& form) override;
    bool OpenFile(QWidget* owner, const FileDialogSpec& spec, std::string& path) override;
    bool SaveFile(QWidget* owner, const FileDialogSpec& spec, std::string& path) override;
    bool ChooseFont(QWidget* owner, FontSpec& font) override;
    bool ChooseColor(QWidget* owner, ColorValue& color) override;
    bool PrintSetup(QWidget* owner, QPrinter* printer) override;
    bool InputQuery(QWidget* owner, const std::string& caption, const std::string& prompt,
                    std::string& text) override;
    std::string ClipboardText() override;
    void SetClipboardText(std::string text) override;
    void BeginBusy() override;
    void EndBusy() override;
    void ProcessMessages() override;
    void AlertSound(const std::string& fileName) override;

private:
    bool FileDialog(QWidget* owner, const FileDialogSpec& spec, bool save, std::string& path);
};
