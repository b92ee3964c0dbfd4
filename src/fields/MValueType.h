#pragma once
// The value-type contract: what the field binders (MTObjectFunction<T>) and the column descriptors
// (MTInterface<T>) ask of a field's value type T, and nothing else. A new value type plugs into
// every format and every column by offering these members:
//
//   T(const std::string& operand)            a value comparable with fields (filter operands)
//   void Clear()                             back to the null or initial value
//   std::string ToString() const             display text (columns, text filters)
//   const char* GetText(int* length, bool* terminated) const
//                                            delimited-text form: the characters (in place, or in
//                                            a buffer of the type) and their count; terminated
//                                            tells whether a zero byte follows them
//   void SetText(const char* text, int length)   value from exactly length characters
//   void SetText(const char* text)           value from a zero-terminated text (column edits)
//   static const char* CheckText(const char* text)   null when acceptable, else the message
//   bool IsLess/IsLessOrEqual/IsGreaterOrEqual/IsGreater/IsEqual(const T&) const   value order
//   void WriteFixed(MMsgFormat&) const, void ReadFixed(MMsgFormat&)   monitor-message form
//   static void SetupInterface(MInterface&)  column kind, width, value texts, edit mask, set texts
//   static const char* GetTypeName()         literal type name, e.g. "MRPString<16,32,MValAccept>"
//
// and optionally, where its description differs from the defaults:
//
//   std::string ToDescription(bool raw) const     description text (default: ToString())
//   void SetDescription(const std::string& text)  value from a description (default: SetText(text, size))
//   int CompareText(const T& other) const         the order of the two ToString texts (<0, 0, >0),
//                                                 for columns that sort by text, without building them
//   static constexpr bool kTextIsDisplayText      true when GetText gives the ToString text, so that
//                                                 column filters read it without building a string
//   int WriteDisplayText(char* dest) const        else: the ToString text into dest of
//   static constexpr int kTextCapacity            kTextCapacity characters; returns its length
//   static bool IsConstantOperand(const std::string&)   false for an operand whose value is not its
//                                                 text alone (a time relative to now): filters then
//                                                 read it afresh for every record instead of once
#include <concepts>
#include <cstddef>
#include <string>
#include <string_view>

class MInterface;
class MMsgFormat;

template <class T>
concept MValueType = requires(T& value, const T& constValue, const char* text, int length, int* lengthOut,
                              bool* terminated, const std::string& operand, MMsgFormat& message,
                              MInterface& column) {
    T(operand);
    value.Clear();
    { constValue.ToString() } -> std::convertible_to<std::string>;
    { constValue.GetText(lengthOut, terminated) } -> std::convertible_to<const char*>;
    value.SetText(text, length);
    value.SetText(text);
    { T::CheckText(text) } -> std::convertible_to<const char*>;
    { constValue.IsLess(constValue) } -> std::convertible_to<bool>;
    { constValue.IsLessOrEqual(constValue) } -> std::convertible_to<bool>;
    { constValue.IsGreaterOrEqual(constValue) } -> std::convertible_to<bool>;
    { constValue.IsGreater(constValue) } -> std::convertible_to<bool>;
    { constValue.IsEqual(constValue) } -> std::convertible_to<bool>;
    constValue.WriteFixed(message);
    value.ReadFixed(message);
    T::SetupInterface(column);
    { T::GetTypeName() } -> std::convertible_to<const char*>;
};

// The description text of a value (the raw flag of the description format shows stored forms).
template <MValueType T>
std::string DescriptionOf(const T& value, bool raw) {
    if constexpr (requires {
                      { value.ToDescription(raw) } -> std::convertible_to<std::string>;
                  }) {
        return value.ToDescription(raw);
    } else {
        return value.ToString();
    }
}

// Sets a value from the text a description gives for it.
template <MValueType T>
void SetFromDescription(T& value, const std::string& text) {
    if constexpr (requires { value.SetDescription(text); }) {
        value.SetDescription(text);
    } else {
        value.SetText(text.data(), static_cast<int>(text.size()));
    }
}

// The display text (ToString) of a value as a view: the type's GetText where that is the display
// text, else written or built into scratch (whose storage is reused). Valid until the next
// GetText of the type on this thread or the next change of scratch.
template <MValueType T>
std::string_view DisplayTextOf(const T& value, std::string& scratch) {
    if constexpr (requires { requires T::kTextIsDisplayText; }) {
        int length = 0;
        const char* text = value.GetText(&length, nullptr);
        return std::string_view(text, static_cast<std::size_t>(length));
    } else if constexpr (requires(char* dest) { value.WriteDisplayText(dest); }) {
        scratch.resize(T::kTextCapacity);
        scratch.resize(static_cast<std::size_t>(value.WriteDisplayText(scratch.data())));
        return scratch;
    } else {
        scratch = value.ToString();
        return scratch;
    }
}
