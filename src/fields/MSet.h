#pragma once
// A set of the N flags of enumeration E kept as the bits of one unsigned integer T (the
// framework's 32-bit unsigned long): flag i is bit i, and the enumerators of E are the flag masks
// (1 << i). Its text is the names of the set flags in flag order joined by ',', "All" for the
// full set and "None" for the empty one; GetText builds it in one buffer of S characters shared
// by the type. A value is the word alone; the name table (MEnumTable<E>::kNames) and everything
// derived from it are constant data. CheckSetup is the start-up check of the type's tables.
#include <bit>
#include <climits>
#include <cstdint>
#include <cstring>
#include <string>
#include <type_traits>

#include "core/MDigitText.h"
#include "core/MError.h"
#include "fields/MComparable.h"
#include "fields/MEnumNames.h"
#include "fields/MEnumTable.h"
#include "fields/MInterface.h"
#include "fields/MMsgFormat.h"
#include "fields/MTypeName.h"
#include "fields/NumericTextParsing.h"

template <class T, class E, int N, int S>
class MSet : public MComparable<MSet<T, E, N, S>> {
    friend class MComparable<MSet<T, E, N, S>>;
    // Three-way order of the values, for MComparable.
    int Compare(const MSet& other) const { return (word_ > other.word_) - (word_ < other.word_); }

    static_assert(std::is_same_v<T, uint32_t>, "the flag word is the framework's 32-bit unsigned long");
    static_assert(std::is_enum_v<E>, "E is an enumeration of flag masks");
    static_assert(N >= 1 && N <= 32, "one word holds every flag");
    static_assert(S >= 1, "the text buffer holds at least its terminator");

    using Names = MEnumNames<E, N>;

public:
    static constexpr int kCount = N;
    static constexpr T kAllFlags = N == 32 ? ~T{0} : (T{1} << N) - 1;
    static constexpr char kSeparator = ',';
    static constexpr char kAllText[] = "All";
    static constexpr char kNoneText[] = "None";
    static constexpr MTypeName kTypeName = MTypeName("MSet<") + enum_names_detail::StorageTypeName<T>() +
                                           MTypeName(",") + MTypeName(MEnumTable<E>::kTypeName) +
                                           MTypeName(",") + MTypeNumber<N>() + MTypeName(",") +
                                           MTypeNumber<S>() + MTypeName(">");

    MSet() = default;
    explicit MSet(const std::string& operand) { SetString(operand); }
    // From a text of one character per flag in flag order: 'Y' sets the flag, any other character
    // leaves it clear. At most N characters are read, never past the text's end; null is empty.
    static MSet InitFromText(const char* text) {
        MSet set;
        for (int i = 0; text && i < N && text[i]; ++i) {
            if (text[i] == 'Y') set.word_ |= T{1} << i;
        }
        return set;
    }

    void Assign(const MSet& other) { word_ = other.word_; }
    // True when any bit of mask is set.
    bool Contains(E mask) const { return (word_ & static_cast<T>(mask)) != 0; }
    MSet& Add(E mask) {
        word_ |= static_cast<T>(mask);
        return *this;
    }
    MSet& Remove(E mask) {
        word_ &= static_cast<T>(mask) ^ kAllFlags;
        return *this;
    }
    void Clear() { word_ = 0; }
    // The mask of flag index; the mask of flag 0 from N on.
    static E GetEnumAt(unsigned index) {
        return static_cast<E>(T{1} << (index < static_cast<unsigned>(N) ? index : 0));
    }

    std::string ToString() const {
        std::string text;
        TextCursor cursor(word_);
        for (int c = cursor.Next(); c >= 0; c = cursor.Next()) text += static_cast<char>(c);
        return text;
    }
    // The set's text in the type's buffer, zero-terminated and cut to S - 1 characters; valid on
    // the calling thread until its next GetText of the type.
    const char* GetText(int* length, bool* terminated) const {
        TextCursor cursor(word_);
        int used = 0;
        for (int c = cursor.Next(); c >= 0 && used < S - 1; c = cursor.Next()) {
            text_[used++] = static_cast<char>(c);
        }
        text_[used] = 0;
        if (length) *length = used;
        if (terminated) *terminated = true;
        return text_;
    }
    // Parses a set text: empty or "None" is the empty set, "All" the full set; otherwise the parts
    // between separators each name a flag (exact, case-sensitive, no trimming), a separator at the
    // very end adding no part. False when some part names no flag; the flags of the other parts
    // are set all the same. A null text is empty.
    bool SetText(const char* text, int length) {
        word_ = 0;
        if (!text || length <= 0) return true;
        if (Is(text, length, kNoneText)) return true;
        if (Is(text, length, kAllText)) {
            word_ = kAllFlags;
            return true;
        }
        bool known = true;
        for (int start = 0; start < length;) {
            int end = start;
            while (end < length && text[end] != kSeparator) ++end;
            const int flag = Names::Find(text + start, end - start);
            if (flag >= 0) {
                word_ |= T{1} << flag;
            } else {
                known = false;
            }
            start = end + 1;
        }
        return known;
    }
    bool SetText(const char* text) { return SetText(text, text ? static_cast<int>(std::strlen(text)) : 0); }
    bool SetString(const std::string& text) { return SetText(text.data(), static_cast<int>(text.size())); }
    // Null when every part of the text names a flag (or the text is empty, "All" or "None"), else
    // "Invalid value!".
    static const char* CheckText(const char* text) {
        MSet scratch;
        return scratch.SetText(text) ? nullptr : "Invalid value!";
    }

