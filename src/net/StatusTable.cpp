#include "net/StatusTable.h"

void WriteTableHeader(const MStateDefs& states, MDescFormat& format, const std::string& firstColumns,
                      int64_t markedIndex) {
    std::string header = firstColumns;
    for (std::size_t i = 0; i < states.size(); ++i) {
        if (states[i].Name[0] == '\0') continue;
        header += static_cast<int64_t>(i) == markedIndex ? '*' : ' ';
        header += states[i].Name;
        header += " |";
    }
    format.WriteText(header, "");
    format.WriteText(std::string(header.size(), '='), "");
}
