#pragma once
// Enumeration field kept as an unsigned integer T (unsigned char, or the framework's 32-bit
// unsigned long): the index of the enumerator in the table of E, whose enumerator i has the value
// i; N is the number of enumerators. The text form is the enumerator's name; there is no wire
// letter. A value outside 0 to N-1 can be stored (a fixed read, a raw copy) and is kept: it shows
// as the empty text. A value is the integer alone; the name tables are constant data built at
// compile time, and the only per-type state is the buffer of the last failed check's message.
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <type_traits>

#include "core/MDigitText.h"
#include "fields/InvalidEnumMessage.h"
#include "fields/MComparable.h"
#include "fields/MEnumNames.h"
#include "fields/MEnumTable.h"
#include "fields/MInterface.h"
#include "fields/MMsgFormat.h"
#include "fields/MTypeName.h"

template <class T, class E, int N>
class MEnum : public MComparable<MEnum<T, E, N>> {
    friend class MComparable<MEnum<T, E, N>>;
    // Three-way order of the values, for MComparable.
    int Compare(const MEnum& other) const { return (value_ > other.value_) - (value_ < other.value_); }

    static_assert(std::is_enum_v<E>, "E is an enumeration");
    static_assert(N >= 1 && static_cast<unsigned long long>(N - 1) <= std::numeric_limits<T>::max(),
                  "every enumerator fits the stored integer");

    using Names = MEnumNames<E, N>;
    static_assert(Names::kSuppliedCount == N, "the table has one name per enumerator");
    static_assert(!Names::HasEmptyName(),
                  "names are not empty: the empty text stands for a value out of range");

public:
    static constexpr MTypeName kTypeName = MTypeName("MEnum<") + enum_names_detail::StorageTypeName<T>() +
                                           MTypeName(",") + MTypeName(MEnumTable<E>::kTypeName) +
                                           MTypeName(",") + MTypeNumber<N>() + MTypeName(">");

    MEnum() = default;
    explicit MEnum(E value) : value_(static_cast<T>(value)) {}
    // The value of the named enumerator, else 0.
    explicit MEnum(const std::string& operand) { SetString(operand); }

    void Assign(const MEnum& other) { value_ = other.value_; }
    void Set(E value) { value_ = static_cast<T>(value); }
    E ToEnum() const { return static_cast<E>(value_); }
    void Clear() { value_ = 0; }

    static constexpr bool kTextIsDisplayText = true;  // GetText gives the ToString text
    // The name of the stored value; empty for a value of N or more.
    std::string ToString() const { return Name(); }
    const char* GetText(int* length, bool* terminated) const {
        if (length) *length = InRange() ? Names::kLengths[value_] : 0;
        if (terminated) *terminated = true;
        return Name();
    }
    // The value of the name equal to the text (exact, case-sensitive); 0 for any other text, an
    // empty or null one included.
    void SetText(const char* text, int length) {
        const int index = Names::Find(text, length);
        value_ = static_cast<T>(index >= 0 ? index : 0);
    }
    void SetText(const char* text) { SetText(text, text ? static_cast<int>(std::strlen(text)) : 0); }
    void SetString(const std::string& text) { SetText(text.data(), static_cast<int>(text.size())); }

    // Null when the text is exactly one of the names, else "Invalid enum [" + text + "]" in the
    // type's message buffer, valid until the next failed check of the type. A null text is empty.
    static const char* CheckText(const char* text) {
        if (Names::FindTerminated(text) >= 0) return nullptr;
        return FormatInvalidEnum(message_, text, text ? std::strlen(text) : 0);
    }

    // Value order: the unsigned integers.
    // The order of the display texts (ToString), from the ranks of the names; the empty text of a
    // value out of range comes first.
    int CompareText(const MEnum& other) const { return Rank() - other.Rank(); }

    // The name; raw: the value in decimal, "]-->[" and the name.
    std::string ToDescription(bool raw) const {
        if (!raw) return Name();
        int length = 0;
        const char* digits = FormatUInt(static_cast<uint32_t>(value_), length);
        return std::string(digits, static_cast<std::size_t>(length)) + "]-->[" + Name();
    }

    // Monitor message: one byte, the low 8 bits of value + 48 ('0' + value for 0 to 9). Reading
    // stores the byte minus 48 unchecked; with no byte left it raises "Message is too short".
    void WriteFixed(MMsgFormat& format) const {
        const char byte = static_cast<char>(static_cast<unsigned char>(value_ + 48u));
        format.Write(&byte, 1);
    }
    void ReadFixed(MMsgFormat& format) {
        const char* byte = format.GetCurrent();
        format.Skip(1);
        value_ = static_cast<T>(static_cast<unsigned char>(*byte) - 48u);
    }

    static void SetupInterface(MInterface& column) {
        column.AddValues(Names::kNames.data(), N);
        column.SetKind(MInterface::kEnumeration);
    }
    static const char* GetTypeName() { return kTypeName.c_str(); }

private:
    bool InRange() const { return value_ < static_cast<unsigned>(N); }
    const char* Name() const { return InRange() ? Names::kNames[value_] : ""; }
    int Rank() const { return InRange() ? Names::kRanks[value_] : -1; }

    // One per thread: any thread may check a text; the message stays valid on that thread.
    static inline thread_local char message_[kEnumMessageCapacity + 1] = {};

    T value_ = 0;
};
