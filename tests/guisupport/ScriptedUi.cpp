#include "guisupport/ScriptedUi.h"

#include <cxxabi.h>
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTest>
#include <cstdlib>

#include "toolkit/QtText.h"

namespace {

const char* KindName(int kind) {
    static const char* const names[] = {"message box",      "modal form",  "open file dialog",
                                        "save file dialog", "font dialog", "colour dialog",
                                        "input box",        "print set-up"};
    return names[kind];
}

std::string Demangled(const char* name) {
    int status = 0;
    char* plain = abi::__cxa_demangle(name, nullptr, nullptr, &status);
    std::string text = status == 0 && plain ? plain : name;
    std::free(plain);
    return text;
}

}  // namespace

ScriptedUi::ScriptedUi() : previous_(SetUi(this)) {}

ScriptedUi::~ScriptedUi() {
    for (const Step& s : script_)
        ADD_FAILURE() << "unused expectation: " << KindName(int(s.kind)) << " \"" << s.caption << "\" \""
                      << s.text << "\"";
    SetUi(previous_);
}

ScriptedUi& ScriptedUi::Add(Step step) {
    script_.push_back(std::move(step));
    return *this;
}

ScriptedUi& ScriptedUi::ExpectBox(const std::string& caption, const std::string& text, BoxIcon icon,
                                  BoxButtons buttons, int answer) {
    Step s;
    s.kind = Kind::Box;
    s.caption = caption;
    s.text = text;
    s.icon = icon;
    s.buttons = buttons;
    s.answer = answer;
    return Add(std::move(s));
}

ScriptedUi& ScriptedUi::ExpectForm(const char* type, std::function<bool(Form&)> drive) {
    Step s;
    s.kind = Kind::Form;
    s.caption = type;
    s.drive = std::move(drive);
    return Add(std::move(s));
}

ScriptedUi& ScriptedUi::ExpectOpenFile(std::optional<std::string> path) {
    Step s;
    s.kind = Kind::OpenFile;
    s.textAnswer = std::move(path);
    return Add(std::move(s));
}

ScriptedUi& ScriptedUi::ExpectSaveFile(std::optional<std::string> path) {
    Step s;
    s.kind = Kind::SaveFile;
    s.textAnswer = std::move(path);
    return Add(std::move(s));
}

ScriptedUi& ScriptedUi::ExpectFont(std::optional<FontSpec> font) {
    Step s;
    s.kind = Kind::Font;
    s.font = std::move(font);
    return Add(std::move(s));
}

ScriptedUi& ScriptedUi::ExpectColor(std::optional<ColorValue> color) {
    Step s;
    s.kind = Kind::Color;
    s.color = color;
    return Add(std::move(s));
}

ScriptedUi& ScriptedUi::ExpectInput(std::optional<std::string> text) {
    Step s;
    s.kind = Kind::Input;
    s.textAnswer = std::move(text);
    return Add(std::move(s));
}

ScriptedUi& ScriptedUi::ExpectPrintSetup(bool accept) {
    Step s;
    s.kind = Kind::PrintSetup;
    s.answer = accept ? mrOk : mrCancel;
    return Add(std::move(s));
}

ScriptedUi& ScriptedUi::PumpBefore(int milliseconds) {
    if (!script_.empty()) script_.back().pumpMs = milliseconds;
    return *this;
}

ScriptedUi& ScriptedUi::WhileUp(std::function<void()> look) {
    if (!script_.empty()) script_.back().whileUp = std::move(look);
    return *this;
}

std::optional<ScriptedUi::Step> ScriptedUi::Take(Kind kind, const std::string& call) {
    if (script_.empty() || script_.front().kind != kind) {
        ADD_FAILURE() << "unexpected " << KindName(int(kind)) << ": " << call
                      << (script_.empty()
                              ? std::string(" (script is empty)")
                              : std::string(" (expected ") + KindName(int(script_.front().kind)) + ")");
        return std::nullopt;
    }
    Step s = std::move(script_.front());
    script_.pop_front();
    if (s.pumpMs > 0) QTest::qWait(s.pumpMs);
    if (s.whileUp) s.whileUp();
    return s;
}

int ScriptedUi::MessageBox(QWidget*, const std::string& text, const std::string& caption, BoxIcon icon,
                           BoxButtons buttons) {
    auto s = Take(Kind::Box, "caption \"" + caption + "\" text \"" + text + "\"");
    if (!s) return mrCancel;
    EXPECT_EQ(caption, s->caption);
    EXPECT_EQ(text, s->text);
    EXPECT_EQ(int(icon), int(s->icon)) << "icon of box \"" << caption << "\"";
    EXPECT_EQ(int(buttons), int(s->buttons)) << "buttons of box \"" << caption << "\"";
    return s->answer;
}

int ScriptedUi::RunModal(Form& form) {
    std::string title = FromQt(form.windowTitle());
    auto s = Take(Kind::Form, "caption \"" + title + "\" type " + Demangled(typeid(form).name()));
    if (!s) return mrCancel;
    form.ShowModeless();
    if (!s->drive(form)) {
        ADD_FAILURE() << "modal form \"" << title << "\" is not a " << Demangled(s->caption.c_str());
        form.hide();
        return mrCancel;
    }
    if (form.isVisible()) {
        ADD_FAILURE() << "modal form \"" << title << "\" still open after its script";
        form.hide();
        return mrCancel;
    }
    return form.ModalResult();
}

bool ScriptedUi::FileAnswer(Kind kind, const FileDialogSpec& spec, std::string& path) {
    fileDialogs.push_back(spec);
    auto s = Take(kind, "title \"" + spec.title + "\" filter \"" + spec.filter + "\"");
    if (!s || !s->textAnswer) return false;
    EXPECT_TRUE(spec.Matches(*s->textAnswer))
        << "the filter \"" << spec.filter << "\" does not offer " << *s->textAnswer;
    path = *s->textAnswer;
    return true;
}

bool ScriptedUi::OpenFile(QWidget*, const FileDialogSpec& spec, std::string& path) {
    return FileAnswer(Kind::OpenFile, spec, path);
}

bool ScriptedUi::SaveFile(QWidget*, const FileDialogSpec& spec, std::string& path) {
    return FileAnswer(Kind::SaveFile, spec, path);
}

bool ScriptedUi::ChooseFont(QWidget*, FontSpec& font) {
    auto s = Take(Kind::Font, "font \"" + font.name + "\"");
    if (!s || !s->font) return false;
    font = *s->font;
    return true;
}

bool ScriptedUi::ChooseColor(QWidget*, ColorValue& color) {
    auto s = Take(Kind::Color, "colour " + std::to_string(color.Value()));
    if (!s || !s->color) return false;
    color = *s->color;
    return true;
}

bool ScriptedUi::PrintSetup(QWidget*, QPrinter*) {
    auto s = Take(Kind::PrintSetup, "print set-up");
    return s && s->answer == mrOk;
}

bool ScriptedUi::InputQuery(QWidget*, const std::string& caption, const std::string& prompt,
                            std::string& text) {
    prompts.push_back(caption + "|" + prompt);
    auto s = Take(Kind::Input, "caption \"" + caption + "\" text \"" + prompt + "\"");
    if (!s || !s->textAnswer) return false;
    text = *s->textAnswer;
    return true;
}

void ScriptedUi::BeginBusy() {
    ++busyDepth;
    ++busyCalls;
}

void ScriptedUi::EndBusy() {
    EXPECT_GT(busyDepth, 0) << "busy cursor restored more often than set";
    --busyDepth;
}

void ScriptedUi::ProcessMessages() {
    QCoreApplication::processEvents();
}
