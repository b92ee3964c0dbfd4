#include "client/DataWindowKind.h"

#include "client/TAccountsGridForm.h"
#include "client/TCommandHistoryGridForm.h"
#include "client/THistoricalAccountGridForm.h"
#include "client/THistoricalCommandGridForm.h"
#include "client/THistoricalPositionGridForm.h"
#include "client/THistoricalSubmissionGridForm.h"
#include "client/TPositionsGridForm.h"
#include "store/CommandHistory.h"
#include "store/HistoricalAccountData.h"
#include "store/HistoricalCommandData.h"
#include "store/HistoricalPositionData.h"
#include "store/HistoricalSubmissionData.h"
#include "store/KB_Position.h"
#include "store/KR_Account.h"
#include "store/TInterfaceView.h"

namespace {

template <class Row>
InterfaceView* ViewOf() {
    return new TInterfaceView<Row>;
}

template <class Window>
TKVNGrid* WindowOf(QMdiArea* owner, const BaseGridConfig& config, TitleManager* titles,
                   KVNEventManager* session, InterfaceView* view) {
    return new Window(owner, config, titles, session, view);
}

TKVNGrid* AccountsWindow(QMdiArea* owner, const BaseGridConfig& config, TitleManager* titles,
                         KVNEventManager* session, InterfaceView* view) {
    return new TAccountsGridForm(owner, ChildType::Accounts, config, titles, session, view);
}

const DataWindowKind kKinds[] = {
    {ChildType::Accounts, "AccountTitle", "AccountTemplate", "Accounts ", true, &ViewOf<KR_Account>,
     &AccountsWindow},
    {ChildType::Positions, "PositionTitle", "PositionTemplate", "Positions ", true, &ViewOf<KB_Position>,
     &WindowOf<TPositionsGridForm>},
    {ChildType::CommandHistory, "CommandHistoryTitles", "CommandHistoryTemplate", "CommandHistory", true,
     &ViewOf<CommandHistory>, &WindowOf<TCommandHistoryGridForm>},
    {ChildType::HistoricalAccounts, "HistoricalAccountTitles", "HistoricalAccountTemplate",
     "Historical Accounts", false, &ViewOf<HistoricalAccountData>, &WindowOf<THistoricalAccountGridForm>},
    {ChildType::HistoricalPositions, "HistoricalPositionTitles", "HistoricalPositionTemplate",
     "Historical Positions", false, &ViewOf<HistoricalPositionData>, &WindowOf<THistoricalPositionGridForm>},
    {ChildType::HistoricalSubmissions, "HistoricalSubmissionTitles", "HistoricalSubmissionTemplate",
     "Historical Submissions Outcome", false, &ViewOf<HistoricalSubmissionData>,
     &WindowOf<THistoricalSubmissionGridForm>},
    {ChildType::HistoricalCommands, "HistoricalCommandTitles", "HistoricalCommandTemplate",
     "Historical Commands History", false, &ViewOf<HistoricalCommandData>,
     &WindowOf<THistoricalCommandGridForm>},
};

}  // namespace

const DataWindowKind* DataWindowKind::Of(ChildType kind) {
    for (const DataWindowKind& row : kKinds)
        if (row.Kind == kind) return &row;
    return nullptr;
}

std::string DataWindowKind::WindowTitle(int32_t number) const {
    return Numbered ? Title + std::to_string(number) : Title;
}
