#pragma once
// The rules of the position screen without a window: the instrument lookups (by external symbol,
// by class symbol, call/put letter, strike and expiry), the range of report dates offered, and the
// checks of a new position and of its quantities, each answering its message and the control to
// focus. Built once per opening of the screen; the symbol lookup follows the session's
// instruments, which a reset or a new login may change while the screen is open.
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

    // The first definition in the session's stored order whose 30-character external symbol
    // equals the text (trailing blanks cut); null when none.
    const BraeGroupInstrumentDefinition* FindBySymbol(const std::string& symbol);
    // Every external symbol of the session's definitions, trailing blanks cut, sorted.
    const std::set<std::string>& ExternalSymbols();

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
    // Builds the symbol lookup again when the session's instruments changed since it was built.
    void FollowInstruments();
    void BuildSymbolLookup();

    const KVNEventManager& session_;
    std::unordered_map<std::string, std::size_t> bySymbol_;  // 30 characters -> first definition
    std::set<std::string> symbols_;
    // What the lookup was built over: the session's count of changes and the list's size.
    uint32_t builtVersion_ = 0;
    std::size_t builtSize_ = 0;
};
