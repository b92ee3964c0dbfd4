#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <type_traits>

#include "brae/Brae_PU_PositionDelimiter.h"
#include "client/TEncryptionKeyForm.h"
#include "client/TMainForm.h"
#include "core/BaseIniFile.h"
#include "fields/WindowTools.h"
#include "grid/TAboutBox.h"
#include "grid/TBaseGridForm.h"
#include "grid/TBoldDateInputForm.h"
#include "grid/TCommStatusForm.h"
#include "grid/TGenericBOForm.h"
#include "grid/TLoginForm.h"
#include "store/AccountImport.h"
#include "store/PositionImport.h"
#include "toolkit/Action.h"
#include "toolkit/FindDialog.h"
#include "toolkit/MdiForm.h"
#include "toolkit/UiHost.h"

// ---- Actions of the main window.

namespace {

// "yyyymmdd" of a date.
std::string DateText(const FormDateTime& date) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d%02d%02d", int(date.year), int(date.month), int(date.day));
    return text;
}

// The shown windows of an MDI area that are not minimized.
QList<QMdiSubWindow*> NormalChildren(const QMdiArea& area) {
    QList<QMdiSubWindow*> children;
    for (QMdiSubWindow* child : area.subWindowList())
        if (child->isVisible() && !child->isMinimized()) children.push_back(child);
    return children;
}

// The field names of an import record, one a line.
template <class T>
std::string FieldNames() {
    std::string names;
    for (int i = 0; i < std::remove_cvref_t<decltype(kFieldList<T>)>::kCount; ++i) {
        if (i) names += '\n';
        names += kFieldList<T>.GetName(i);
    }
    return names;
}

}  // namespace

void TMainForm::ListDataWindows() {
    for (QAction* item : windowItems_) delete item;
    windowItems_.clear();
    const QList<QMdiSubWindow*> children = mdiArea_->subWindowList();
    if (children.isEmpty()) return;
    windowItems_.push_back(WindowMenu->addSeparator());
    for (int i = 0; i < children.size(); ++i) {
        QMdiSubWindow* child = children[i];
        QAction* item = WindowMenu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(child->windowTitle()));
        item->setCheckable(true);
        item->setChecked(child == mdiArea_->currentSubWindow());
        const QPointer<QMdiSubWindow> target(child);
        connect(item, &QAction::triggered, this, [this, target] {
            if (target) mdiArea_->setActiveSubWindow(target);
        });
        windowItems_.push_back(item);
    }
}

TBaseGridForm* TMainForm::ActiveDataWindow() const {
    QMdiSubWindow* child = mdiArea_->currentSubWindow();
    if (!child) child = mdiArea_->activeSubWindow();
    return child ? dynamic_cast<TBaseGridForm*>(child->widget()) : nullptr;
}

bool TMainForm::IsShiftZero(const QKeyEvent& event) {
    const Qt::KeyboardModifiers others = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    if (!(event.modifiers() & Qt::ShiftModifier) || (event.modifiers() & others)) return false;
    // The digit itself, or what the usual layouts put on the zero key with Shift (')' and '='),
    // or the zero key's own scan code where the platform gives one.
    switch (event.key()) {
        case Qt::Key_0:
        case Qt::Key_ParenRight:
        case Qt::Key_Equal:
            return true;
        default:
            return event.nativeScanCode() == 19;  // the zero key's X keycode
    }
}

void TMainForm::LoginActionExecute() {
    session_.ProcessTimer = &processTimer_;
    const QPointer<TMainForm> self(this);
    if (encryptionKey_.empty()) {
        Ui().MessageBox(this,
                        "Contact QZK to get your\xA0"
                        "encryption key.",
                        "Missing Encryption Key", BoxIcon::Error, BoxButtons::Ok);
        if (!self || closing_) return;
        StoreEncryptionKey();
        if (!self || closing_) return;
    }
    if (encryptionKey_.empty()) return;
    std::string password;
    std::string userName;
    bool ok = false;
    {
        TLoginForm form(this, 8, password, userName);
        ok = form.ShowModal() == mrOk;
    }
    if (ok && self && !closing_) session_.Login(userName, password);
}

void TMainForm::LogoutActionExecute() {
    // A named workspace whose changes were settled closes with its windows; otherwise (Cancel, or
    // no workspace file) the data windows are closed here and the workspace keeps its name.
    const QPointer<TMainForm> self(this);
    const bool settled = workspace_->ConfirmSaveChanges();
    if (!self || closing_) return;
    session_.Logout();
    if (!self || closing_) return;
    if (settled && !workspace_->IsUnnamed())
        workspace_->CloseWorkspace();
    else
        CloseDataWindows();
    if (!self || closing_) return;
    session_.Loading = false;
    reloadWorkspace_ = true;
    UpdateCaption();
}

void TMainForm::CloseDataWindows() {
    const QPointer<TMainForm> self(this);
    for (const QPointer<QMdiSubWindow> child : mdiArea_->subWindowList()) {
        if (!self) return;
        if (!child) continue;
        auto* form = dynamic_cast<MdiForm*>(child->widget());
        if (auto* grid = dynamic_cast<TBaseGridForm*>(form)) {
            // An open find dialog would refuse the close query for as long as it is up.
            for (FindDialog* dialog : {grid->GetFindDialog(), grid->GetColumnFindDialog()})
                if (dialog && dialog->isVisible()) dialog->CloseDialog();
        }
        if (!child) continue;
        const bool closed = child->close();
        if (!child) continue;
        // A window that still refuses runs its close handling all the same before it goes.
        if (!closed && form && form->onClose) form->onClose();
        delete child.data();
    }
}

