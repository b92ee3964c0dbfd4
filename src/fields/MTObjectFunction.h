#pragma once
// Field binder of one field of value type T: holds the field's address and forwards every request
// to T through the value-type contract (MValueType.h). Built on the stack by FormatField for one
// ProcessField call; CreateInterface and Clone allocate, nothing else does.
#include <memory>
#include <string>

#include "fields/MDescFormat.h"
#include "fields/MObjectFormat.h"
#include "fields/MObjectFunction.h"
#include "fields/MTInterface.h"
#include "fields/MValueType.h"

template <MValueType T>
class MTObjectFunction : public MObjectFunction {
public:
    explicit MTObjectFunction(T* field) : field_(field) {}

    void WriteText(MDescFormat& format, const std::string& name) override {
        format.WriteText(name, DescriptionOf(*field_, format.IsRaw()));
    }
    void ReadText(MDescFormat& format, const std::string& name) override {
        SetFromDescription(*field_, format.ReadText(name));
    }
    void WriteFixed(MMsgFormat& format) override { field_->WriteFixed(format); }
    void ReadFixed(MMsgFormat& format) override { field_->ReadFixed(format); }
    std::unique_ptr<MInterface> CreateInterface() const override {
        return std::make_unique<MTInterface<T>>(field_);
    }
    const char* GetText(int* length, bool* terminated) const override {
        int textLength = 0;
        bool textTerminated = false;
        const char* text = field_->GetText(&textLength, &textTerminated);
        if (length) *length = textLength;
        if (terminated) *terminated = textTerminated;
        return text;
    }
    void SetText(const char* text, int length, bool terminated) override { field_->SetText(text, length); }
    void* GetField() const override { return field_; }
    void SetField(void* field) override { field_ = static_cast<T*>(field); }
    bool IsEqual(const void* other) const override { return field_->IsEqual(*static_cast<const T*>(other)); }
    void Clear() override { field_->Clear(); }
    std::unique_ptr<MObjectFunction> Clone() const override {
        return std::make_unique<MTObjectFunction<T>>(field_);
    }

private:
    T* field_;
};

// Hands one field to a format through a temporary binder.
template <MValueType T>
void FormatField(T& field, MObjectFormat& format) {
    MTObjectFunction<T> binder(&field);
    format.ProcessField(binder);
}
