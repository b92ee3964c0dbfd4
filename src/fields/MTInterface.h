#pragma once
// Column descriptor of a field of value type T. It holds the field's address in the record it was
// made from; after MakeRelative(prototype) it holds the field's offset, and works on any record of
// that type. Everything goes through the value-type contract (MValueType.h). Enumeration and set
// columns (kinds 4 and 7) order and filter by display text, every other kind by value, without
// building texts. GetText's text lives in one buffer per T, shared by all its columns.
#include <cstdint>
#include <string>
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
    void MakeRelative(const void* prototype) override {
        position_ -= reinterpret_cast<std::uintptr_t>(prototype);
    }

    bool IsLessText(const void* record, const std::string& operand) const override {
        if (IsTextKind()) return TextOf(record) < operand;
        return FieldOf(record).IsLess(T(operand));
    }
    bool IsLessOrEqualText(const void* record, const std::string& operand) const override {
        if (IsTextKind()) return TextOf(record) <= operand;
        return FieldOf(record).IsLessOrEqual(T(operand));
    }
    bool IsGreaterOrEqualText(const void* record, const std::string& operand) const override {
        if (IsTextKind()) return TextOf(record) >= operand;
        return FieldOf(record).IsGreaterOrEqual(T(operand));
    }
    bool IsGreaterText(const void* record, const std::string& operand) const override {
        if (IsTextKind()) return TextOf(record) > operand;
        return FieldOf(record).IsGreater(T(operand));
    }

    bool ContainsText(const void* record, const std::string& pattern, bool matchEmpty) const override {
        const std::string text = TextOf(record);
        if (matchEmpty && text.empty()) return true;
        return !pattern.empty() && text.find(pattern) != std::string::npos;
    }
    bool MatchesPattern(const void* record, const std::string& pattern) const override {
        return MatchPattern(TextOf(record).c_str(), pattern.c_str());
    }
    bool IsInList(const void* record, const std::vector<std::string>& sortedList) const override {
        return IsInSortedList(TextOf(record), sortedList);
    }
    bool IsInRange(const void* record, const std::string& low, const std::string& high, bool lowIncluded,
                   bool highIncluded) const override {
        if (IsTextKind()) {
            const std::string text = TextOf(record);
            if (!(lowIncluded ? text >= low : text > low)) return false;
            return highIncluded ? text <= high : text < high;
        }
        const T& field = FieldOf(record);
        if (!(lowIncluded ? field.IsGreaterOrEqual(T(low)) : field.IsGreater(T(low)))) return false;
        return highIncluded ? field.IsLessOrEqual(T(high)) : field.IsLess(T(high));
    }

private:
    static std::string& TextBuffer() {
        static std::string buffer;
        return buffer;
    }
    const T& FieldOf(const void* record) const {
        return *reinterpret_cast<const T*>(reinterpret_cast<std::uintptr_t>(record) + position_);
    }
    T& FieldOf(void* record) const {
        return *reinterpret_cast<T*>(reinterpret_cast<std::uintptr_t>(record) + position_);
    }
    std::string TextOf(const void* record) const { return FieldOf(record).ToString(); }
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

    // The field's address, or after MakeRelative its offset in the record.
    std::uintptr_t position_;
};
