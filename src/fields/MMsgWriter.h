#pragma once
// The growing monitor message writer: owns its buffer, 4,096 bytes at first, and doubles it
// whenever a field does not fit, so writing never fails for lack of room. Every field handed to
// it is written (its fixed form), whatever the writing flag says. A sender rewinds it, lets a
// record describe itself into it and sends GetData() with GetOffset() bytes. Reading operations
// answer nothing (GetCurrent and GetRemaining give null, Skip moves nothing). Not copyable.
#include <memory>

#include "fields/MMsgFormat.h"

class MMsgWriter : public MMsgFormat {
public:
    static constexpr int kInitialSize = 4096;

    MMsgWriter();
    MMsgWriter(const MMsgWriter&) = delete;
    MMsgWriter& operator=(const MMsgWriter&) = delete;

    void ProcessField(MObjectFunction& field) override;
    // Grows the buffer first when the bytes do not fit.
    void Write(const void* bytes, int length) override;
    void Skip(int count) override {}
    char* GetCurrent() override { return nullptr; }
    char* GetRemaining(int* length) override { return nullptr; }

    // Appends the delimiter, growing a full buffer first.
    virtual void AppendDelimiter();

private:
    // Doubles the capacity until needed more bytes fit after the position; keeps what was written.
    void Grow(int needed);

    std::unique_ptr<char[]> buffer_;
};
