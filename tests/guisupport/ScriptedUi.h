#pragma once
// A UiHost that plays an ordered script, for tests without anyone at the screen. Each call that
// would wait for the user takes the next expectation: a box is checked (caption, text, icon,
// buttons) and answered; a modal form of the expected type is shown (its show hook runs), driven
// by the callback, and must be closed when the callback returns; boxes raised while a form is
// driven take the following expectations. A call that the script does not expect fails the test,
// naming its caption and text, and is answered Cancel; expectations still unused when the
// ScriptedUi is destroyed fail the test. Installs itself for its lifetime.
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "toolkit/Form.h"
#include "toolkit/UiHost.h"

class ScriptedUi : public UiHost {
public:
    ScriptedUi();
    ~ScriptedUi() override;
    ScriptedUi(const ScriptedUi&) = delete;
    ScriptedUi& operator=(const ScriptedUi&) = delete;

    ScriptedUi& ExpectBox(const std::string& caption, const std::string& text, BoxIcon icon,
                          BoxButtons buttons, int answer);
    template <class F>
    ScriptedUi& ExpectModal(std::function<void(F&)> drive) {
        return ExpectForm(typeid(F).name(), [drive](Form& form) {
            F* typed = dynamic_cast<F*>(&form);
            if (typed && drive) drive(*typed);
            return typed != nullptr;
        });
    }
    // nullopt answers Cancel.
    ScriptedUi& ExpectOpenFile(std::optional<std::string> path);
    ScriptedUi& ExpectSaveFile(std::optional<std::string> path);
    ScriptedUi& ExpectFont(std::optional<FontSpec> font);
    ScriptedUi& ExpectColor(std::optional<ColorValue> color);
    ScriptedUi& ExpectInput(std::optional<std::string> text);
    ScriptedUi& ExpectPrintSetup(bool accept);
    // Runs the event loop for this long before the last expectation is answered.
    ScriptedUi& PumpBefore(int milliseconds);
    // Runs look when the last expectation is met, before it is answered: a box is still up then
    // (to see what the user could see meanwhile, such as a file the box names). A form's own
    // drive callback sees it shown.
    ScriptedUi& WhileUp(std::function<void()> look);

    size_t Pending() const { return script_.size(); }

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
    std::string ClipboardText() override { return clipboard; }
    void SetClipboardText(std::string text) override { clipboard = std::move(text); }
    void BeginBusy() override;
    void EndBusy() override;
    void ProcessMessages() override;
    void AlertSound(const std::string& fileName) override { alerts.push_back(fileName); }

    // What the program asked for, to check in tests.
    std::vector<FileDialogSpec> fileDialogs;
    std::vector<std::string> prompts;  // input boxes: "caption|prompt"
    std::vector<std::string> alerts;
    std::string clipboard;
    int busyDepth = 0;
    int busyCalls = 0;

private:
    enum class Kind { Box, Form, OpenFile, SaveFile, Font, Color, Input, PrintSetup };
    struct Step {
        Kind kind = Kind::Box;
        std::string caption, text;
        BoxIcon icon = BoxIcon::None;
        BoxButtons buttons = BoxButtons::Ok;
        int answer = mrCancel;
        std::function<bool(Form&)> drive;
        std::optional<std::string> textAnswer;
        std::optional<FontSpec> font;
        std::optional<ColorValue> color;
        int pumpMs = 0;
        std::function<void()> whileUp;
    };
    ScriptedUi& ExpectForm(const char* type, std::function<bool(Form&)> drive);
    ScriptedUi& Add(Step step);
    // The next step when it is of that kind (pumped as asked); null after reporting the failure.
    std::optional<Step> Take(Kind kind, const std::string& call);
    bool FileAnswer(Kind kind, const FileDialogSpec& spec, std::string& path);

    std::deque<Step> script_;
    UiHost* previous_;
};
