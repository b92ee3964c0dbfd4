#include "fields/MTraceDescFormat.h"

#include <iomanip>
#include <ostream>

#include "core/MTrace.h"

MTraceDescFormat::MTraceDescFormat() : MDescFormat("\n", kNameWidth, false) {}

void MTraceDescFormat::WriteText(const std::string& name, const std::string& value) {
    std::ostream& stream = GetTraceStream();
    if (name.empty() && value.empty()) {
        stream << std::endl;
        return;
    }
    const std::ios_base::fmtflags flags = stream.flags();
    const char fill = stream.fill();
    stream << std::left << std::setfill(' ') << std::setw(kNameWidth) << name;
    stream.flags(flags);
    stream.fill(fill);
    if (!value.empty()) stream << '[' << value << ']';
    stream << '\n';
}

MTraceDescFormat& GetTraceDescFormat() {
    static MTraceDescFormat format;
    return format;
}
