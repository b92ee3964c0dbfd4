#include "client/KVNWorkspaceManager.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <algorithm>
#include <charconv>
#include <filesystem>

#include "client/DataWindowKind.h"
#include "client/TKVNGrid.h"
#include "core/BaseIniFile.h"
#include "core/IniFileLocation.h"
#include "core/MError.h"
#include "core/MIniStore.h"
#include "grid/TBaseGridForm.h"
#include "grid/TemplateManager.h"
#include "grid/TitleManager.h"
#include "store/InterfaceView.h"
#include "toolkit/UiHost.h"

namespace {

// A window's kind as the DataWindow section holds it: an optional '+', then decimal digits only,
// within the range of int.
bool WholeNumber(const std::string& text, int& value) {
    const char* begin = text.data();
    const char* end = begin + text.size();
    if (begin != end && *begin == '+') ++begin;
    if (begin == end || !std::all_of(begin, end, [](char c) { return c >= '0' && c <= '9'; })) return false;
    const auto [last, error] = std::from_chars(begin, end, value);
    return error == std::errc() && last == end;
}

}  // namespace

KVNWorkspaceManager::KVNWorkspaceManager(QMdiArea* area, WindowOpener openWindow)
    : WorkspaceManager(area), openWindow_(std::move(openWindow)) {
    LocateIniFile("Korvane", "Korvane.ini", settingsFilePath_, "IniFile");
}

KVNWorkspaceManager::~KVNWorkspaceManager() {
    DeleteTitleManagers();
    DeleteTemplateManagers();
}

// ---- Rights.

std::vector<std::string> KVNWorkspaceManager::ColumnsLeftOut(ChildType kind, bool participant,
                                                             bool supervisor) {
    std::vector<std::string> accounts,
        positions{"MsgType", "UserTime", "TraderID", "UserSequenceID", "Filler1"}, historicalCommands;
    if (!supervisor) {
        accounts = {"AccountId", "MasterAccountId", "ApprovedParticipantId", "InternalAccountType", "Flags"};
        positions.insert(positions.end(), {"AccountId", "MasterAccountId", "ApprovedParticipantId"});
        if (participant) {
            for (std::vector<std::string>* list : {&accounts, &positions, &historicalCommands})
                list->push_back("FirmUnitMember");
        }
    }
    switch (kind) {
        case ChildType::Accounts:
        case ChildType::HistoricalAccounts:
            return accounts;
        case ChildType::Positions:
        case ChildType::HistoricalPositions:
            return positions;
        case ChildType::HistoricalCommands:
            return historicalCommands;
        default:
            return {};
    }
}

std::vector<std::string> KVNWorkspaceManager::Columns(ChildType kind, bool participant, bool supervisor) {
    const DataWindowKind* row = DataWindowKind::Of(kind);
    if (!row) return {};
    const std::unique_ptr<InterfaceView> view(row->MakeView());
    const std::vector<std::string> leftOut = ColumnsLeftOut(kind, participant, supervisor);
    std::vector<std::string> columns;
    for (const std::string& name : view->GetTitleList())
        if (std::find(leftOut.begin(), leftOut.end(), name) == leftOut.end()) columns.push_back(name);
    return columns;
}

// ---- Title and template managers.

void KVNWorkspaceManager::CreateTitleManagers() {
    DeleteTitleManagers();
    for (const ChildType kind : kKinds)
        titles_[kind] = std::make_unique<TitleManager>(Columns(kind, Participant, Supervisor),
                                                       TitleManager::SectionOfKind(int(kind)));
}

void KVNWorkspaceManager::DeleteTitleManagers() {
    // Windows may still point at them: they are kept until this object goes.
    for (auto& [kind, manager] : titles_) retiredTitles_.push_back(std::move(manager));
    titles_.clear();
}

void KVNWorkspaceManager::CreateTemplateManagers() {
    DeleteTemplateManagers();
    for (const ChildType kind : kKinds)
        templates_[kind] = std::make_unique<TemplateManager>(TemplateManager::SectionOfKind(int(kind)));
}

void KVNWorkspaceManager::DeleteTemplateManagers() {
    templates_.clear();
}

TitleManager* KVNWorkspaceManager::GetTitleManager(ChildType kind) const {
    const auto found = titles_.find(kind);
    return found == titles_.end() ? nullptr : found->second.get();
}

TemplateManager* KVNWorkspaceManager::GetTemplateManager(ChildType kind) const {
    const auto found = templates_.find(kind);
    return found == templates_.end() ? nullptr : found->second.get();
}

void KVNWorkspaceManager::ResetTitles() {
    for (auto& [kind, manager] : titles_) manager->ResetTitles();
}

void KVNWorkspaceManager::LoadTitles(const std::string& fileName) {
    const BaseIniFile file(fileName);
    for (auto& [kind, manager] : titles_) manager->LoadFromFile(file);
}

void KVNWorkspaceManager::ClearTemplates() {
    for (auto& [kind, manager] : templates_) manager->Clear();
}

