#include "client/TKVNGrid.h"

#include <QMenu>
#include <ctime>
#include <filesystem>

#include "client/TWaitProgressForm.h"
#include "core/BaseIniFile.h"
#include "core/IniFileLocation.h"
#include "core/MError.h"
#include "grid/BusinessObjectGrid.h"
#include "grid/TitleManager.h"
#include "session/KVNEventManager.h"
#include "store/CommandCSVData.h"
#include "store/InterfaceView.h"
#include "toolkit/Action.h"
#include "toolkit/UiHost.h"

namespace {

std::string LocalTimeText(const char* format) {
    const std::time_t now = std::time(nullptr);
    std::tm parts{};
    localtime_r(&now, &parts);
    char text[32] = {};
    std::strftime(text, sizeof text, format, &parts);
    return text;
}

}  // namespace

TKVNGrid::TKVNGrid(QMdiArea* owner, ChildType kind, const BaseGridConfig& config, TitleManager* titles,
                   KVNEventManager* session, InterfaceView* view)
    : TBaseGridForm(owner, nullptr, config, titles, view), kind_(kind), session_(session) {
    CreateRecordActions();
    RegisterGridClient();
    HideUntitledColumns();
}

TKVNGrid::~TKVNGrid() {
    // A window freed without the close (the main window going) must not stay a grid client.
    if (registered_ && session_) session_->RemoveGridWindow(Handle());
}

void TKVNGrid::CreateRecordActions() {
    const ActionEntry entries[] = {
        {&NewRowAction, "NewRowAction", "&New...", "Ins", "Open the form to provide data for a new record"},
        {&CopyAction, "CopyAction", "&Copy...", "Ctrl+C",
         "Create new business item as a copy of currently selected"},
        {&DeleteAction, "DeleteAction", "&Delete...", "Ctrl+Del", "Delete currently selected row"},
        {&DeleteAllDisplayedAction, "DeleteAllDisplayedAction", "Delete All Displa&yed...", "",
         "Delete All|Delete all displayed records in currently open data window"},
    };
    MakeActions(entries);
    NewRowAction->onExecute = [this](Action&) { NewRecord(-1); };
    NewRowAction->onUpdate = [this](Action& a) {
        a.SetEnabled(View() && IsRecordEditable() && CanCreateRecord(CurrentRow()));
    };
    CopyAction->onExecute = [this](Action&) { NewRecord(CurrentRow()); };
    CopyAction->onUpdate = [this](Action& a) {
        a.SetEnabled(HasData() && CanCopyRecord(CurrentRow()) && IsRecordEditable());
    };
    DeleteAction->onExecute = [this](Action&) { DeleteRecord(CurrentRow()); };
    DeleteAction->onUpdate = [this](Action& a) {
        a.SetEnabled(HasData() && CanDeleteRecord(CurrentRow()) && IsRecordDeletable());
    };
    DeleteAllDisplayedAction->onExecute = [this](Action&) { DeleteAllDisplayed(); };
    DeleteAllDisplayedAction->onUpdate = [this](Action& a) {
        a.SetEnabled(HasData() && session_->IsReady() && CanDeleteAllDisplayed() && IsRecordDeletable());
    };
    // The inherited Edit Row follows the record rule of the kind.
    EditRowAction->onUpdate = [this](Action& a) {
        a.SetEnabled(View() && IsRecordEditable() && CanEditRecord(CurrentRow()));
    };

    QMenu* menu = PopupMenu();
    menu->addSeparator();
    menu->addAction(NewRowAction);
    menu->addAction(CopyAction);
    menu->addAction(DeleteAction);
    menu->addSeparator();
    menu->addAction(DeleteAllDisplayedAction);
    menu->addSeparator();
    menu->addAction(ImportAction);
}

void TKVNGrid::RegisterGridClient() {
    RefreshGrid();
    session_->AddGridWindow(Handle());
    // Flagged new: the next refresh gives the window every record of its kind.
    session_->SetGridClient(Handle(), View(), kind_);
    registered_ = true;
}

void TKVNGrid::HideUntitledColumns() {
    InterfaceView* view = View();
    if (!view || !Titles()) return;
    TitleVisibilityMap& visibility = view->GetTitleVisibility();
    const TitleMap& titles = Titles()->GetTitleMap();
    for (auto& [name, visible] : visibility)
        if (titles.find(name) == titles.end()) visible = false;
    ApplyColumnVisibility(visibility);
}

int TKVNGrid::CurrentRow() {
    return Grid()->Row() - 1;
}

