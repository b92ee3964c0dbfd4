#pragma once
// The open workspace: which workspace file is open and whether it changed since it was loaded or
// saved. Runs the file dialogs, the prompt for unsaved changes and the closing of a workspace,
// builds the workspace part of the main window's caption, and saves and loads the configuration
// of a single window. What goes into the files and how windows are opened from them belongs to
// the derived class. Reaches the grid windows only as the children of the main window's MDI
// area. Owned by the main window; GUI thread only.
//
// Files are never rewritten in place: a save writes the whole new file into a temporary file in
// the target's directory and renames it over the target, so a save that fails leaves the old
// file, and the modified flag, as they were.
#include <functional>
#include <string>

class BaseIniFile;
class QMdiArea;
class QWidget;

class WorkspaceManager {
public:
    // The application name that every workspace and window-configuration file carries.
    static constexpr const char* kApplicationName = "Korvane.exe";

    // area: the main window's MDI area, whose children are the workspace's windows; may be null
    // (no windows).
    explicit WorkspaceManager(QMdiArea* area);
    virtual ~WorkspaceManager() = default;
    WorkspaceManager(const WorkspaceManager&) = delete;
    WorkspaceManager& operator=(const WorkspaceManager&) = delete;

    // Opens the windows of a workspace or window-configuration file; false (after telling the
    // user) when the file is not one of this program's or opens nothing.
    virtual bool LoadFile(const std::string& fileName) = 0;
    // Writes the workspace into file, a fresh file that becomes fileName once it is complete.
    // False when there is nothing to write: the file then gets the application name alone.
    virtual bool SaveFile(BaseIniFile& file, const std::string& fileName) = 0;
    // Called once the workspace is in fileName's place: the windows are told fileName. Never after
    // a save that failed, so that the windows stay with the file they came from.
    virtual void WorkspaceSaved(const std::string& /*fileName*/) {}
    // Makes the open workspace the one loaded at the next session start.
    virtual void SaveAsDefault() = 0;
    virtual void CreateTitleManagers() {}
    virtual void DeleteTitleManagers() {}
    virtual void ResetTitles() {}
    virtual void LoadTitles(const std::string& /*fileName*/) {}
    virtual void ClearTemplates() {}
    virtual void LoadTemplates(const std::string& /*fileName*/) {}
    // Called once the session is ready after each login; names the workspace to load.
    virtual void StartSession() = 0;
    // Writes the active window's configuration into file, a fresh window-configuration file.
    virtual void SaveWindowAs(BaseIniFile& file) = 0;
    virtual void SaveWindowAsTemplate() {}

    const std::string& GetFileName() const { return fileName_; }
    bool IsUnnamed() const { return fileName_.empty(); }
    bool IsModified() const { return modified_; }
    // Marks the workspace changed; nothing while no workspace file is open.
    void SetModified() {
        if (!IsUnnamed()) modified_ = true;
    }
    // " - Workspace: " and the file's name without directory and extension; " - Workspace: Not
    // defined" when unnamed.
    std::string GetCaptionSuffix() const;

    // Asks for a workspace file and, unless it is the open one unchanged, offers to save the open
    // one, closes it and loads the chosen one.
    void OpenWorkspace();
    // Loads the file's windows, titles and templates; the file becomes the open workspace, or the
    // workspace becomes unnamed when the file was refused. The modified flag is left alone.
    void LoadWorkspace(const std::string& fileName);
    // Loads the open workspace again and clears the modified flag.
    void Reload();
    bool Save() { return SaveTo(fileName_); }
    // Writes the workspace to the file; false, after telling the user, when it could not be
    // written (the old file and the modified flag are kept).
    bool SaveTo(const std::string& fileName);
    // Asks for a file name and saves there; true also when the user cancelled.
    bool SaveAs();
    // Offers to save a modified workspace; true when the caller may go on (saved or not wanted),
    // false on Cancel or a failed save.
    bool ConfirmSaveChanges();
    // Asks every window to close, from the last to the first; resets the titles, empties the
    // templates and leaves the workspace unnamed and unmodified. Nothing while unnamed.
    void CloseWorkspace();
    // Asks for a window-configuration file and opens its windows; they join an open workspace.
    void OpenWindow();
    // Asks for a file name and saves the active window's configuration there; true also when the
    // user cancelled, false after telling the user when the file could not be written.
    bool SaveWindowAsFile();

protected:
    QMdiArea* MdiArea() const { return area_; }
    // The window the box of a flow belongs to (null without an area).
    QWidget* Owner() const;
    // Names the open workspace without loading it (a session start naming its default); an empty
    // name also clears the modified flag, so that an unnamed workspace never prompts.
    void SetFileName(const std::string& fileName) {
        fileName_ = fileName;
        if (fileName_.empty()) modified_ = false;
    }

private:
    // Writes a fresh file through write and puts it in fileName's place; false when either
    // failed, with the old file kept and no temporary left.
    static bool WriteReplacing(const std::string& fileName, const std::function<void(BaseIniFile&)>& write);

    QMdiArea* area_;
    std::string fileName_;
    bool modified_ = false;
};
