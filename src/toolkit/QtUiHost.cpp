#include "toolkit/QtUiHost.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

#include "core/MError.h"
#include "toolkit/Form.h"
#include "toolkit/QtPaint.h"
#include "toolkit/QtText.h"
#include "toolkit/Win1252Validator.h"

int QtUiHost::MessageBox(QWidget* owner, const std::string& text, const std::string& caption, BoxIcon icon,
                         BoxButtons buttons) {
    static constexpr QMessageBox::Icon kIcons[] = {QMessageBox::NoIcon, QMessageBox::Critical,
                                                   QMessageBox::Warning, QMessageBox::Information,
                                                   QMessageBox::Question};
    static constexpr QMessageBox::StandardButtons kButtons[] = {
        QMessageBox::Ok, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Yes | QMessageBox::No,
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel};
    QMessageBox box(kIcons[int(icon)], ToQt(caption), ToQt(text), kButtons[int(buttons)], owner);
    box.setTextFormat(Qt::PlainText);
    switch (box.exec()) {
        case QMessageBox::Ok:
            return mrOk;
        case QMessageBox::Yes:
            return mrYes;
        case QMessageBox::No:
            return mrNo;
        default:
            return mrCancel;
    }
}

int QtUiHost::RunModal(Form& form) {
    return form.ExecModal();
}

bool QtUiHost::FileDialog(QWidget* owner, const FileDialogSpec& spec, bool save, std::string& path) {
    QFileDialog dialog(owner, ToQt(spec.title), ToQt(spec.initialDir));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(spec.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (save && !spec.overwritePrompt) dialog.setOption(QFileDialog::DontConfirmOverwrite);
    QStringList filters;
    for (const std::string& f : spec.NameFilters()) filters << ToQt(f);
    if (!filters.isEmpty()) dialog.setNameFilters(filters);
    if (!spec.defaultExt.empty()) dialog.setDefaultSuffix(ToQt(spec.defaultExt));
    if (!spec.fileName.empty()) dialog.selectFile(ToQt(spec.fileName));
    for (;;) {
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
        QString chosen = dialog.selectedFiles().front();
        if (spec.pathMustExist && !QFileInfo(chosen).absoluteDir().exists()) {
            MessageBox(&dialog, FromQt(chosen) + "\nThe path does not exist.", spec.title, BoxIcon::Warning,
                       BoxButtons::Ok);
            continue;
        }
        path = FromQt(chosen);
        return true;
    }
}

bool QtUiHost::OpenFile(QWidget* owner, const FileDialogSpec& spec, std::string& path) {
    return FileDialog(owner, spec, false, path);
}

bool QtUiHost::SaveFile(QWidget* owner, const FileDialogSpec& spec, std::string& path) {
    return FileDialog(owner, spec, true, path);
}

bool QtUiHost::ChooseFont(QWidget* owner, FontSpec& font) {
    bool ok = false;
    QFont chosen =
        QFontDialog::getFont(&ok, ToQFont(font), owner, QString(), QFontDialog::DontUseNativeDialog);
    if (ok) font = FromQFont(chosen, font);
    return ok;
}

bool QtUiHost::ChooseColor(QWidget* owner, ColorValue& color) {
    QColor chosen =
        QColorDialog::getColor(ToQColor(color), owner, QString(), QColorDialog::DontUseNativeDialog);
    if (!chosen.isValid()) return false;
    color = FromQColor(chosen);
    return true;
}

bool QtUiHost::PrintSetup(QWidget* owner, QPrinter* printer) {
    QPrinter fallback;
    QPrintDialog dialog(printer ? printer : &fallback, owner);
    return dialog.exec() == QDialog::Accepted;
}

bool QtUiHost::InputQuery(QWidget* owner, const std::string& caption, const std::string& prompt,
                          std::string& text) {
    // The dialog's own exec result, not its text, tells Cancel from an empty answer.
    QInputDialog dialog(owner);
    dialog.setWindowTitle(ToQt(caption));
    dialog.setLabelText(ToQt(prompt));
    dialog.setTextValue(ToQt(text));
    if (QLineEdit* edit = dialog.findChild<QLineEdit*>()) edit->setValidator(new Win1252Validator(edit));
    if (dialog.exec() != QDialog::Accepted) return false;
    text = FromQt(dialog.textValue());
    return true;
}

std::string QtUiHost::ClipboardText() {
    return FromQt(QGuiApplication::clipboard()->text());
}

void QtUiHost::SetClipboardText(std::string text) {
    // One conversion into a string of the final size; the byte text goes before the clipboard
    // takes the Qt one, so both are held only for the conversion.
    QString converted = ToQt(text);
    std::string().swap(text);
    QGuiApplication::clipboard()->setText(converted);
}

void QtUiHost::BeginBusy() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void QtUiHost::EndBusy() {
    QApplication::restoreOverrideCursor();
}

void QtUiHost::ProcessMessages() {
    QCoreApplication::processEvents();
}

void QtUiHost::AlertSound(const std::string& fileName) {
    MLOG(LOG_INFO, "Alert sound %s", fileName.c_str());
    QApplication::beep();
}
