#pragma once
// The columns of one record type by index, as views and grids use them: cell texts, edits, the
// order of two records over several sort keys and the eight filter conditions (less, less or
// equal, in a sorted list, greater or equal, greater, in a range, contains, matches a pattern;
// a filter's negation inverts the answer). Everything goes to the column descriptor collected by
// the base; value columns compare stored values, enumeration and set columns and the text filters
// build temporary texts. Owns its descriptors; one thread.
#include <string>
#include <vector>

#include "fields/MInterfaceFormatBase.h"

class MInterfaceFormat : public MInterfaceFormatBase {
public:
    const char* GetText(const void* record, int index, int* length) const override;
    void SetText(void* record, int index, const char* text) const override;
    // The first key on which a and b differ decides: its column's order, or the reverse when the
    // key is descending. Records equal on every key are not less.
    bool IsLess(const void* a, const void* b, const ColumnVector& keys) const override;
    bool IsEqual(const void* a, const void* b, int index) const override;
    bool IsLessText(const void* record, int index, const std::string& operand) const override;
    bool IsLessOrEqualText(const void* record, int index, const std::string& operand) const override;
    bool IsGreaterOrEqualText(const void* record, int index, const std::string& operand) const override;
    bool IsGreaterText(const void* record, int index, const std::string& operand) const override;
    // Without ';' in pattern, the column's contains test. With ';', each alternative before a ';' (and
    // a non-empty rest after the last one) is tested in turn: with matchAny the first that matches
    // answers true, without it the first that fails answers false.
    bool ContainsText(const void* record, int index, const std::string& pattern, bool matchEmpty,
                      bool matchAny) const override;
    bool MatchesPattern(const void* record, int index, const std::string& pattern) const override;
    bool IsInList(const void* record, int index, const std::vector<std::string>& sortedList) const override;
    bool IsInRange(const void* record, int index, const std::string& low, const std::string& high,
                   bool lowIncluded, bool highIncluded) const override;
};