bool TKVNGrid::CanEditRecord(int) {
    return session_->IsReady();
}
bool TKVNGrid::CanDeleteRecord(int) {
    return session_->IsReady();
}
bool TKVNGrid::CanCopyRecord(int) {
    return session_->IsReady();
}
bool TKVNGrid::CanDeleteAllDisplayed() {
    return session_->IsReady();
}
bool TKVNGrid::CanCreateRecord(int) {
    return session_->IsReady();
}
void TKVNGrid::NewRecord(int) {}
void TKVNGrid::DeleteRecord(int) {}
void TKVNGrid::DeleteAllDisplayed() {}

void TKVNGrid::ShowPendingOperations(bool problems) {
    session_->CommandFailed = false;
    TWaitProgressForm form(nullptr, session_);
    form.SetProblems(problems);
    form.SetResultLogFileName(importLogFileName_);
    waitForm_ = &form;
    form.ShowModal();
    waitForm_ = nullptr;
}

bool TKVNGrid::ValidateImportRecord(CommandCSVData&, std::FILE*, const std::string&) {
    return true;
}

bool TKVNGrid::CanCloseWindow() {
    session_->RemoveGridWindow(Handle());
    registered_ = false;
    return true;
}

void TKVNGrid::WriteWindowEntry(BaseIniFile& file) {
    file.WriteString("DataWindow", GetChildSection(), std::to_string(static_cast<int32_t>(kind_)));
}

void TKVNGrid::WriteApplicationName(BaseIniFile& file) {
    // A fixed name, whatever the executable is called, so that workspace files stay interchangeable.
    file.WriteString("Application", "Name", "Korvane.exe");
}

void TKVNGrid::ShowImportSucceeded() {
    ShowPendingOperations(false);
}

void TKVNGrid::ShowImportFailed() {
    ShowPendingOperations(true);
}

bool TKVNGrid::IsRecordEditable() const {
    switch (kind_) {
        case ChildType::Positions:
            return !session_->IsSupervisor();
        case ChildType::Accounts:
        case ChildType::MasterAccounts:
            return true;
        default:
            return false;
    }
}

std::string TKVNGrid::GetWorkingDir() {
    LocateIniFile("Korvane", "Korvane.ini", settingsFilePath_, "IniFile");
    std::string directory;
    {
        BaseIniFile file(settingsFilePath_);
        directory = file.ReadString("Config", "WorkingDir", "");
    }
    std::error_code error;
    if (!directory.empty() && std::filesystem::is_directory(directory, error)) return directory;
    const std::string message = "The working directory: '" + directory + "' doesn't exists!";
    Ui().MessageBox(this, message, "Setup Error", BoxIcon::Error, BoxButtons::Ok);
    MLOG(LOG_ERROR, "%s", message.c_str());
    return {};
}

bool TKVNGrid::MakeImportLogFileName(const std::string& fileName) {
    // A new import: failure lines of earlier commands (left unanswered at a logout or a reset)
    // are not this import's and stay out of its log.
    session_->ErrorLines.clear();
    session_->CommandFailed = false;
    std::string directory = GetWorkingDir();
    if (directory.empty()) return false;
    LocateIniFile("Korvane", "Korvane.ini", settingsFilePath_, "IniFile");
    if (directory.back() != '\\' && directory.back() != '/') directory += '/';
    std::string name = fileName;
    const std::size_t slash = name.find_last_of("/\\");
    if (slash != std::string::npos) name.erase(0, slash + 1);
    // The base name ends just before the first occurrence of the extension text.
    std::string base;
    const std::size_t dot = name.rfind('.');
    if (dot != std::string::npos) base = name.substr(0, name.find(name.substr(dot)));
    const std::string time = LocalTimeText("%H%M%S");
    const std::string date = LocalTimeText("%Y%m%d");
    importLogFileName_ = directory + base + "_" + date + "_" + time + ".log";
    return true;
}

void TKVNGrid::WriteImportLogLine(std::FILE* log, const std::string& kind, int32_t line,
                                  const std::string& message) {
    CommandCSVData::WriteImportLogLine(log, kind, line, message);
}

bool TKVNGrid::CloseImportLog(std::FILE* log, const std::string& fileName) {
    return CommandCSVData::CloseImportLog(log, fileName);
}

int TKVNGrid::WriteGeneralErrorLine(std::FILE* log, const std::string& message, int32_t line) {
    WriteImportLogLine(log, "GeneralError", line, message);
    return 0;
}
