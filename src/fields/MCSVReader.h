#pragma once
// Delimited-text reader: gives each field, in describe order, the text from the read position up
// to the next delimiter, or, for the last field of the line, up to the end of the line less at most
// two trailing control bytes (below 32, such as CR and LF). No quoting: a delimiter inside a text
// splits it. Fields after the end of the line get the empty text (clear-missing flag set, the
// default) or are left as they are. The line belongs to the caller and must outlive the pass; the
// reader copies nothing itself.
#include <cstdint>

#include "fields/MObjectFormat.h"

class MCSVReader : public MObjectFormat {
public:
    explicit MCSVReader(char delimiter);

    void ProcessField(MObjectFunction& field) override;
    // Back to the start of the line.
    void Reset() override { position_ = 0; }
    void Start(const char* line, int length) override { SetInput(line, length); }
    const char* GetData() const override { return input_; }
    int GetPosition() const override { return static_cast<int>(position_); }

    // A new line of length characters (a negative length or null line reads as empty); position 0.
    void SetInput(const char* line, int length);

private:
    // The end of the line less at most two trailing control bytes.
    uint32_t TrimmedEnd() const;

    char delimiter_;
    const char* input_ = nullptr;
    uint32_t position_ = 0;
    uint32_t length_ = 0;
};
