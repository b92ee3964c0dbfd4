#pragma once
// What an open or save file dialog is asked for. The filter is "Description|*.EXT" pairs joined
// by '|', several patterns of one description joined by ';'.
#include <string>
#include <vector>

struct FileDialogSpec {
    std::string title;
    std::string filter;
    std::string defaultExt;  // without the dot; added to a name typed without extension
    std::string initialDir;
    std::string fileName;  // proposed name
    bool mustExist = false;
    bool overwritePrompt = false;
    bool pathMustExist = false;

    // The filter as Qt's name filters, "Description (*.EXT *.ext)": each pattern is offered in its
    // own, lower and upper case, since Qt matches names case-sensitively on Linux.
    std::vector<std::string> NameFilters() const;
    // True when the path's file name matches a pattern of the filter in any case (or no filter).
    bool Matches(const std::string& path) const;
};
