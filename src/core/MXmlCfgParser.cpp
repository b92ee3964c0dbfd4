#include "core/MXmlCfgParser.h"

namespace {
MXmlCfgParser xmlCfgParser;
}

MXmlCfgParser& GetXmlCfgParser() {
    return xmlCfgParser;
}

std::string GetXmlTagValue(const MXmlCfgParser& parser, const std::string& name) {
    for (const MXmlCfgParser::MXmlCfgTag& tag : parser.GetTags()) {
        if (tag.name == name) return tag.value;
    }
    return std::string();
}
