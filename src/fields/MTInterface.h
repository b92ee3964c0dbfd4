#pragma once
// Column descriptor of a field of value type T. It holds the field's address in the record it was
// made from; after MakeRelative(prototype) it holds the field's offset, and works on any record of
// that type. Everything goes through the value-type contract (MValueType.h). Enumeration and set
// columns (kinds 4 and 7) order and filter by display text, every other kind by value, without
// building texts; a constant filter operand is read once while it comes back unchanged. GetText's
// text lives in one buffer per T and thread, shared by all its columns.
#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fields/MInterface.h"
#include "fields/MValueType.h"
#include "fields/MatchPattern.h"

template <MValueType T>
class MTInterface : public MInterface {
public:
    explicit MTInterface(const T* field) : position_(reinterpret_cast<std::uintptr_t>(field)) {
        T::SetupInterface(*this);
    }

    const char* GetText(const void* record, int* length) const override {
        std::string& buffer = TextBuffer();
        buffer = FieldOf(record).ToString();
        if (length) *length = static_cast<int>(buffer.size());
        return buffer.c_str();
    }
    const char* GetTypeName() const override { return T::GetTypeName(); }
    void SetText(void* record, const char* text) const override { FieldOf(record).SetText(text); }
    const char* CheckText(const char* text) const override { return T::CheckText(text); }

    bool IsLess(const void* a, const void* b) const override {
        if (IsTextKind()) return CompareTexts(FieldOf(a), FieldOf(b)) < 0;
        return FieldOf(a).IsLess(FieldOf(b));
    }
    bool IsEqual(const void* a, const void* b) const override {
        if (IsTextKind()) return CompareTexts(FieldOf(a), FieldOf(b)) == 0;
        return FieldOf(a).IsEqual(FieldOf(b));
    }
    int GetSortKeyWidth() const override {
        if constexpr (requires { T::kSortKeyWidth; }) {
            return IsTextKind() ? 0 : T::kSortKeyWidth;
        } else {
            return 0;
        }
    }
    void CopySortKey(const void* record, unsigned char* key) const override {
        if constexpr (requires { T::kSortKeyWidth; }) {
            FieldOf(record).WriteSortKey(key);
        }
    }
    void MakeRelative(const void* prototype) override {
        position_ -= reinterpret_cast<std::uintptr_t>(prototype);
    }

    bool IsLessText(const void* record, const std::string& operand) const override {
        if (IsTextKind()) return TextOf(record) < operand;
        return FieldOf(record).IsLess(Operand(operand, 0));
    }
    bool IsLessOrEqualText(const void* record, const std::string& operand) const override {
        if (IsTextKind()) return TextOf(record) <= operand;
        return FieldOf(record).IsLessOrEqual(Operand(operand, 0));
    }
    bool IsGreaterOrEqualText(const void* record, const std::string& operand) const override {
        if (IsTextKind()) return TextOf(record) >= operand;
        return FieldOf(record).IsGreaterOrEqual(Operand(operand, 0));
    }
    bool IsGreaterText(const void* record, const std::string& operand) const override {
        if (IsTextKind()) return TextOf(record) > operand;
        return FieldOf(record).IsGreater(Operand(operand, 0));
    }

    bool ContainsText(const void* record, const std::string& pattern, bool matchEmpty) const override {
        const std::string_view text = TextOf(record);
        if (matchEmpty && text.empty()) return true;
        return !pattern.empty() && text.find(pattern) != std::string_view::npos;
    }
    bool MatchesPattern(const void* record, const std::string& pattern) const override {
        const std::string_view text = TextOf(record);
        if (text.size() < kTerminatedSize) {
            // The matcher reads a zero-terminated text: a short one is copied to the stack.
            char terminated[kTerminatedSize];
            text.copy(terminated, text.size());
            terminated[text.size()] = '\0';
            return MatchPattern(terminated, pattern.c_str());
        }
        scratch_.assign(text);
        return MatchPattern(scratch_.c_str(), pattern.c_str());
    }
    bool IsInList(const void* record, const std::vector<std::string>& sortedList) const override {
        const std::string_view text = TextOf(record);
        const auto it = std::lower_bound(
            sortedList.begin(), sortedList.end(), text,
            [](const std::string& element, std::string_view key) { return element.compare(key) < 0; });
        return it != sortedList.end() && *it == text;
    }
    bool IsInRange(const void* record, const std::string& low, const std::string& high, bool lowIncluded,
                   bool highIncluded) const override {
        if (IsTextKind()) {
            const std::string_view text = TextOf(record);
            if (!(lowIncluded ? text >= low : text > low)) return false;
            return highIncluded ? text <= high : text < high;
        }
        const T& field = FieldOf(record);
        const T& lowValue = Operand(low, 0);
        if (!(lowIncluded ? field.IsGreaterOrEqual(lowValue) : field.IsGreater(lowValue))) return false;
        const T& highValue = Operand(high, 1);
        return highIncluded ? field.IsLessOrEqual(highValue) : field.IsLess(highValue);
    }

private:
    static std::string& TextBuffer() {
        thread_local std::string buffer;  // one per thread: any thread may read texts
        return buffer;
    }
    const T& FieldOf(const void* record) const {
        return *reinterpret_cast<const T*>(reinterpret_cast<std::uintptr_t>(record) + position_);
    }
    T& FieldOf(void* record) const {
        return *reinterpret_cast<T*>(reinterpret_cast<std::uintptr_t>(record) + position_);
    }
    // The display text, read in place where the type allows (valid until the next TextOf).
    std::string_view TextOf(const void* record) const { return DisplayTextOf(FieldOf(record), scratch_); }
    // The value of a filter operand, read once while the same constant operand comes back.
    const T& Operand(const std::string& text, int slot) const {
        CachedOperand& cached = operands_[slot];
        if (cached.value && cached.constant && cached.text == text) return *cached.value;
        cached.value.emplace(text);
        cached.text = text;
        if constexpr (requires { T::IsConstantOperand(text); }) {
            cached.constant = T::IsConstantOperand(text);
        } else {
            cached.constant = true;
        }
        return *cached.value;
    }
    // The order of two fields' display texts, without building them where T can tell it.
    static int CompareTexts(const T& a, const T& b) {
        if constexpr (requires {
                          { a.CompareText(b) } -> std::convertible_to<int>;
                      }) {
            return a.CompareText(b);
        } else {
            return a.ToString().compare(b.ToString());
        }
    }

    static constexpr std::size_t kTerminatedSize = 256;
    struct CachedOperand {
        std::string text;
        std::optional<T> value;
        bool constant = false;
    };

    // The field's address, or after MakeRelative its offset in the record.
    std::uintptr_t position_;
    // Filter state: the last operands read (the low and the high end of a range) and the display
    // text of a type that builds it.
    mutable std::array<CachedOperand, 2> operands_;
    mutable std::string scratch_;
};
