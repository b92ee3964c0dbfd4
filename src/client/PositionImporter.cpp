#include "client/PositionImporter.h"

#include <array>

#include "brae/Brae_IU_BroadcastDelimiterL2.h"
#include "core/MError.h"
#include "fields/WindowTools.h"
#include "grid/DateValidator.h"
#include "session/KVNEventManager.h"

namespace {

// The text of a number with its sign, without leading zeros in the whole part nor trailing zeros
// in the fraction, so that equal numbers give equal texts; empty for no number.
std::string CanonicalNumber(const std::string& text) {
    if (text.empty()) return text;
    std::size_t at = 0;
    const bool negative = text[0] == '-';
    if (negative || text[0] == '+') at = 1;
    std::string whole;
    std::string fraction;
    bool inFraction = false;
    for (; at < text.size(); ++at) {
        const char c = text[at];
        if (c == '.' || c == ',')
            inFraction = true;
        else if (inFraction)
            fraction += c;
        else if (!(whole.empty() && c == '0'))
            whole += c;
    }
    while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
    if (whole.empty() && fraction.empty()) return "0";
    return (negative ? "-" : "") + (whole.empty() ? "0" : whole) + (fraction.empty() ? "" : "." + fraction);
}

std::string ClassKey(const std::string& classSymbol, char callPut, const std::string& strike,
                     const std::string& expiry) {
    return classSymbol + callPut + CanonicalNumber(strike) + '\0' + expiry;
}

// A field's text as its type reads it: forbidden characters first (over the whole text, so that a
// zero byte read from the file is refused, not taken for its end), then the type's own check.
// Empty when the text passes.
template <class T>
std::string CheckField(const char* name, const std::string& text) {
    if (!CheckForbiddenCharacters(text)) return std::string(name) + " contains an invalid character";
    if (const char* message = T::CheckText(text.c_str())) return std::string(name) + " - " + message;
    return {};
}

bool IsDate(const std::string& text) {
    return DateValidator("YYYYMMDD").Validate(text);
}

// The call/put letter of a letter or a name; empty text gives None. False for anything else.
bool ParseCallPut(const std::string& text, char& letter) {
    static constexpr std::array<std::pair<char, const char*>, 5> kCodes{
        {{' ', "None"}, {'C', "Call"}, {'P', "Put"}, {'O', "Over"}, {'U', "Under"}}};
    if (text.empty()) {
        letter = ' ';
        return true;
    }
    for (const auto& [code, name] : kCodes) {
        if ((text.size() == 1 && text[0] == code) || text == name) {
            letter = code;
            return true;
        }
    }
    return false;
}

void WriteText(std::FILE* log, const std::string& text) {
    CommandCSVData::WriteImportLogText(log, text);
}

}  // namespace

PositionImporter::PositionImporter(KVNEventManager& session) : session_(session) {
    const auto& instruments = session_.Instruments;
    bySymbol_.reserve(instruments.size());
    byClass_.reserve(instruments.size());
    for (std::size_t i = 0; i < instruments.size(); ++i) {
        const BraeGroupInstrumentDefinition& definition = instruments[i];
        bySymbol_.try_emplace(definition.ExternalSymbol.ToPaddedString(), i);
        byClass_.try_emplace(
            ClassKey(definition.ClassSymbol.ToPaddedString(), static_cast<char>(definition.CallPutCode.Get()),
                     definition.StrikePrice.ToString(), definition.ExpirationDate.ToString()),
            i);
    }
    accounts_.reserve(session_.Accounts.Records.size());
    for (const auto& [key, account] : session_.Accounts.Records)
        accounts_.insert(account.AccountNumber.ToPaddedString());
}

bool PositionImporter::Load(TCommandCSVData<PositionImport>& data, const std::string& fileName,
                            std::FILE* log) {
    WriteText(log, "Start of loading data ...\n\n");
    std::string error;
    if (!data.LoadFile(fileName, error)) {
        WriteText(log, error);
        WriteText(log, "Failure of loading data ...\n\n");
        return false;
    }
    for (const std::string& line : data.GetErrorLines()) WriteText(log, line);
    WriteText(log, "\n\nStart of processing loaded data ...\n\n");
    return true;
}

