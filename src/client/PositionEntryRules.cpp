#include "client/PositionEntryRules.h"

#include "session/KVNEventManager.h"

namespace {

std::string CutTrailingBlanks(std::string text) {
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

// The 8 characters of a date as the number YYYYMMDD, a non-digit counting 0, as the store keys it.
int32_t DateNumber(const std::string& date) {
    int32_t number = 0;
    for (std::size_t i = 0; i < 8; ++i) {
        const char c = i < date.size() ? date[i] : '0';
        number = number * 10 + (c >= '0' && c <= '9' ? c - '0' : 0);
    }
    return number;
}

int DaysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[(month - 1) % 12];
}

}  // namespace

PositionEntryRules::PositionEntryRules(const KVNEventManager& session) : session_(session) {
    BuildSymbolLookup();
}

void PositionEntryRules::FollowInstruments() {
    if (builtVersion_ != session_.InstrumentsVersion || builtSize_ != session_.Instruments.size())
        BuildSymbolLookup();
}

void PositionEntryRules::BuildSymbolLookup() {
    const auto& instruments = session_.Instruments;
    bySymbol_.clear();
    symbols_.clear();
    bySymbol_.reserve(instruments.size());
    for (std::size_t i = 0; i < instruments.size(); ++i) {
        const std::string symbol = instruments[i].ExternalSymbol.ToPaddedString();
        bySymbol_.try_emplace(symbol, i);
        symbols_.insert(CutTrailingBlanks(symbol));
    }
    builtVersion_ = session_.InstrumentsVersion;
    builtSize_ = instruments.size();
}

const BraeGroupInstrumentDefinition* PositionEntryRules::FindBySymbol(const std::string& symbol) {
    FollowInstruments();
    const std::string padded = BraeExternalSymbol(CutTrailingBlanks(symbol).c_str()).ToPaddedString();
    const auto at = bySymbol_.find(padded);
    return at == bySymbol_.end() ? nullptr : &session_.Instruments[at->second];
}

const std::set<std::string>& PositionEntryRules::ExternalSymbols() {
    FollowInstruments();
    return symbols_;
}

bool PositionEntryRules::ReportDateRange(const std::vector<MDateYYYYMMDD>& dates, std::string& first,
                                         std::string& last) {
    if (dates.empty()) return false;
    first = dates.front().ToString();
    const std::string end = dates.back().ToString();
    const int year = DateNumber(end) / 10000;
    const int month = DateNumber(end) / 100 % 100;
    if (month < 1 || month > 12) return false;
    last = end.substr(0, 6) + std::to_string(DaysInMonth(year, month));
    return true;
}

PositionEntryRules::Failure PositionEntryRules::ValidateNewPosition(const Brae_PN_PositionEntry& entry,
                                                                    const std::string& expirationDate) const {
    const std::string number = entry.AccountNumber.ToPaddedString();
    const KR_Account* account = nullptr;
    for (const auto& [key, stored] : session_.Accounts.Records) {
        if (stored.AccountNumber.ToPaddedString() == number) {
            account = &stored;
            break;
        }
    }
    if (!account) return {"The account does not exist", Focus::None};
    if (entry.Group.IsBlank() && entry.Instrument.IsBlank())
        return {"The instrument does not exist", Focus::None};
    if (entry.ReportDate.ToString() > expirationDate)
        return {"Invalid Instrument For Specified Report Date", Focus::None};
    const int32_t id =
        session_.FindPositionId(entry.Group, entry.Instrument, entry.AccountNumber, account->AccountId);
    if (id != 0 && session_.Positions.Find(BaseKey(id, DateNumber(entry.ReportDate.ToString()))))
        return {"The position already exists", Focus::None};
    return {};
}

PositionEntryRules::Failure PositionEntryRules::ValidateQuantitiesAndDate(
    const Brae_PN_PositionEntry& entry) {
    if (entry.LongQuantity.GetValue() == 0 && entry.ShortQuantity.GetValue() == 0)
        return {"A position must be defined", Focus::ShortQuantity};
    if (entry.ReportDate.ToString().find_first_not_of(' ') == std::string::npos)
        return {"Report date is not valid.", Focus::ReportDateButton};
    return {};
}
