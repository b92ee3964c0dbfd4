#include "net/LookupFrameworkSetting.h"

#include <cstdlib>

#include "core/MError.h"
#include "core/MXmlCfgParser.h"
#include "core/SettingsUsed.h"

std::string LookupFrameworkSetting(const std::string& name, const std::string& defaultValue, bool report) {
    const char* source = "Xml";
    std::string value = GetXmlTagValue(GetXmlCfgParser(), name);
    if (value.empty()) {
        if (const char* env = std::getenv(name.c_str())) {
            source = "Env";
            value = env;
        } else {
            source = "Default";
            value = defaultValue;
        }
    }
    if (report) {
        LogSettingValue(source, name, name, value, defaultValue);
        RecordSettingUsed(name.c_str(), value.c_str());
    }
    return value;
}
