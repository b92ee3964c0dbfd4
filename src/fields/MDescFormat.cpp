#include "fields/MDescFormat.h"

#include <cstdio>

#include "fields/MObjectClassFunction.h"
#include "fields/MObjectFunction.h"

MDescFormat::MDescFormat(std::string separator, int nameWidth, bool raw)
    : MObjectFormat(true),
      separator_(std::move(separator)),
      raw_(raw),
      path_('.', 200),
      nameWidth_(nameWidth) {}

void MDescFormat::ProcessField(MObjectFunction& field) {
    const std::string name = path_.GetText();
    if (IsWriting()) {
        field.WriteText(*this, name);
    } else {
        field.ReadText(*this, name);
    }
}

void MDescFormat::PushContext(MObjectClassFunction& names) {
    contexts_.push_back({&names, 0});
}

bool MDescFormat::NextName() {
    if (contexts_.empty()) return true;
    Context& top = contexts_.back();
    const int index = top.next++;
    path_.SetLevel(static_cast<unsigned>(contexts_.size()), top.names->GetFieldName(index));
    return true;
}

void MDescFormat::PopContext() {
    if (!contexts_.empty()) contexts_.pop_back();
}

void MDescFormat::BeginObject(MObjectClassFunction& names) {
    PushContext(names);
}
bool MDescFormat::NextField() {
    return NextName();
}
void MDescFormat::EndObject() {
    PopContext();
}
void MDescFormat::BeginArray(MObjectClassFunction& names) {
    PushContext(names);
}
bool MDescFormat::NextArrayItem() {
    return NextName();
}
void MDescFormat::EndArray() {
    PopContext();
}

void MDescFormat::Reset() {
    if (output_) output_->clear();
}

void MDescFormat::Start(const char* root, int length) {
    StartPath(root && length > 0 ? std::string(root, static_cast<std::size_t>(length)) : std::string(),
              IsWriting());
}

const char* MDescFormat::GetData() const {
    return output_ ? output_->c_str() : nullptr;
}

int MDescFormat::GetPosition() const {
    return output_ ? static_cast<int>(output_->size()) : 0;
}

void MDescFormat::SetOutput(std::string* output) {
    output_ = output;
}

void MDescFormat::StartPath(const std::string& root, bool writing) {
    WritingFlag() = writing;
    path_.Clear();
    path_.SetLevel(0, root.c_str());
}

void MDescFormat::WriteText(const std::string& name, const std::string& value) {
    if (!output_) {
        std::printf("%-*s [%s]%s", nameWidth_, name.c_str(), value.c_str(), separator_.c_str());
        return;
    }
    if (!output_->empty()) *output_ += separator_;
    *output_ += name;
    if (static_cast<int>(name.size()) < nameWidth_) output_->append(nameWidth_ - name.size(), ' ');
    *output_ += " [";
    *output_ += value;
    *output_ += ']';
}

// An entry starts at position with the whole name: the name, then the blanks up to its value.
bool MDescFormat::IsEntryAt(std::size_t position, const std::string& name) const {
    const std::string& text = *output_;
    if (text.compare(position, name.size(), name) != 0) return false;
    std::size_t k = position + name.size();
    if (k >= text.size() || text[k] != ' ') return false;
    while (k < text.size() && text[k] == ' ') ++k;
    return k < text.size() && text[k] == '[';
}

std::string MDescFormat::ReadText(const std::string& name) {
    found_ = false;
    if (!output_) return std::string();
    const std::string& text = *output_;
    std::size_t position = std::string::npos;
    if (IsEntryAt(0, name)) {
        position = 0;
    } else {
        const std::string key = separator_ + name;
        for (std::size_t at = text.find(key); at != std::string::npos; at = text.find(key, at + 1)) {
            if (IsEntryAt(at + separator_.size(), name)) {
                position = at + separator_.size();
                break;
            }
        }
    }
    if (position == std::string::npos) return std::string();
    const std::size_t open = text.find('[', position);
    if (open == std::string::npos) return std::string();
    const std::size_t close = text.find(']', open + 1);
    if (close == std::string::npos) return std::string();
    found_ = true;
    return text.substr(open + 1, close - open - 1);
}
