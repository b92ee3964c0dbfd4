#pragma once
// Delimited-text writer: appends each field's text and then the delimiter to the caller's output,
// after every field, the last one included, with no quoting or escaping and no line end. The
// output belongs to the caller and must outlive the writer; ClearOutput (or Reset, or Start)
// empties it before each record. Costs one append per field.
#include <string>

#include "fields/MObjectFormat.h"

class MCSVWriter : public MObjectFormat {
public:
    MCSVWriter(std::string* output, std::string delimiter);

    void ProcessField(MObjectFunction& field) override;
    void Reset() override { ClearOutput(); }
    // Empties the output; the arguments are not used.
    void Start(const char* data, int length) override { ClearOutput(); }
    const char* GetData() const override { return output_ ? output_->c_str() : nullptr; }
    int GetPosition() const override { return output_ ? static_cast<int>(output_->size()) : 0; }

    void ClearOutput() {
        if (output_) output_->clear();
    }

private:
    std::string delimiter_;
    std::string* output_;
};
