#include "fields/MChar.h"

#include "fields/MInterface.h"
#include "fields/MMsgFormat.h"
#include "fields/MValPrintableChar.h"

const char* MChar::GetText(int* length, bool* terminated) const {
    if (length) *length = 1;
    if (terminated) *terminated = false;
    return reinterpret_cast<const char*>(&value_);
}

void MChar::SetText(const char* text, int length) {
    value_ = text && length > 0 ? static_cast<signed char>(text[0]) : ' ';
}

void MChar::SetText(const char* text) {
    value_ = text ? static_cast<signed char>(text[0]) : 0;
}

const char* MChar::CheckText(const char* text) {
    const MValPrintableChar validator(0, -1);
    return text && validator.IsCharValid(text[0]) ? nullptr : "Invalid char!";
}

void MChar::WriteFixed(MMsgFormat& format) const {
    format.Write(&value_, 1);
}

void MChar::ReadFixed(MMsgFormat& format) {
    const char* byte = format.GetCurrent();
    format.Skip(1);
    value_ = static_cast<signed char>(*byte);
}

void MChar::SetupInterface(MInterface& column) {
    column.SetKind(MInterface::kString);
    column.SetWidth(1);
}
