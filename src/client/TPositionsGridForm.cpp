#include "client/TPositionsGridForm.h"

#include <memory>
#include <utility>
#include <vector>

#include "client/PositionCommands.h"
#include "client/PositionImporter.h"
#include "client/TPositionScreenForm.h"
#include "core/MError.h"
#include "grid/BusinessObjectGrid.h"
#include "grid/TConfirmationForm.h"
#include "session/KVNEventManager.h"
#include "store/KB_Position.h"
#include "store/TInterfaceView.h"
#include "toolkit/Action.h"
#include "toolkit/UiHost.h"

namespace {

using PositionView = TInterfaceView<KB_Position>;

}  // namespace

TPositionsGridForm::TPositionsGridForm(QMdiArea* owner, const BaseGridConfig& config, TitleManager* titles,
                                       KVNEventManager* session, InterfaceView* view)
    : TKVNGrid(owner, ChildType::Positions, config, titles, session, view) {
    setObjectName("PositionsGridForm");
    ImportAction->SetCaption("Import Positions ...");
}

bool TPositionsGridForm::EditRow(int index) {
    if (!Session()->CheckReportableDates()) return false;
    OpenScreen(index, false);
    return true;
}

bool TPositionsGridForm::CanImport() {
    return Session()->UserTypeP && Session()->IsReady();
}

bool TPositionsGridForm::ImportData(const std::string& fileName) {
    ImportCounter = 0;
    if (!MakeImportLogFileName(fileName)) return false;
    std::FILE* log = std::fopen(ImportLogFileName().c_str(), "w");
    if (!log) {
        MLOG(LOG_ERROR, "Unable to create log file: '%s'", ImportLogFileName().c_str());
        return false;
    }
    TCommandCSVData<PositionImport> data;
    if (!PositionImporter::Load(data, fileName, log)) {
        CloseImportLog(log, ImportLogFileName());
        return false;
    }
    const bool result = ValidateImportRecord(data, log, fileName);
    data.WriteImportSummary(log, ImportCounter, true);
    // A log that could not be written whole fails the import, whatever was sent.
    const bool written = CloseImportLog(log, ImportLogFileName());
    // The log is whole before the warning, which sends the user to it. The only box of an import
    // comes when nothing was sent, so no answer meanwhile is missed.
    if (ImportCounter == 0)
        Ui().MessageBox(this, PositionImporter::kNoRowMessage, PositionImporter::kNoRowCaption,
                        BoxIcon::Warning, BoxButtons::Ok);
    return written && result;
}

bool TPositionsGridForm::ValidateImportRecord(CommandCSVData& data, std::FILE* log, const std::string&) {
    PositionImporter importer(*Session());
    const bool result = importer.SendRecords(static_cast<TCommandCSVData<PositionImport>&>(data), log);
    ImportCounter = importer.Sent();
    return result;
}

void TPositionsGridForm::ReloadData() {
    auto* view = static_cast<PositionView*>(View());
    if (!view) return;
    // Removed keys first, then the changed ones as the store holds them now: a position removed and
    // stored again under its key before this refresh stays in the window.
    const DataHandler<KB_Position>& store = Session()->Positions;
    for (const BaseKey& key : store.RemovedKeys)
        if (!store.Find(key)) view->RemoveRow(key);
    for (const BaseKey& key : store.ChangedKeys)
        if (const KB_Position* position = store.Find(key)) view->UpdateRow(position);
}

bool TPositionsGridForm::CanEditRecord(int) {
    return HasData() && Session()->IsReady();
}

bool TPositionsGridForm::CanDeleteAllDisplayed() {
    return Session()->UserTypeP && Session()->IsReady();
}

bool TPositionsGridForm::CanCreateRecord(int) {
    return Session()->IsReady();
}

void TPositionsGridForm::NewRecord(int row) {
    if (!Session()->CheckReportableDates()) return;
    OpenScreen(row, true);
}

void TPositionsGridForm::OpenScreen(int row, bool create) {
    TPositionScreenForm screen(this, Session());
    if (const KB_Position* position =
            row >= 0 ? static_cast<PositionView*>(View())->GetRowData(row, false) : nullptr) {
        screen.mPosition = *position;
        screen.mPositionKey = position->Key;
    }
    screen.mCreateMode = create;
    screen.ShowModal();
    if (screen.mSent) ShowPendingOperations(false);
}

void TPositionsGridForm::DeleteRecord(int row) {
    // The position as shown when the user was asked: a refresh inside the box may move the rows.
    const KB_Position* shown = static_cast<PositionView*>(View())->GetRowData(row, false);
    if (!shown) return;
    const KB_Position position = *shown;
    if (Ui().MessageBox(this,
                        "You are about to delete the selected record\n\nAre you sure you want to continue ?",
                        "Position Deletion", BoxIcon::Question, BoxButtons::YesNo) != mrYes)
        return;
    if (!Session()->Positions.Find(position.Key)) return;
    PositionCommands::SendDelete(*Session(), position);
}

void TPositionsGridForm::DeleteAllDisplayed() {
    auto* view = static_cast<PositionView*>(View());
    // The rows displayed when the user is asked, bottom to top: that is what the count confirms.
    std::vector<KB_Position> rows;
    for (int row = view->GetDisplayedRowCount() - 2; row >= 0; --row)
        if (const KB_Position* position = view->GetRowData(row, false)) rows.push_back(*position);
    const int32_t count = static_cast<int32_t>(rows.size());
    const std::string message = "Positions: All Displayed\n\nYou are about to delete " +
                                std::to_string(count) +
                                " currently displayed positions.\nEnter total number of records and press OK "
                                "button to proceed with the deletion.\n\nTotal number of records : " +
                                std::to_string(count);
    TConfirmationForm confirmation(this, count, true, "All Displayed Record Deletion", message);
    if (confirmation.ShowModal() == mrOk) {
        for (const KB_Position& position : rows)
            if (Session()->Positions.Find(position.Key)) PositionCommands::SendDelete(*Session(), position);
    }
    RefreshGrid();
}