void TMainForm::ResetPasswordActionExecute() {
    session_.ChangePassword();
}

bool TMainForm::StoreEncryptionKey() {
    std::string key;
    {
        TEncryptionKeyForm form(this, encryptionKey_);
        if (form.ShowModal() != mrOk) return false;
        key = form.GetKey();
    }
    SetEncryptionKey(key);
    // Stored now, not at the program's end, so that a crash or a kill cannot lose it.
    if (settingsFile_) {
        settingsFile_->WriteString("Config", "EncryptionKey", key);
        settingsFile_->Flush();
    }
    return true;
}

void TMainForm::LogClientActivityActionExecute() {
    LogClientActivityAction->SetChecked(!LogClientActivityAction->Checked());
    if (!LogClientActivityAction->Checked()) return;
    const std::string directory =
        settingsFile_ ? settingsFile_->ReadString("Config", "LoggingDir", "") : std::string();
    std::error_code error;
    if (!directory.empty() && std::filesystem::is_directory(directory, error)) return;
    Ui().MessageBox(this,
                    " is unable to find logging directory '" + directory +
                        "'\n\nPlease specify its valid path in application's inifile.",
                    "Logging Directory Missing", BoxIcon::Error, BoxButtons::Ok);
    LogClientActivityAction->SetChecked(false);
}

void TMainForm::NoPositionsActionExecute() {
    if (!session_.CheckReportableDates()) return;
    const std::vector<MDateYYYYMMDD>& dates = session_.ReportableDates;
    TBoldDateInputForm form(this, "End of positions", "No position to report");
    const auto date = [](const MDateYYYYMMDD& d) {
        return FormDateTime::Date(d.GetYear(), d.GetMonth(), d.GetDay());
    };
    const std::chrono::year_month_day_last monthEnd(
        std::chrono::year(dates.back().GetYear()),
        std::chrono::month_day_last(std::chrono::month(unsigned(dates.back().GetMonth()))));
    form.SetDateRange(date(dates.front()), FormDateTime::Date(dates.back().GetYear(), dates.back().GetMonth(),
                                                              int32_t(unsigned(monthEnd.day()))));
    for (const MDateYYYYMMDD& d : dates) form.AddBoldDate(date(d));
    const QPointer<TMainForm> self(this);
    if (form.ShowModal() != mrOk || !self || closing_) return;
    Brae_PU_PositionDelimiter delimiter;
    delimiter.SetDelimiterType(EnumBraeDelimiterType::EndOfPositionDeclaration);
    const std::string day = DateText(form.GetDate());
    delimiter.ReportDate.SetText(day.c_str(), int(day.size()));
    session_.SendCommand(delimiter, {EnumActionType::Update, EnumBusinessItemType::Position,
                                     delimiter.DelimiterType.ToString(), false});
}

void TMainForm::CommStatusActionExecute() {
    TCommStatusForm form(this, session_.GetErrorDetails());
    form.ShowModal();
}

void TMainForm::ShowPositionImportFormat() {
    TGenericBOForm form(this, false, FieldNames<PositionImport>());
    form.setWindowTitle(QStringLiteral("Position Import File Fields"));
    form.ShowModal();
}

void TMainForm::ShowAccountImportFormat() {
    TGenericBOForm form(this, false, FieldNames<AccountImport>());
    form.setWindowTitle(QStringLiteral("Account Import File Fields"));
    form.ShowModal();
}

void TMainForm::HelpAboutActionExecute() {
    TAboutBox box(this);
    if (settingsFile_) box.SetClientLine(*settingsFile_, "Config", 0);
    box.ShowModal();
}

void TMainForm::DSTSupportActionExecute() {
    std::string report;
    DSTSupportReport(report);
    Ui().MessageBox(this, report, baseTitle_, BoxIcon::None, BoxButtons::Ok);
}

void TMainForm::ExitActionExecute() {
    close();
}

void TMainForm::TileHorizontally() {
    // One window above the other, each across the whole area.
    const QList<QMdiSubWindow*> shown = NormalChildren(*mdiArea_);
    if (shown.isEmpty()) return;
    const QRect area = mdiArea_->viewport()->rect();
    const int height = area.height() / int(shown.size());
    for (int i = 0; i < shown.size(); ++i) {
        shown[i]->showNormal();
        shown[i]->setGeometry(0, i * height, area.width(), height);
    }
}

void TMainForm::TileVertically() {
    // Side by side, each as high as the area.
    const QList<QMdiSubWindow*> shown = NormalChildren(*mdiArea_);
    if (shown.isEmpty()) return;
    const QRect area = mdiArea_->viewport()->rect();
    const int width = area.width() / int(shown.size());
    for (int i = 0; i < shown.size(); ++i) {
        shown[i]->showNormal();
        shown[i]->setGeometry(i * width, 0, width, area.height());
    }
}

void TMainForm::MinimizeAll() {
    for (QMdiSubWindow* child : mdiArea_->subWindowList()) child->showMinimized();
    ArrangeAll();
}

void TMainForm::ArrangeAll() {
    // The minimized windows in a row along the bottom of the area, from the left.
    const QRect area = mdiArea_->viewport()->rect();
    int x = 0;
    int y = area.bottom() + 1;
    for (QMdiSubWindow* child : mdiArea_->subWindowList()) {
        if (!child->isMinimized()) continue;
        const QSize size = child->size();
        if (x > 0 && x + size.width() > area.width()) {
            x = 0;
            y -= size.height();
        }
        child->move(x, y - size.height());
        x += size.width();
    }
}
