#include "fields/MCSVWriter.h"

#include "fields/MObjectFunction.h"

MCSVWriter::MCSVWriter(std::string* output, std::string delimiter)
    : MObjectFormat(true), delimiter_(std::move(delimiter)), output_(output) {}

void MCSVWriter::ProcessField(MObjectFunction& field) {
    if (!output_) return;
    int length = 0;
    bool terminated = false;
    const char* text = field.GetText(&length, &terminated);
    if (text && length > 0) output_->append(text, static_cast<std::size_t>(length));
    *output_ += delimiter_;
}
