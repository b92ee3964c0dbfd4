#pragma once
// What a grid window's CSV export writes, apart from the writing itself: the export directory,
// the file name and the lines. A line holds the display columns 1 to the last, each text followed
// by ";" (the last one too), without quoting, and ends with a line feed. The lines of a whole
// export go into one growing buffer that the writer takes over.
#include <functional>
#include <set>
#include <string>

class CSVExportFile {
public:
    using CellText = std::function<std::string(int col, int row)>;

    // The directory to export into: `directory` when it exists, else `fallback`; with a '/'
    // appended when it ends with neither '/' nor '\'.
    static std::string Directory(const std::string& directory, const std::string& fallback);
    // directory + title (every character of `invalid` replaced by "_") + "_" + stamp + ".csv";
    // stamp is the local date and time as "yyyymmddhhnnss".
    static std::string FileName(const std::string& directory, const std::string& title,
                                const std::set<char>& invalid, const std::string& stamp);
    // Appends the line of grid row `row` to `buffer`.
    static void AppendLine(std::string& buffer, int colCount, int row, const CellText& text);
    // Appends the lines of grid rows 0 (the titles) to rowCount - 1 to `buffer`.
    static void AppendLines(std::string& buffer, int colCount, int rowCount, const CellText& text);
    static std::string Lines(int colCount, int rowCount, const CellText& text);
};
