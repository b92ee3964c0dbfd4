#pragma once
// The positions window: the firm's positions as the server confirmed them. From it the user
// creates, copies, modifies and deletes positions, deletes every displayed position at once and
// imports a day's positions from a file; every change goes to the server as a command and the
// window shows it once the server's answer reached the session's store.
#include "client/TKVNGrid.h"

class TPositionsGridForm : public TKVNGrid {
public:
    // The view must be a TInterfaceView<KB_Position>.
    TPositionsGridForm(QMdiArea* owner, const BaseGridConfig& config, TitleManager* titles,
                       KVNEventManager* session, InterfaceView* view);

    bool EditRow(int index) override;
    bool CanImport() override;
    bool ImportData(const std::string& fileName) override;
    void ReloadData() override;
    bool CanEditRecord(int row) override;
    bool CanDeleteAllDisplayed() override;
    bool CanCreateRecord(int row) override;
    void NewRecord(int row) override;
    void DeleteRecord(int row) override;
    void DeleteAllDisplayed() override;
    bool ValidateImportRecord(CommandCSVData& data, std::FILE* log, const std::string& fileName) override;

private:
    // Opens the position screen on the row (-1: empty) in create or modify mode.
    void OpenScreen(int row, bool create);
};
