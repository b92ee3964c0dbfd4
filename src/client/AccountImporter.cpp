#include "client/AccountImporter.h"

#include <exception>

#include "brae/Brae_IU_BroadcastDelimiterL2.h"
#include "core/MError.h"
#include "core/MException.h"
#include "fields/WindowTools.h"
#include "session/KVNEventManager.h"

namespace {

void WriteText(std::FILE* log, const std::string& text) {
    CommandCSVData::WriteImportLogText(log, text);
}

// The log line of a refused row: "line;GeneralError;message;", without the number when it is 0.
void WriteGeneralError(std::FILE* log, const std::string& message, int32_t line) {
    CommandCSVData::WriteImportLogLine(log, "GeneralError", line, message);
}

constexpr const char* kMandatory = "All mandatory fields have not been filled";

// Checks a text field and copies it into the entry's field.
template <class T>
bool CopyField(const char* label, const T& source, T& target, std::string& error) {
    error = label;
    if (!AccountImporter::CheckImportField<T>(source.ToString(), error)) return false;
    target = source;
    return true;
}

}  // namespace

template <class T>
bool AccountImporter::CheckImportField(const std::string& text, std::string& error) {
    // The whole text: a zero byte read from the file is refused, not taken for its end.
    if (!CheckForbiddenCharacters(text)) {
        error += " contains an invalid character";
        return false;
    }
    if (const char* message = T::CheckText(text.c_str())) {
        error += std::string(" - ") + message;
        return false;
    }
    return true;
}

template <class F>
bool AccountImporter::CheckImportEnum(const std::string& text, F& value) {
    using E = decltype(value.Get());
    for (const auto& row : MEnumTable<E>::kRows) {
        if ((text.size() == 1 && text[0] == static_cast<char>(row.letter)) ||
            (text.size() != 1 && text == row.name)) {
            value.Set(row.letter);
            return true;
        }
    }
    return false;
}

AccountImporter::AccountImporter(KVNEventManager& session) : session_(session) {}

std::string AccountImporter::CheckRow(const AccountImport& row, Brae_AN_AccountEntry& entry) {
    std::string error;
    if (!CopyField("Affiliated Company Name", row.AffiliatedCie, entry.AffiliatedCie, error)) return error;
    error = "Account Number";
    if (!CheckImportField<BraeKTSAccountNumber>(row.AccountNumber.ToString(), error)) return error;
    entry.AccountNumber = row.AccountNumber;

    using EnumText = MString<64, 10, MValAccept>;
    error = "Account Type";
    if (!CheckImportField<EnumText>(row.AccountType.ToString(), error)) return error;
    if (!CheckImportEnum(row.AccountType.ToString(), entry.AccountType) ||
        entry.AccountType.Is(EnumBraeKTSAccountType::InternalMaster))
        return "Account type is filled with an invalid value";
    error = "Account Owner Type";
    if (!CheckImportField<EnumText>(row.AccountOwnerType.ToString(), error)) return error;
    if (!CheckImportEnum(row.AccountOwnerType.ToString(), entry.AccountOwnerType))
        return "Account Owner type is filled with an invalid value";
    if (!CopyField("Owner Id", row.OwnerId, entry.OwnerId, error)) return error;
    error = "Hedge/Speculator";
    if (!CheckImportField<EnumText>(row.HedgeSpec.ToString(), error)) return error;
    if (!CheckImportEnum(row.HedgeSpec.ToString(), entry.HedgeSpec) ||
        entry.HedgeSpec.Is(EnumBraeHedgeSpec::Default))
        return "Hedge/Speculator is filled with an invalid value";
    if (row.CountryCode.Is(0u)) return "Country Code is filled with an invalid value";
    entry.CountryCode = row.CountryCode;
    if (!CopyField("Name", row.Name, entry.Name, error) ||
        !CopyField("Address", row.Address, entry.Address, error) ||
        !CopyField("City", row.City, entry.City, error) ||
        !CopyField("State", row.State, entry.State, error) ||
        !CopyField("Zip/PostalCode", row.ZipPostalCode, entry.ZipPostalCode, error) ||
        !CopyField("Phone", row.Phone, entry.Phone, error) || !CopyField("Fax", row.Fax, entry.Fax, error) ||
        !CopyField("Email", row.Email, entry.Email, error))
        return error;
    if (row.AccountNumber.IsBlank() || row.OwnerId.IsBlank() || row.Name.IsBlank() || row.Address.IsBlank() ||
        row.City.IsBlank() || row.State.IsBlank() || row.ZipPostalCode.IsBlank())
        return kMandatory;
    return {};
}

void AccountImporter::SendDelimiter(bool start) {
    Brae_IU_BroadcastDelimiterL2 delimiter;
    delimiter.BroadcastTiming.Set(EnumBraeBroadcastTiming::Unscheduled);
    delimiter.SetDelimiterType(start ? EnumBraeDelimiterType::StartOfAccountImport
                                     : EnumBraeDelimiterType::EndOfAccountImport);
    session_.SendCommand(delimiter,
                         CommandDescription{EnumActionType::Add, EnumBusinessItemType::Account,
                                            start ? "StartOfAccountImport" : "EndOfAccountImport", false});
}

bool AccountImporter::ValidateRecords(TCommandCSVData<AccountImport>& data, std::FILE* log) {
    const int32_t records = data.GetRecordCount();
    for (int32_t i = 1; i < records; ++i) {
        Brae_AN_AccountEntry entry;
        const std::string failed = CheckRow(data.Records[static_cast<std::size_t>(i)], entry);
        if (!failed.empty()) {
            WriteGeneralError(log, failed, data.GetLineOfRecord(static_cast<uint32_t>(i + 1)));
            continue;
        }
        if (imported_ == 0) SendDelimiter(true);
        session_.SendCommand(entry, CommandDescription{EnumActionType::Add, EnumBusinessItemType::Account,
                                                       "Account Import ", false});
        ++imported_;
    }
    if (imported_ > 0) SendDelimiter(false);
    return records == imported_ + 1;
}

bool AccountImporter::Run(const std::string& fileName, const std::string& logFileName,
                          TCommandCSVData<AccountImport>& data) {
    imported_ = 0;
    std::FILE* log = std::fopen(logFileName.c_str(), "w");
    if (!log) {
        MLOG(LOG_ERROR, "Unable to create log file: '%s'", logFileName.c_str());
        return false;
    }
    bool result = false;
    try {
        WriteText(log, "Start of loading data ...\n\n");
        std::string error;
        if (!data.LoadFile(fileName, error)) {
            WriteText(log, error);
            WriteText(log, "Failure of loading data ...\n\n");
            CommandCSVData::CloseImportLog(log, logFileName);
            return false;
        }
        for (const std::string& line : data.GetErrorLines()) WriteText(log, line);
        WriteText(log, "\n\nStart of processing loaded data ...\n\n");
        result = ValidateRecords(data, log);
    } catch (const MException&) {
        // The framework's own exception ends the import as a standard one does.
        WriteGeneralError(log, "import failed", 0);
        result = false;
    } catch (const std::exception&) {
        WriteGeneralError(log, "import failed", 0);
        result = false;
    }
    data.WriteImportSummary(log, imported_, true);
    // A log that could not be written whole fails the import, whatever was sent.
    return CommandCSVData::CloseImportLog(log, logFileName) && result;
}