    // Value order: the words as unsigned integers.
    // The order of the texts (ToString), compared character by character as they are produced,
    // without building them.
    int CompareText(const MSet& other) const {
        TextCursor a(word_);
        TextCursor b(other.word_);
        for (;;) {
            const int ca = a.Next();
            const int cb = b.Next();
            if (ca != cb) return ca < cb ? -1 : 1;
            if (ca < 0) return 0;
        }
    }

    // The text; raw: the word in decimal, "]-->[" and the text.
    std::string ToDescription(bool raw) const {
        if (!raw) return ToString();
        int length = 0;
        const char* digits = FormatUInt(word_, length);
        return std::string(digits, static_cast<std::size_t>(length)) + "]-->[" + ToString();
    }

    // Monitor message: the word as a 32-bit integer field, its decimal text and the delimiter.
    // Reading: no byte left or the delimiter first gives the empty set; otherwise a signed number
    // (MException code 1 when it has no digit), of which only the flags' bits are kept.
    void WriteFixed(MMsgFormat& format) const {
        int length = 0;
        const char* digits = FormatInt(static_cast<int32_t>(word_), length);
        format.Write(digits, length);
        format.WriteDelimiter();
    }
    void ReadFixed(MMsgFormat& format) {
        int remaining = 0;
        const char* bytes = format.GetRemaining(&remaining);
        int32_t value = 0;
        int digits = 0;
        word_ = 0;
        if (remaining > 0 && bytes[0] != format.GetDelimiter()) {
            digits = ParseBoundedInteger(bytes, remaining, 0, value, INT32_MIN, INT32_MAX);
        }
        word_ = static_cast<T>(value) & kAllFlags;
        format.SkipAndDelimiter(digits);
    }

    static void SetupInterface(MInterface& column) {
        column.AddValues(Names::kNames.data(), N);
        column.SetKind(MInterface::kSet);
        column.SetAllText(kAllText);
        column.SetNoneText(kNoneText);
        column.SetSeparator(kSeparator);
    }
    static const char* GetTypeName() { return kTypeName.c_str(); }

    // The length of the full set's text (every name and the separators between them), and
    // whether the tables are whole: N names, and room in S for that text. A set that the program
    // defines checks this at compile time; CheckSetup reports the same at run time.
    static constexpr int FullTextLength() {
        int total = N - 1;
        for (int length : Names::kLengths) total += length;
        return total;
    }
    static constexpr int kFullTextLength = FullTextLength();
    static constexpr bool kTablesConsistent = Names::kSuppliedCount == N && S >= kFullTextLength;

    // The start-up check of the type, given the set's name and the source position of its
    // definition: logs at level 2 when the table does not give N names, and when S is smaller
    // than the full text (every name and the separators between them). It only reports.
    static void CheckSetup(const char* setName, const char* file, int line) {
        if (Names::kSuppliedCount != N) {
            LogMessage(file, static_cast<unsigned>(line), LOG_CRITICAL, "MSet [%s] NbEnum [%i] NbString [%i]",
                       setName, N, Names::kSuppliedCount);
        }
        if (S < kFullTextLength) {
            LogMessage(file, static_cast<unsigned>(line), LOG_CRITICAL,
                       "MSet [%s] MaxStringSize [%i] TotalLen [%i]", setName, S, kFullTextLength);
        }
    }

private:
    static bool Is(const char* text, int length, const char* fixed) {
        return length == static_cast<int>(std::strlen(fixed)) &&
               std::memcmp(text, fixed, static_cast<std::size_t>(length)) == 0;
    }

    // The characters of a word's text, one at a time, as 0 to 255 and -1 after the last.
    class TextCursor {
    public:
        explicit TextCursor(T word) {
            if (word == kAllFlags) {
                piece_ = kAllText;
            } else if (word == 0) {
                piece_ = kNoneText;
            } else {
                rest_ = word & kAllFlags;
            }
        }
        int Next() {
            for (;;) {
                if (*piece_) return static_cast<unsigned char>(*piece_++);
                if (!rest_) return -1;
                piece_ = Names::kNames[std::countr_zero(rest_)];
                rest_ &= rest_ - 1;
                if (named_) return kSeparator;
                named_ = true;
            }
        }

    private:
        const char* piece_ = "";
        T rest_ = 0;
        bool named_ = false;
    };

    // One per thread: any thread may format; valid on that thread until its next GetText.
    static inline thread_local char text_[S] = {};

    T word_ = 0;
};
