#pragma once
// Column collector: running a record's describe routine over it collects one column descriptor per
// field, in describe order; fields inside repeated parts get none. It owns the descriptors and
// deletes them with itself. The owner calls MakeRelative(&prototype) once, right after collecting
// over a prototype record; from then on the columns work on any record of that type by index.
// The record-level operations by column index are declared here with empty answers and given
// their bodies by MInterfaceFormat. Indexes are not checked: callers pass 0 <= i < GetCount().
// One thread (the descriptors share per-type text buffers).
#include <memory>
#include <string>
#include <vector>

#include "fields/MInterface.h"
#include "fields/MInterfaceSortingData.h"
#include "fields/MObjectFormat.h"

class MInterfaceFormatBase : public MObjectFormat {
public:
    MInterfaceFormatBase() : MObjectFormat(true) {}
    MInterfaceFormatBase(const MInterfaceFormatBase&) = delete;
    MInterfaceFormatBase& operator=(const MInterfaceFormatBase&) = delete;

    // Appends the field's column descriptor.
    void ProcessField(MObjectFunction& field) override;
    bool NextField() override { return arrayDepth_ == 0; }
    void BeginArray(MObjectClassFunction& names) override { ++arrayDepth_; }
    bool NextArrayItem() override { return false; }
    void EndArray() override { --arrayDepth_; }

    // The field's display text, valid until the next text of a column of the same value type.
    virtual const char* GetText(const void* record, int index, int* length) const { return ""; }
    // Sets the field from a zero-terminated text, unchecked.
    virtual void SetText(void* record, int index, const char* text) const {}
    // Multi-key order of two records.
    virtual bool IsLess(const void* a, const void* b, const ColumnVector& keys) const { return false; }
    virtual bool IsEqual(const void* a, const void* b, int index) const { return false; }
    // The filter conditions: the field compared with an operand text.
    virtual bool IsLessText(const void* record, int index, const std::string& operand) const { return false; }
    virtual bool IsLessOrEqualText(const void* record, int index, const std::string& operand) const {
        return false;
    }
    virtual bool IsGreaterOrEqualText(const void* record, int index, const std::string& operand) const {
        return false;
    }
    virtual bool IsGreaterText(const void* record, int index, const std::string& operand) const {
        return false;
    }
    // pattern may hold alternatives separated by ';': any of them (matchAny) or all of them must occur.
    virtual bool ContainsText(const void* record, int index, const std::string& pattern, bool matchEmpty,
                              bool matchAny) const {
        return false;
    }
    virtual bool MatchesPattern(const void* record, int index, const std::string& pattern) const {
        return false;
    }
    // sortedList must be sorted in std::string order.
    virtual bool IsInList(const void* record, int index, const std::vector<std::string>& sortedList) const {
        return false;
    }
    virtual bool IsInRange(const void* record, int index, const std::string& low, const std::string& high,
                           bool lowIncluded, bool highIncluded) const {
        return false;
    }

    int GetCount() const { return static_cast<int>(columns_.size()); }
    std::vector<std::string> GetValues(int index) const { return Column(index).GetValues(); }
    int GetKind(int index) const { return Column(index).GetKind(); }
    const char* GetEditMask(int index) const { return Column(index).GetEditMask().c_str(); }
    const char* GetAllText(int index) const { return Column(index).GetAllText().c_str(); }
    const char* GetNoneText(int index) const { return Column(index).GetNoneText().c_str(); }
    char GetSeparator(int index) const { return Column(index).GetSeparator(); }
    int GetWidth(int index) const { return Column(index).GetWidth(); }
    const char* GetTypeName(int index) const { return Column(index).GetTypeName(); }
    // Null when the text is acceptable for the column, else the message for the user.
    const char* CheckText(int index, const char* text) const { return Column(index).CheckText(text); }
    // The column itself, for walking many records through one column without a lookup per record.
    const MInterface& GetColumn(int index) const { return Column(index); }
    // Turns the field addresses taken from prototype into offsets within any record of its type.
    void MakeRelative(const void* prototype);

protected:
    MInterface& Column(int index) const { return *columns_[static_cast<std::size_t>(index)]; }

private:
    std::vector<std::unique_ptr<MInterface>> columns_;
    int arrayDepth_ = 0;
};
