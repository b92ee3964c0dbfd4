#include "fields/MTitleFormat.h"

#include <algorithm>

#include "fields/MStaticClassFunction.h"

MTitleFormat::MTitleFormat() : path_('.', 200) {}

void MTitleFormat::ProcessField(MStaticFunction&) {
    AddTitle(path_.GetText());
}

void MTitleFormat::BeginObject(MStaticClassFunction& names) {
    contexts_.push_back({&names, 0});
}

bool MTitleFormat::NextField() {
    if (skipDepth_ != 0) return false;
    if (contexts_.empty()) return true;
    Context& top = contexts_.back();
    const int index = top.next++;
    path_.SetLevel(static_cast<unsigned>(contexts_.size()), top.names->GetFieldName(index));
    return true;
}

void MTitleFormat::EndObject() {
    if (!contexts_.empty()) contexts_.pop_back();
}

void MTitleFormat::BeginArray(MStaticClassFunction&) {
    ++skipDepth_;
}

bool MTitleFormat::NextArrayItem() {
    return false;
}

void MTitleFormat::EndArray() {
    --skipDepth_;
}

void MTitleFormat::Reset() {
    titles_.clear();
    longest_ = 0;
    visibility_.clear();
}

bool& MTitleFormat::AddTitle(const std::string& title) {
    titles_.push_back(title);
    longest_ = std::max(longest_, static_cast<int>(title.size()));
    bool& visible = visibility_[title];
    visible = true;
    return visible;
}

const char* MTitleFormat::GetTitle(int index, unsigned* length) const {
    const std::string& title = titles_[static_cast<std::size_t>(index)];
    if (length) *length = static_cast<unsigned>(title.size());
    return title.c_str();
}
