#pragma once
// The client's workspace: what a workspace or window-configuration file holds and how windows are
// opened from one, on the flows of the workspace base. It owns, per window kind (0 to 2 and 4 to
// 7), the title manager (column titles and colours) and the template manager (the kind's window
// template), built anew at every session start for the user's rights, and keeps the default
// workspace in the settings file ([Config] DefaultWorkspace).
//
// Windows hold their title manager by a plain pointer, and windows that stayed open across a lost
// connection keep the one they were built with; so the managers that a session start replaces are
// retired, not freed, and go with this object. The windows are freed first (the main window
// frees its children before its members). Owned by the main window; GUI thread only.
//
// A workspace file holds, in this order: the title sections of the kinds whose titles or colours
// were changed; the template sections that hold lines; [Application] Name=Korvane.exe;
// [DataWindow] with one "number=kind" line per window; and one section per window named by its
// number. A window-configuration file holds the application name, one DataWindow line under a new
// unique section name, and that section.
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "grid/WorkspaceManager.h"
#include "session/GridClientData.h"

class TBaseGridForm;
class TemplateManager;
class TitleManager;

class KVNWorkspaceManager : public WorkspaceManager {
public:
    // Opens one data window: (configuration file, window section, use-template flag, kind) ->
    // whether the entry counts as valid. The main window's OpenDataWindow.
    using WindowOpener = std::function<bool(const std::string& fileName, const std::string& section,
                                            bool useTemplate, ChildType kind)>;

    // The kinds that have a title and a template manager, in increasing order.
    static constexpr ChildType kKinds[] = {
        ChildType::Accounts,           ChildType::Positions,           ChildType::CommandHistory,
        ChildType::HistoricalAccounts, ChildType::HistoricalPositions, ChildType::HistoricalSubmissions,
        ChildType::HistoricalCommands};

    // area: the main window's MDI area. The settings file is located here (Korvane.ini).
    KVNWorkspaceManager(QMdiArea* area, WindowOpener openWindow);
    ~KVNWorkspaceManager() override;

    bool LoadFile(const std::string& fileName) override;
    bool SaveFile(BaseIniFile& file, const std::string& fileName) override;
    void WorkspaceSaved(const std::string& fileName) override;
    void SaveAsDefault() override;
    void CreateTitleManagers() override;
    void DeleteTitleManagers() override;
    void ResetTitles() override;
    void LoadTitles(const std::string& fileName) override;
    void ClearTemplates() override;
    void LoadTemplates(const std::string& fileName) override;
    // New managers for the rights in Participant and Supervisor (set them first); the workspace
    // becomes [Config] DefaultWorkspace, which is cleared when that file no longer exists.
    void StartSession() override;
    void SaveWindowAs(BaseIniFile& file) override;
    // The active window's configuration becomes its kind's template in the open workspace file.
    void SaveWindowAsTemplate() override;

    void CreateTemplateManagers();
    void DeleteTemplateManagers();
    // The kind's current manager; null for a kind without one or before the first session start.
    TitleManager* GetTitleManager(ChildType kind) const;
    TemplateManager* GetTemplateManager(ChildType kind) const;
    // How many replaced title managers are kept alive for the windows built with them.
    std::size_t RetiredTitleManagers() const { return retiredTitles_.size(); }

    // The columns of a kind that a user does not see: the message header of the positions, and
    // the columns of the accounts, positions and historical commands that need the rights.
    static std::vector<std::string> ColumnsLeftOut(ChildType kind, bool participant, bool supervisor);
    // The kind's field names in view order, less those left out.
    static std::vector<std::string> Columns(ChildType kind, bool participant, bool supervisor);

    const std::string& SettingsFilePath() const { return settingsFilePath_; }

    // The user's rights for the next session start: participant (user type 'P') and supervisor
    // ('M' or 'S').
    bool Participant = false;
    bool Supervisor = false;

private:
    // The grid windows in the main window's child order, without those that agreed to close.
    std::vector<TBaseGridForm*> Windows() const;
    TBaseGridForm* ActiveWindow() const;

    WindowOpener openWindow_;
    std::map<ChildType, std::unique_ptr<TitleManager>> titles_;
    std::map<ChildType, std::unique_ptr<TemplateManager>> templates_;
    std::vector<std::unique_ptr<TitleManager>> retiredTitles_;
    std::string settingsFilePath_;
};
