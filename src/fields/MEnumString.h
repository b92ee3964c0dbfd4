#pragma once
// Enumeration field kept, sent and received as a code of W characters ("TC", "CA"): E is the
// enumeration (enumerator i = row i), N its number of rows, L the lookup policy that finds a row
// from a code or a text (DefaultLookupPolicy, Key2LookupPolicy). The text form is the row's name.
// A value is the W code bytes exactly as on the wire; any W bytes can be stored (a fixed read
// keeps what it receives) and a code of no row is looked up as row 0. The tables are constant
// data built at compile time; a value has no other state.
#include <cstring>
#include <string>
#include <type_traits>

#include "fields/MComparable.h"
#include "fields/MEnumCodes.h"
#include "fields/MEnumNames.h"
#include "fields/MEnumTable.h"
#include "fields/MInterface.h"
#include "fields/MMsgFormat.h"
#include "fields/MTypeName.h"

template <int W, class E, int N, class L>
class MEnumString : public MComparable<MEnumString<W, E, N, L>> {
    friend class MComparable<MEnumString>;
    static_assert(W >= 1 && N >= 1, "codes have characters and a table has rows");

    using Names = MEnumNames<E, N>;
    using Codes = typename L::Codes;
    static_assert(std::is_same_v<Codes, MEnumCodes<W, E, N>>,
                  "the policy looks up codes of W characters of E");

public:
    static constexpr MTypeName kTypeName = MTypeName("MEnumString<") + MTypeNumber<W>() + MTypeName(",") +
                                           MTypeName(MEnumTable<E>::kTypeName) + MTypeName(",") +
                                           MTypeNumber<N>() + MTypeName(",") + L::kTypeName + MTypeName(" >");

    MEnumString() { CopyRow(0); }
    // The row of the operand (a code or a name), else row 0.
    explicit MEnumString(const std::string& operand) { SetString(operand); }

    void Assign(const MEnumString& other) { *this = other; }
    // The code of row index; row 0 from N on.
    void Set(unsigned index) { CopyRow(index < static_cast<unsigned>(N) ? static_cast<int>(index) : 0); }
    // The code of row index; row 0 for an index outside the table.
    void CopyCode(int index) { CopyRow(index >= 0 && index < N ? index : 0); }
    // The stored code is the code of row index (row 0 from N on).
    bool Is(unsigned index) const {
        const int row = index < static_cast<unsigned>(N) ? static_cast<int>(index) : 0;
        return std::memcmp(code_, Codes::Code(row), W) == 0;
    }
    int IndexOfCode() const { return L::FindCode(code_); }
    bool IsNull() const { return false; }
    void Clear() { CopyRow(0); }

    static constexpr bool kTextIsDisplayText = true;  // GetText gives the ToString text
    // The name of the stored code's row (row 0 for a code of no row).
    std::string ToString() const { return Names::kNames[IndexOfCode()]; }
    const char* GetText(int* length, bool* terminated) const {
        const int row = IndexOfCode();
        if (length) *length = Names::kLengths[row];
        if (terminated) *terminated = true;
        return Names::kNames[row];
    }
    // A text of W characters is taken as a code, any other as a name; a miss, an empty or a null
    // text give row 0.
    void SetText(const char* text, int length) { CopyRow(L::FindText(text, length)); }
    void SetText(const char* text) { SetText(text, text ? static_cast<int>(std::strlen(text)) : 0); }
    void SetString(const std::string& text) { SetText(text.data(), static_cast<int>(text.size())); }

    static int GetCount() { return N; }
    // The enumerator of row index; the first from N on.
    static E GetEnumAt(unsigned index) {
        return static_cast<E>(index < static_cast<unsigned>(N) ? index : 0);
    }
    // Null when the text is exactly one of the names (codes are not accepted), else "Invalid
    // value!". A null text is empty.
    static const char* CheckText(const char* text) {
        return Names::FindTerminated(text) >= 0 ? nullptr : "Invalid value!";
    }

    // Value order: the W code bytes, unsigned.
    // (IsEqual ... IsGreaterOrEqual and the operators come from Compare, through MComparable.)
    // The order of the display texts (ToString), from the ranks of the names.
    int CompareText(const MEnumString& other) const {
        return Names::kRanks[IndexOfCode()] - Names::kRanks[other.IndexOfCode()];
    }

    // The code; raw: the code, "]-->[" and the name.
    std::string ToDescription(bool raw) const {
        std::string text(code_, W);
        if (raw) {
            text += "]-->[";
            text += Names::kNames[IndexOfCode()];
        }
        return text;
    }

    // Monitor message: the W code bytes; reading stores them unchecked, and raises "Message is too
    // short" when fewer than W bytes are left.
    void WriteFixed(MMsgFormat& format) const { format.Write(code_, W); }
    void ReadFixed(MMsgFormat& format) {
        const char* bytes = format.GetCurrent();
        format.Skip(W);
        std::memcpy(code_, bytes, W);
    }

    static void SetupInterface(MInterface& column) {
        column.AddValues(Names::kNames.data(), N);
        column.SetKind(MInterface::kEnumeration);
    }
    static const char* GetTypeName() { return kTypeName.c_str(); }

private:
    void CopyRow(int row) { std::memcpy(code_, Codes::Code(row), W); }
    int Compare(const MEnumString& other) const { return std::memcmp(code_, other.code_, W); }

    char code_[W];
};