std::string PositionImporter::CheckRow(const PositionImport& row, Brae_PN_PositionEntry& entry) const {
    if (auto failed = CheckField<BraeExternalSymbol>("External Symbol", row.ExternalSymbol.ToString());
        !failed.empty())
        return failed;
    const BraeGroupInstrumentDefinition* found = nullptr;
    std::string expiry;
    const auto& instruments = session_.Instruments;
    if (row.ExternalSymbol.IsBlank()) {
        if (auto failed =
                CheckField<MRPString<20, 32, MValAccept>>("Class Symbol", row.ClassSymbol.ToString());
            !failed.empty())
            return failed;
        const std::string callPutText = row.CallPutCode.ToString();
        if (auto failed = CheckField<MString<64, 10, MValAccept>>("Call Put Code", callPutText);
            !failed.empty())
            return failed;
        char callPut = ' ';
        if (!ParseCallPut(callPutText, callPut)) return "Call Put Code is filled with an invalid value";
        const std::string strike = row.StrikePrice.ToString();
        if (!strike.empty()) {
            if (auto failed = CheckField<BraePrice>("Strike Price", strike); !failed.empty()) return failed;
        }
        expiry = row.ExpirationDate.ToString();
        if (!IsDate(expiry)) return "Expiration Date contains an invalid date value";
        if (row.ClassSymbol.IsBlank()) return "The instrument field is not completely populated";
        const auto at = byClass_.find(ClassKey(row.ClassSymbol.ToPaddedString(), callPut, strike, expiry));
        if (at != byClass_.end()) found = &instruments[at->second];
    } else {
        const auto at = bySymbol_.find(row.ExternalSymbol.ToPaddedString());
        if (at != bySymbol_.end()) {
            found = &instruments[at->second];
            expiry = found->ExpirationDate.ToString();
        }
    }
    if (!found) return "The instrument cannot be found";
    entry.Group = found->Group;
    entry.Instrument = found->Instrument;

    const std::string reportDate = row.ReportDate.ToString();
    if (!IsDate(reportDate)) return "Report Date contains an invalid date value";
    if (reportDate > expiry) return "Invalid Instrument For Specified Report Date";
    entry.ReportDate = row.ReportDate;
    // A quantity left empty (all '0's) needs no check; any other text is checked, also one that
    // reads as 0 (a zero byte counts as a zero digit) and would otherwise go out as it stands.
    if (!row.LongQuantity.IsBlank()) {
        if (auto failed = CheckField<BraeNb8>("Long Quantity", row.LongQuantity.ToString()); !failed.empty())
            return failed;
    }
    entry.LongQuantity = row.LongQuantity;
    if (!row.ShortQuantity.IsBlank()) {
        if (auto failed = CheckField<BraeNb8>("Short Quantity", row.ShortQuantity.ToString());
            !failed.empty())
            return failed;
    }
    entry.ShortQuantity = row.ShortQuantity;
    if (row.AccountNumber.IsBlank()) return "The account number field is empty";
    if (auto failed = CheckField<BraeKTSAccountNumber>("Account Number", row.AccountNumber.ToString());
        !failed.empty())
        return failed;
    if (!accounts_.contains(row.AccountNumber.ToPaddedString())) return "The account number does not exist";
    entry.AccountNumber = row.AccountNumber;
    if (row.LongQuantity.GetValue() == 0 && row.ShortQuantity.GetValue() == 0)
        return "A position must be defined";
    return {};
}

bool PositionImporter::SendRecords(TCommandCSVData<PositionImport>& data, std::FILE* log) {
    sent_ = 0;
    const int32_t records = data.GetRecordCount();
    for (int32_t index = 2; index <= records; ++index) {
        Brae_PN_PositionEntry entry;
        const std::string reason = CheckRow(data.Records[static_cast<std::size_t>(index - 1)], entry);
        if (!reason.empty()) {
            const int32_t line = data.GetLineOfRecord(static_cast<uint32_t>(index));
            CommandCSVData::WriteImportLogLine(log, "GeneralError", line, reason);
            continue;
        }
        if (sent_ == 0) SendDelimiter(true);
        session_.SendCommand(entry, CommandDescription{EnumActionType::Add, EnumBusinessItemType::Position,
                                                       "Position Import ", false});
        ++sent_;
    }
    if (sent_ == 0) return false;
    SendDelimiter(false);
    return sent_ == records - 1;
}

void PositionImporter::SendDelimiter(bool start) {
    const EnumBraeDelimiterType type =
        start ? EnumBraeDelimiterType::StartOfPositionImport : EnumBraeDelimiterType::EndOfPositionImport;
    Brae_IU_BroadcastDelimiterL2 delimiter;
    delimiter.BroadcastTiming.Set(EnumBraeBroadcastTiming::Unscheduled);
    delimiter.SetDelimiterType(type);
    session_.SendCommand(delimiter,
                         CommandDescription{EnumActionType::Add, EnumBusinessItemType::Position,
                                            start ? "StartOfPositionImport" : "EndOfPositionImport", false});
}
