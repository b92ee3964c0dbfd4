#pragma once
// Enumeration field kept, sent and received as one letter. E is an enumeration whose enumerators
// have the character codes of their letters as values, N its number of enumerators; its table
// (MEnumTable<E>) lists letters and names. The text form is the enumerator's name ("Client"), the
// wire form the letter ('1'); the first letter of the table is the default. A value is that one
// byte: copying it copies the byte. A byte that is no letter of the type (as received from the
// wire) is kept unchanged and shows as the first name. The letter index, the valid-letter table,
// the name lengths and ranks are constant data built at compile time; the only per-type state is
// the buffer of the last failed check's message.
#include <array>
#include <cstring>
#include <string>
#include <type_traits>

#include "fields/InvalidEnumMessage.h"
#include "fields/MComparable.h"
#include "fields/MEnumNames.h"
#include "fields/MEnumTable.h"
#include "fields/MInterface.h"
#include "fields/MMsgFormat.h"
#include "fields/MTypeName.h"

namespace enum_alpha_detail {
template <int N>
struct LetterTables {
    std::array<char, N> letters{};
    // By byte value: the index of the enumerator whose letter it is, N for any other byte.
    std::array<int, 256> index{};
    // By byte value: the byte itself where it is a letter, 0 elsewhere, and 1 for the zero byte.
    std::array<char, 256> valid{};
    bool distinct = true;
};

template <class E, int N>
constexpr LetterTables<N> BuildLetterTables() {
    LetterTables<N> tables;
    tables.index.fill(N);
    tables.valid[0] = 1;
    for (int i = 0; i < N; ++i) {
        const char letter = static_cast<char>(MEnumTable<E>::kRows[i].letter);
        const auto byte = static_cast<unsigned char>(letter);
        if (byte == 0 || tables.index[byte] != N) tables.distinct = false;
        tables.letters[i] = letter;
        tables.index[byte] = i;
        tables.valid[byte] = letter;
    }
    return tables;
}
}  // namespace enum_alpha_detail

template <class E, int N>
class MEnumAlpha : public MComparable<MEnumAlpha<E, N>> {
    friend class MComparable<MEnumAlpha<E, N>>;
    // Three-way order of the values, for MComparable.
    int Compare(const MEnumAlpha& other) const { return Signed() - other.Signed(); }

    static_assert(std::is_enum_v<E> && sizeof(E) == 1,
                  "the enumerators of a letter enumeration are characters");
    static_assert(MLetterEnumeration<E>, "the table of a letter enumeration lists letters and names");

    using Names = MEnumNames<E, N>;
    static_assert(Names::kSuppliedCount == N, "the table has one row per enumerator");
    static constexpr auto kTables = enum_alpha_detail::BuildLetterTables<E, N>();
    static_assert(kTables.distinct, "the letters of a table are distinct and not the zero byte");

public:
    static constexpr MTypeName kTypeName = MTypeName("MEnumAlpha<") + MTypeName(MEnumTable<E>::kTypeName) +
                                           MTypeName(",") + MTypeNumber<N>() + MTypeName(">");
    static constexpr char kDefaultLetter = kTables.letters[0];

    MEnumAlpha() = default;
    explicit MEnumAlpha(E value) : letter_(static_cast<char>(value)) {}
    // A one-letter operand, a name, or else the default letter.
    explicit MEnumAlpha(const std::string& operand) { SetString(operand); }

    void Assign(const MEnumAlpha& other) { letter_ = other.letter_; }
    void Set(E value) { letter_ = static_cast<char>(value); }
    E Get() const { return static_cast<E>(letter_); }
    E ToEnum() const { return Get(); }
    bool Is(E value) const { return letter_ == static_cast<char>(value); }
    friend bool operator==(const MEnumAlpha& a, E value) { return a.Is(value); }
    bool IsNull() const { return false; }
    void Clear() { letter_ = kDefaultLetter; }

