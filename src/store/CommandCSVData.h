#pragma once
// Reader of one ';'-delimited import file (accounts or positions), line by line, into records,
// collecting what the import log needs: an error line per line that failed to read, the file line
// of every record and the closing summary of counts. The record handling comes from the derived
// TCommandCSVData<T> through the four virtual operations. Each physical line is read whole,
// whatever its length. Owns its file while one is open; one thread.
#include <cstdint>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "fields/MCSVReader.h"
#include "fields/MCSVWriter.h"

class CommandCSVData {
public:
    CommandCSVData();
    CommandCSVData(const CommandCSVData&) = delete;
    CommandCSVData& operator=(const CommandCSVData&) = delete;
    virtual ~CommandCSVData();

    // Turns the line loaded in Reader into a record.
    virtual void ReadRecord() {}
    // Writes every record as one line; returns the number written.
    virtual int32_t WriteRecords() { return 0; }
    virtual void ClearRecords() {}
    virtual int32_t GetRecordCount() const { return 0; }

    // Reads every line of the file: comment lines ("#" first) are counted and skipped, every other
    // line (its line feed removed) is handed to ReadRecord. A line whose reading raises gives an
    // error line, the error text and a level-3 log line, and the load goes on. False, with the
    // error text, when the file cannot be opened.
    bool LoadFile(const std::string& fileName, std::string& errorText);
    // The error lines, each ending with a line feed.
    const std::vector<std::string>& GetErrorLines() const { return ErrorLines; }
    // The file line of record number index (from 1), 0 when none is recorded.
    int32_t GetLineOfRecord(uint32_t index) const;
    // Writes LineText and a line feed to the open file; nothing when none is open.
    void WriteLine();
    // The summary block of an import log; nothing when log is null. With header set, the first
    // data line (the file's header) is not counted.
    void WriteImportSummary(std::FILE* log, int32_t imported, bool header) const;
    // Closes an import log; false, with a level-3 line, when a write or the close failed (a
    // full disk), so that the import fails.
    static bool CloseImportLog(std::FILE* log, const std::string& fileName);
    // Writes text into an import log (nothing without a file). Only the first failed write is
    // logged: on a full disk every later one fails as well, and the close reports it.
    static void WriteImportLogText(std::FILE* log, const std::string& text);
    // The log line "line;kind;message;" (without the number when it is 0), ended by a line feed.
    static void WriteImportLogLine(std::FILE* log, const std::string& kind, int32_t line,
                                   const std::string& message);
    bool IsModified() const { return Modified; }

protected:
    std::FILE* File = nullptr;
    std::vector<std::string> ErrorLines;
    std::string LineText;  // the line the writer fills
    std::string ReadText;  // the line the reader reads
    MCSVReader Reader{';'};
    MCSVWriter Writer{&LineText, ";"};
    std::map<uint32_t, int32_t> RecordLines;
    bool Modified = false;
    std::string FileName;
    int32_t LineCounter = 0;      // physical lines read, comment lines included
    int32_t DataLineCounter = 0;  // lines handed to ReadRecord
};