void KVNWorkspaceManager::LoadTemplates(const std::string& fileName) {
    const BaseIniFile file(fileName);
    for (auto& [kind, manager] : templates_) manager->LoadFromFile(file);
}

// ---- Session start and the default workspace.

void KVNWorkspaceManager::StartSession() {
    CreateTitleManagers();
    CreateTemplateManagers();
    BaseIniFile settings(settingsFilePath_);
    const std::string name = settings.ReadString("Config", "DefaultWorkspace", "");
    SetFileName(name);
    std::error_code error;
    if (!name.empty() && !std::filesystem::exists(name, error)) {
        settings.WriteString("Config", "DefaultWorkspace", "");
        SetFileName("");
    }
}

void KVNWorkspaceManager::SaveAsDefault() {
    BaseIniFile settings(settingsFilePath_);
    settings.WriteString("Config", "DefaultWorkspace", GetFileName());
}

// ---- Files.

std::vector<TBaseGridForm*> KVNWorkspaceManager::Windows() const {
    std::vector<TBaseGridForm*> windows;
    if (!MdiArea()) return windows;
    for (QMdiSubWindow* child : MdiArea()->subWindowList()) {
        auto* window = dynamic_cast<TBaseGridForm*>(child->widget());
        if (window && !window->IsChildClosed()) windows.push_back(window);
    }
    return windows;
}

TBaseGridForm* KVNWorkspaceManager::ActiveWindow() const {
    if (!MdiArea()) return nullptr;
    QMdiSubWindow* child = MdiArea()->currentSubWindow();
    if (!child) child = MdiArea()->activeSubWindow();
    return child ? dynamic_cast<TBaseGridForm*>(child->widget()) : nullptr;
}

bool KVNWorkspaceManager::SaveFile(BaseIniFile& file, const std::string& fileName) {
    const std::vector<TBaseGridForm*> windows = Windows();
    if (windows.empty()) return false;
    for (auto& [kind, manager] : titles_)
        if (manager->HasUserChanges()) manager->SaveToFile(file);
    for (auto& [kind, manager] : templates_) manager->SaveToFile(file);
    for (std::size_t i = 0; i < windows.size(); ++i) windows[i]->SaveWindowConfigToSection(file, int(i));
    return true;
}

void KVNWorkspaceManager::WorkspaceSaved(const std::string& fileName) {
    for (TBaseGridForm* window : Windows()) window->SetConfigFileName(fileName);
}

bool KVNWorkspaceManager::LoadFile(const std::string& fileName) {
    const BaseIniFile file(fileName);
    std::string message;
    std::vector<std::string> keys;
    file.ReadSection("DataWindow", keys);
    // A window entry that is not a kind number makes the file as foreign as another program's.
    std::vector<int> kinds(keys.size());
    bool wellFormed = true;
    for (std::size_t i = 0; i < keys.size() && wellFormed; ++i)
        wellFormed = WholeNumber(file.ReadString("DataWindow", keys[i], ""), kinds[i]);
    if (!MIniStore::SameName(file.ReadString("Application", "Name", ""), kApplicationName) || !wellFormed) {
        message = "The file: " + fileName + "\nis not a valid configuration file of  application.";
    } else {
        int valid = 0;
        for (std::size_t i = 0; i < keys.size(); ++i) {
            const std::vector<TBaseGridForm*> windows = Windows();
            const auto open = std::find_if(windows.begin(), windows.end(), [&](TBaseGridForm* window) {
                return window->GetChildSection() == keys[i] && window->GetConfigFileName() == fileName;
            });
            if (open != windows.end()) {
                (*open)->BringToFront();
                ++valid;
                continue;
            }
            if (openWindow_ && openWindow_(fileName, keys[i], false, ChildType(kinds[i]))) ++valid;
        }
        if (!keys.empty() && valid == 0)
            message = "The file: " + fileName +
                      "\ndoes not contain any valid window configuration for  application.";
    }
    if (message.empty()) return true;
    Ui().MessageBox(Owner(), message, "Loading  configuration file", BoxIcon::Warning, BoxButtons::Ok);
    return false;
}

void KVNWorkspaceManager::SaveWindowAs(BaseIniFile& file) {
    if (TBaseGridForm* window = ActiveWindow()) window->SaveWindowConfigData(file);
}

void KVNWorkspaceManager::SaveWindowAsTemplate() {
    TBaseGridForm* window = ActiveWindow();
    if (IsUnnamed() || !window) return;
    BaseIniFile file(GetFileName());
    window->SaveWindowAsTemplate(file);
    if (auto* grid = dynamic_cast<TKVNGrid*>(window))
        if (TemplateManager* manager = GetTemplateManager(grid->GetKind())) manager->LoadFromFile(file);
    if (file.Flush()) return;
    MLOG(LOG_ERROR, "Unable to save the window template into %s: %s", GetFileName().c_str(),
         file.FlushError().c_str());
    Ui().MessageBox(Owner(), "Unable to overwrite the workspace file!\n", "Error - Saving Workspace",
                    BoxIcon::Error, BoxButtons::Ok);
}
