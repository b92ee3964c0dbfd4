#pragma once
// What tells the four historical windows apart: one row per window kind (its query slot, base
// caption, business item, wording, action caption and where its popup separator goes), with the
// window title, the description and the request of a query built from it. Plain constant data;
// no window.
#include <cstddef>
#include <string>

#include "fields/CommandEnumerations.h"
#include "session/GridClientData.h"
#include "session/KVNEventManager.h"

struct HistoricalGridKind {
    ChildType Kind;
    std::size_t Slot;  // in KVNEventManager::QuerySlots and OpenHistoricalWindows
    const char* BaseCaption;
    EnumBusinessItemType BusinessItem;
    const char* SingleDayWording;
    const char* RangeWording;
    const char* ActionCaption;
    bool SeparatorBefore;  // the popup separator goes before the item, else after it

    // The row of a historical kind; null for any other kind.
    static const HistoricalGridKind* Of(ChildType kind);

    // "<base> <start>" for one day, "<base> <start>-<end>" for a range.
    static std::string WindowTitle(const std::string& baseCaption, const KVNEventManager::QuerySlot& slot);
    // The kind's wording with the date or the range; for a supervisor " for ALL firms" or
    // " for firm <code>".
    std::string Description(const KVNEventManager::QuerySlot& slot, bool supervisor) const;

    // Fills a request from the slot: the user name and the dates, and the firm only for a
    // supervisor (blank for anyone else).
    template <class M>
    static void FillRequest(M& request, const std::string& userName, const KVNEventManager::QuerySlot& slot,
                            bool supervisor) {
        request.UserName.SetText(userName.c_str());
        request.StartDate.SetText(slot.StartDate.c_str(), int(slot.StartDate.size()));
        request.EndDate.SetText(slot.EndDate.c_str(), int(slot.EndDate.size()));
        if (supervisor) request.Firm.SetText(slot.Firm.c_str());
    }
};
