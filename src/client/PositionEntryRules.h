#pragma once
// The rules of the position screen without a window: the instrument lookups (by external symbol,
// by class symbol, call/put letter, strike and expiry), the range of report dates offered, and the
// checks of a new position and of its quantities, each answering its message and the control to
// focus. Built once per opening of the screen from the session's instruments.
#include <cstdint>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

#include "brae/BraeGroupInstrumentDefinition.h"
#include "brae/Brae_PN_PositionEntry.h"
#include "fields/MDateText.h"

class KVNEventManager;

class PositionEntryRules {
public:
    enum class Focus { None, AccountNumber, LongQuantity, ShortQuantity, ReportDateButton };
    struct Failure {
        std::string message;  // empty: the check passed
        Focus focus = Focus::None;
        explicit operator bool() const { return !message.empty(); }
    };

    explicit PositionEntryRules(const KVNEventManager& session);

    // The first definition in stored order whose 30-character external symbol equals the text
    // (trailing blanks cut); null when none.
    const BraeGroupInstrumentDefinition* FindBySymbol(const std::string& symbol) const;
    // Every external symbol, trailing blanks cut, sorted.
    const std::set<std::string>& ExternalSymbols() const { return symbols_; }

    // The days offered for a report date, as "yyyymmdd": from the first reportable date to the
    // last day of the month of the last one. False without reportable dates.
    static bool ReportDateRange(const std::vector<MDateYYYYMMDD>& dates, std::string& first,
                                std::string& last);

    // The checks of a new position after its account number was read: the account exists, the
    // instrument was found, the report date is not after its expiry and the position is not stored
    // yet (looked up without handing out a position id).
    Failure ValidateNewPosition(const Brae_PN_PositionEntry& entry, const std::string& expirationDate) const;
    // Both quantities zero, then a blank report date.
    static Failure ValidateQuantitiesAndDate(const Brae_PN_PositionEntry& entry);

private:
    const KVNEventManager& session_;
    std::unordered_map<std::string, std::size_t> bySymbol_;  // 30 characters -> first definition
    std::set<std::string> symbols_;
};
