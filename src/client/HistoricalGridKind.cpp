#include "client/HistoricalGridKind.h"

#include <array>

namespace {

using Item = EnumBusinessItemType;

constexpr std::array<HistoricalGridKind, 4> kKinds{{
    {ChildType::HistoricalAccounts, 0, "Historical Accounts", Item::HistoricalAccount,
     "Select Historical Accounts for ", "Select Historical Accounts between ", "Select Date ...", true},
    {ChildType::HistoricalPositions, 1, "Historical Positions", Item::HistoricalPosition,
     "Select Historical Position for ", "Select Historical Position between ", "Select Date ...", false},
    {ChildType::HistoricalSubmissions, 2, "Historical Submissions Outcome",
     Item::HistoricalPositionSubmission, "Select Historical Submission for ",
     "Select Historical Submission between ", "Select Date...", false},
    {ChildType::HistoricalCommands, 3, "Historical Commands History", Item::HistoricalCommand,
     "Select Historical Command for ", "Select Historical Command between ", "Select Date ...", false},
}};

}  // namespace

const HistoricalGridKind* HistoricalGridKind::Of(ChildType kind) {
    for (const HistoricalGridKind& row : kKinds)
        if (row.Kind == kind) return &row;
    return nullptr;
}

std::string HistoricalGridKind::WindowTitle(const std::string& baseCaption,
                                            const KVNEventManager::QuerySlot& slot) {
    std::string title = baseCaption + " " + slot.StartDate;
    if (slot.StartDate != slot.EndDate) title += "-" + slot.EndDate;
    return title;
}

std::string HistoricalGridKind::Description(const KVNEventManager::QuerySlot& slot, bool supervisor) const {
    std::string text = slot.StartDate == slot.EndDate
                           ? SingleDayWording + slot.StartDate
                           : RangeWording + slot.StartDate + " and " + slot.EndDate;
    if (supervisor) {
        const bool allFirms = slot.Firm.find_first_not_of(' ') == std::string::npos;
        text += allFirms ? " for ALL firms" : " for firm " + slot.Firm;
    }
    return text;
}
