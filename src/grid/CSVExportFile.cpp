#include "grid/CSVExportFile.h"

#include <filesystem>
#include <system_error>

std::string CSVExportFile::Directory(const std::string& directory, const std::string& fallback) {
    std::error_code error;
    std::string chosen =
        !directory.empty() && std::filesystem::is_directory(directory, error) ? directory : fallback;
    if (chosen.empty() || (chosen.back() != '/' && chosen.back() != '\\')) chosen += '/';
    return chosen;
}

std::string CSVExportFile::FileName(const std::string& directory, const std::string& title,
                                    const std::set<char>& invalid, const std::string& stamp) {
    std::string name = title;
    for (char& c : name)
        if (invalid.count(c) != 0) c = '_';
    return directory + name + "_" + stamp + ".csv";
}

void CSVExportFile::AppendLine(std::string& buffer, int colCount, int row, const CellText& text) {
    for (int col = 1; col < colCount; ++col) {
        buffer += text(col, row);
        buffer += ';';
    }
    buffer += '\n';
}

void CSVExportFile::AppendLines(std::string& buffer, int colCount, int rowCount, const CellText& text) {
    const std::size_t start = buffer.size();
    for (int row = 0; row < rowCount; ++row) {
        AppendLine(buffer, colCount, row, text);
        // The title line's length tells the size of the whole: reserved once, grown geometrically.
        if (row == 0 && rowCount > 1)
            buffer.reserve(start + (buffer.size() - start) * static_cast<std::size_t>(rowCount) * 5 / 4);
    }
}

std::string CSVExportFile::Lines(int colCount, int rowCount, const CellText& text) {
    std::string buffer;
    AppendLines(buffer, colCount, rowCount, text);
    return buffer;
}