    static constexpr bool kTextIsDisplayText = true;  // GetText gives the ToString text
    // The name of the stored letter; the first name for a byte that is no letter.
    std::string ToString() const { return Names::kNames[Index()]; }
    // The same name from the name table, zero-terminated.
    const char* GetText(int* length, bool* terminated) const {
        if (length) *length = Names::kLengths[Index()];
        if (terminated) *terminated = true;
        return Names::kNames[Index()];
    }
    // A one-character text that is a letter of the type, or a name (exact, case-sensitive); any
    // other text, an empty or null one included, gives the default letter.
    void SetText(const char* text, int length) {
        letter_ = kDefaultLetter;
        if (!text || length <= 0) return;
        if (length == 1 && kTables.index[static_cast<unsigned char>(text[0])] < N) {
            letter_ = text[0];
            return;
        }
        const int index = Names::Find(text, length);
        if (index >= 0) letter_ = kTables.letters[index];
    }
    void SetText(const char* text) { SetText(text, text ? static_cast<int>(std::strlen(text)) : 0); }
    void SetString(const std::string& text) { SetText(text.data(), static_cast<int>(text.size())); }

    static int GetCount() { return N; }
    // The enumerator at index, or the zero character from N on.
    static E GetEnumAt(unsigned index) {
        return static_cast<E>(index < static_cast<unsigned>(N) ? kTables.letters[index] : 0);
    }
    // The index of the enumerator whose letter ch is; 0 for a byte that is no letter.
    static int IndexOfLetter(unsigned char ch) {
        const int index = kTables.index[ch];
        return index < N ? index : 0;
    }
    static int IndexOf(E value) { return IndexOfLetter(static_cast<unsigned char>(value)); }
    static const char* GetName(E value) { return Names::kNames[IndexOf(value)]; }

    // Null when the text is exactly one of the names (letters are not accepted), else "Invalid
    // enum [" + text + "]" in the type's message buffer, valid until the next failed check of the
    // type. A null text is empty.
    static const char* CheckText(const char* text) {
        if (Names::FindTerminated(text) >= 0) return nullptr;
        return FormatInvalidEnum(message_, text, text ? std::strlen(text) : 0);
    }
    static const char* CheckString(const std::string& text) { return CheckText(text.c_str()); }
    // Null when ch is a letter of the type, else "Invalid enum [" + ch + "]" ("Invalid enum []"
    // for the zero character).
    static const char* CheckLetter(char ch) {
        if (kTables.valid[static_cast<unsigned char>(ch)] == ch) return nullptr;
        return FormatInvalidEnum(message_, &ch, ch ? 1 : 0);
    }

    // Value order: the letters as signed characters.
    // The order of the display texts (ToString), from the ranks of the names.
    int CompareText(const MEnumAlpha& other) const {
        return Names::kRanks[Index()] - Names::kRanks[other.Index()];
    }

    // The letter; raw: the letter, "]-->[" and the name.
    std::string ToDescription(bool raw) const {
        std::string text(1, letter_);
        if (raw) {
            text += "]-->[";
            text += Names::kNames[Index()];
        }
        return text;
    }

    // Monitor message: the stored byte, unchanged. Reading with no byte left gives the default
    // letter and consumes nothing.
    void WriteFixed(MMsgFormat& format) const { format.Write(&letter_, 1); }
    void ReadFixed(MMsgFormat& format) {
        int remaining = 0;
        const char* bytes = format.GetRemaining(&remaining);
        if (remaining <= 0) {
            Clear();
            return;
        }
        letter_ = bytes[0];
        format.Skip(1);
    }

    static void SetupInterface(MInterface& column) {
        column.AddValues(Names::kNames.data(), N);
        column.SetKind(MInterface::kEnumeration);
    }
    static const char* GetTypeName() { return kTypeName.c_str(); }

private:
    int Index() const { return IndexOfLetter(static_cast<unsigned char>(letter_)); }
    signed char Signed() const { return static_cast<signed char>(letter_); }

    // One per thread: any thread may check a text; the message stays valid on that thread.
    static inline thread_local char message_[kEnumMessageCapacity + 1] = {};

    char letter_ = kDefaultLetter;
};
