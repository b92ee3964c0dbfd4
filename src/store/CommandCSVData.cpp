#include "store/CommandCSVData.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <exception>

#include "core/MError.h"
#include "core/MException.h"

CommandCSVData::CommandCSVData() = default;

CommandCSVData::~CommandCSVData() {
    if (File) std::fclose(File);
}

bool CommandCSVData::LoadFile(const std::string& fileName, std::string& errorText) {
    FileName = fileName;
    LineCounter = 0;
    DataLineCounter = 0;
    ErrorLines.clear();
    RecordLines.clear();
    if (File) std::fclose(File);
    File = std::fopen(fileName.c_str(), "r");
    if (!File) {
        errorText = "Unable to open the Data File: " + fileName;
        LogMessage(fileName.c_str(), 0, LOG_ERROR, "%s", errorText.c_str());
        return false;
    }
    ClearRecords();
    char* buffer = nullptr;
    std::size_t capacity = 0;
    while (!std::feof(File)) {
        const ssize_t length = ::getline(&buffer, &capacity, File);
        ++LineCounter;
        if (length < 0 && std::ferror(File)) {
            // A read error does not end in end of file (a directory, a failing device): the load
            // ends here.
            errorText = "Unable to read the Data File: " + fileName + ": " + std::strerror(errno);
            LogMessage(fileName.c_str(), static_cast<unsigned>(LineCounter), LOG_ERROR, "%s",
                       errorText.c_str());
            std::free(buffer);
            std::fclose(File);
            File = nullptr;
            return false;
        }
        if (length <= 0 || buffer[0] == '#') continue;
        ReadText.assign(buffer, static_cast<std::size_t>(length));
        if (ReadText.back() == '\n') ReadText.pop_back();
        ++DataLineCounter;
        Reader.SetInput(ReadText.data(), static_cast<int>(ReadText.size()));
        std::string failure;
        bool failed = false;
        try {
            ReadRecord();
        } catch (const MException& exception) {
            failed = true;
            failure = exception.GetText();
        } catch (const std::exception& exception) {
            failed = true;
            failure = exception.what();
        }
        if (!failed) continue;
        ErrorLines.push_back(std::to_string(LineCounter) + ";ImportError;Invalid data file format;\n");
        errorText = failure;
        LogMessage(FileName.c_str(), static_cast<unsigned>(LineCounter), LOG_ERROR, "%s", failure.c_str());
    }
    std::free(buffer);
    std::fclose(File);
    File = nullptr;
    Modified = false;
    return true;
}

int32_t CommandCSVData::GetLineOfRecord(uint32_t index) const {
    const auto at = RecordLines.find(index);
    return at == RecordLines.end() ? 0 : at->second;
}

void CommandCSVData::WriteLine() {
    if (!File) return;
    LineText += "\n";
    std::fwrite(LineText.data(), 1, LineText.size(), File);
}

void CommandCSVData::WriteImportSummary(std::FILE* log, int32_t imported, bool header) const {
    if (!log) return;
    const int32_t h = header ? 1 : 0;
    const int32_t records = GetRecordCount();
    std::fprintf(log, "\n\nImport summary ...\n\n");
    // An empty file (not even its header) counts no line, never a wrapped number.
    std::fprintf(log, "Numbers of lines processed: %d\n", std::max(DataLineCounter - h, 0));
    std::fprintf(log, "Number of lines imported: %d\n", imported);
    std::fprintf(log, "Number of syntax errors: %d\n", DataLineCounter - records);
    std::fprintf(log, "Number of business errors: %d\n", std::max(records - imported - h, 0));
}

bool CommandCSVData::CloseImportLog(std::FILE* log, const std::string& fileName) {
    if (!log) return false;
    const bool written = std::ferror(log) == 0;
    const bool closed = std::fclose(log) == 0;
    if (written && closed) return true;
    MLOG(LOG_ERROR, "Import log '%s' not written completely: the import fails", fileName.c_str());
    return false;
}

void CommandCSVData::WriteImportLogText(std::FILE* log, const std::string& text) {
    if (!log) return;
    const bool failedBefore = std::ferror(log) != 0;
    if (std::fwrite(text.data(), 1, text.size(), log) != text.size() && !failedBefore)
        MLOG(LOG_ERROR, "Import log line not written: %s", text.c_str());
}

void CommandCSVData::WriteImportLogLine(std::FILE* log, const std::string& kind, int32_t line,
                                        const std::string& message) {
    WriteImportLogText(
        log, (line == 0 ? std::string() : std::to_string(line)) + ";" + kind + ";" + message + ";\n");
}
