#pragma once
// The base of every data window of the client: a grid window tied to the session. It registers
// with the session under its handle (so that the refreshes fill it), carries the record actions
// New, Copy, Delete and Delete All Displayed with their enabling rules by window kind and user
// rights, writes its entry into workspace files, and provides the working directory and the log
// files of the imports, after which it shows the pending-operations dialog.
//
// The virtual operations below are not called from the constructor: a derived window's overrides
// only take effect once it is built.
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "grid/TBaseGridForm.h"
#include "session/GridClientData.h"

class CommandCSVData;
class KVNEventManager;
class TWaitProgressForm;

class TKVNGrid : public TBaseGridForm {
public:
    TKVNGrid(QMdiArea* owner, ChildType kind, const BaseGridConfig& config, TitleManager* titles,
             KVNEventManager* session, InterfaceView* view);
    ~TKVNGrid() override;

    // Own virtual operations, in this order. Rows are data-row indexes (grid row less one).
    virtual bool CanEditRecord(int row);
    virtual bool CanDeleteRecord(int row);
    virtual bool CanCopyRecord(int row);
    virtual bool CanDeleteAllDisplayed();
    virtual bool CanCreateRecord(int row);
    // row: -1 for an empty record, else the row to copy.
    virtual void NewRecord(int row);
    virtual void DeleteRecord(int row);
    virtual void DeleteAllDisplayed();
    virtual void ShowPendingOperations(bool problems);
    // Checks the rows an import read, writes their complaints into the log and sends the commands.
    // Each window casts `data` to the import data of its own record.
    virtual bool ValidateImportRecord(CommandCSVData& data, std::FILE* log, const std::string& fileName);

    // Overrides of the grid window.
    bool CanCloseWindow() override;
    void WriteWindowEntry(BaseIniFile& file) override;
    void WriteApplicationName(BaseIniFile& file) override;
    void ShowImportSucceeded() override;
    void ShowImportFailed() override;

    ChildType GetKind() const { return kind_; }
    KVNEventManager* Session() const { return session_; }
    // The record rule by kind: positions unless the user is a supervisor; accounts and the
    // master-account chooser; never command history or the historical kinds.
    bool IsRecordEditable() const;
    bool IsRecordDeletable() const { return IsRecordEditable(); }

    // The import directory from [Config] WorkingDir of the settings file, as read; empty (after
    // the "Setup Error" box and an error line) when that directory does not exist.
    std::string GetWorkingDir();
    // Starts an import: forgets the session's failure lines of earlier commands and names the log
    // file of an import of fileName in the working directory; false, leaving the name as it was,
    // without a working directory.
    bool MakeImportLogFileName(const std::string& fileName);
    const std::string& ImportLogFileName() const { return importLogFileName_; }
    const std::string& SettingsFilePath() const { return settingsFilePath_; }
    TWaitProgressForm* PendingOperationsForm() const { return waitForm_; }

    // The import log lines: "line;kind;message;" (without the number when it is 0), each ended by
    // a line feed; nothing is written without a file. A failed write is logged.
    static void WriteImportLogLine(std::FILE* log, const std::string& kind, int32_t line,
                                   const std::string& message);
    static int WriteGeneralErrorLine(std::FILE* log, const std::string& message, int32_t line);
    // Closes an import's log; false, with an error line, when a write or the close failed (a full
    // disk): the import then reports failure.
    static bool CloseImportLog(std::FILE* log, const std::string& fileName);

    int32_t ImportCounter = 0;

    Action* NewRowAction = nullptr;
    Action* CopyAction = nullptr;
    Action* DeleteAction = nullptr;
    Action* DeleteAllDisplayedAction = nullptr;

private:
    void CreateRecordActions();
    void RegisterGridClient();
    void HideUntitledColumns();
    int CurrentRow();

    ChildType kind_;
    KVNEventManager* session_;
    std::string settingsFilePath_;
    std::string importLogFileName_;
    TWaitProgressForm* waitForm_ = nullptr;
    bool registered_ = false;
};
