#pragma once
// The account import without a window: opens the import log, loads a ';'-delimited file of
// AccountImport rows, checks every data row field by field, sends one account entry per good row
// between a start and an end delimiter (none without a good row), writes one log line per refused
// row and ends the log with the summary. One thread.
#include <cstdint>
#include <cstdio>
#include <string>

#include "brae/Brae_AN_AccountEntry.h"
#include "store/AccountImport.h"
#include "store/TCommandCSVData.h"

class KVNEventManager;

class AccountImporter {
public:
    explicit AccountImporter(KVNEventManager& session);

    // The whole import into the log file logFileName. False when the log cannot be created, the
    // file cannot be read, a row is refused or anything fails unexpectedly.
    bool Run(const std::string& fileName, const std::string& logFileName,
             TCommandCSVData<AccountImport>& data);
    // Checks and sends every record after the header; true only when every data row was sent.
    bool ValidateRecords(TCommandCSVData<AccountImport>& data, std::FILE* log);
    int32_t Imported() const { return imported_; }

    // The reason the row is refused, or empty with the entry filled.
    static std::string CheckRow(const AccountImport& row, Brae_AN_AccountEntry& entry);
    // The text of a field, without its trailing blanks, free of forbidden characters and accepted
    // by its type; else false, with the reason appended to error (which holds the field's label).
    template <class T>
    static bool CheckImportField(const std::string& text, std::string& error);
    // A text of one character must be one of the type's letters, any other text one of its names,
    // exactly; then it is stored in value.
    template <class F>
    static bool CheckImportEnum(const std::string& text, F& value);

private:
    void SendDelimiter(bool start);

    KVNEventManager& session_;
    int32_t imported_ = 0;
};
