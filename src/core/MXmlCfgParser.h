#pragma once
// The framework's XML configuration, held as a flat list of tags (name, value, attributes) in
// configuration order, plus a list of texts. One process-wide instance (GetXmlCfgParser) lives
// from start-up to exit; nothing in this program loads a configuration into it, so its lists stay
// empty. Copies are deep. GUI thread only.
#include <string>
#include <vector>

class MXmlCfgParser {
public:
    struct MXmlCfgAttribute {
        std::string name;
        std::string value;
    };
    struct MXmlCfgTag {
        std::string name;
        std::string value;
        std::vector<MXmlCfgAttribute> attributes;
    };

    void AddTag(MXmlCfgTag tag) { tags_.push_back(std::move(tag)); }
    const std::vector<MXmlCfgTag>& GetTags() const { return tags_; }
    std::vector<std::string>& GetTexts() { return texts_; }
    void Clear() {
        tags_.clear();
        texts_.clear();
    }

private:
    std::vector<MXmlCfgTag> tags_;
    std::vector<std::string> texts_;
};

MXmlCfgParser& GetXmlCfgParser();

// The value of the first tag whose name equals name exactly; empty when none does.
std::string GetXmlTagValue(const MXmlCfgParser& parser, const std::string& name);
