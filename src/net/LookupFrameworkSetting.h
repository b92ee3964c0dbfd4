#pragma once
// A framework setting: the XML configuration tag of that name when it is not empty ("Xml"), else
// the environment variable of that name when it is set ("Env"), else the default ("Default").
// With report, the settings report line is logged and the pair recorded as a setting in use.
#include <string>

std::string LookupFrameworkSetting(const std::string& name, const std::string& defaultValue, bool report);
