#pragma once
// The position import without a window: loads a ';'-delimited file of PositionImport rows, checks
// every data row against the session's instruments and accounts, sends one position entry per
// good row between a start and an end delimiter, and writes the import log's blocks. The lookups
// are built once per import, each keeping the first match in stored order. One thread.
#include <cstdint>
#include <cstdio>
#include <string>
#include <unordered_map>
#include <unordered_set>

#include "brae/Brae_PN_PositionEntry.h"
#include "store/PositionImport.h"
#include "store/TCommandCSVData.h"

class KVNEventManager;

class PositionImporter {
public:
    explicit PositionImporter(KVNEventManager& session);

    // Writes the loading block of the log and reads fileName into data: the reader's error lines
    // and the processing heading, or, when the file cannot be read, its error text and the failure
    // line. False in that case.
    static bool Load(TCommandCSVData<PositionImport>& data, const std::string& fileName, std::FILE* log);
    // Checks and sends every record after the header in file order, one log line per refused row.
    // True only when every data row was sent. Sent() counts the rows sent.
    bool SendRecords(TCommandCSVData<PositionImport>& data, std::FILE* log);
    int32_t Sent() const { return sent_; }

    // The reason the row is refused, or empty with the entry filled.
    std::string CheckRow(const PositionImport& row, Brae_PN_PositionEntry& entry) const;

    static constexpr const char* kNoRowCaption = "No Position imported";
    static constexpr const char* kNoRowMessage =
        "WARNING: The submission of an import positions data file with 0 record will be considered "
        "a failure to submit.";

private:
    void SendDelimiter(bool start);

    KVNEventManager& session_;
    // External symbol (30 characters) -> first definition; class symbol (20), call/put letter,
    // strike price as a canonical number and expiry (8) -> first definition.
    std::unordered_map<std::string, std::size_t> bySymbol_;
    std::unordered_map<std::string, std::size_t> byClass_;
    std::unordered_set<std::string> accounts_;  // 16 characters
    int32_t sent_ = 0;
};
