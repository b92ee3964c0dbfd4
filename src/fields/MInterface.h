#pragma once
// Column descriptor: stands for one field of a record type. It reads the field's text out of any
// record of that type, writes text into it, checks a text, orders two records by the field and
// evaluates the filter conditions on it. MTInterface<T> implements it for value type T; the column
// properties (kind, width, value texts, edit mask, set texts) are set once when it is created.
// Owned by whoever created it (the column collector); one thread.
#include <string>
#include <vector>

class MInterface {
public:
    // Column kinds; the enumeration and set kinds sort and filter by their display text, every
    // other kind by value.
    enum Kind : int {
        kOther = 0,
        kTime = 2,
        kDateTime = 3,
        kEnumeration = 4,
        kString = 5,
        kNumber = 6,
        kSet = 7
    };

    MInterface() = default;
    MInterface(const MInterface&) = delete;
    MInterface& operator=(const MInterface&) = delete;
    virtual ~MInterface() = default;

    // The field's display text, valid on the calling thread until its next GetText of a column of
    // the same value type.
    virtual const char* GetText(const void* record, int* length) const = 0;
    virtual const char* GetTypeName() const = 0;
    // Sets the field from a zero-terminated text, unchecked.
    virtual void SetText(void* record, const char* text) const = 0;
    // Null when the text is an acceptable value, else the message for the user.
    virtual const char* CheckText(const char* text) const = 0;
    virtual bool IsLess(const void* a, const void* b) const = 0;
    virtual bool IsEqual(const void* a, const void* b) const = 0;
    // The width of the column's sort key: that many bytes whose unsigned byte order (memcmp) is
    // the order of IsLess; 0 when the column has none.
    virtual int GetSortKeyWidth() const { return 0; }
    // Copies the record's sort key (GetSortKeyWidth bytes) to key.
    virtual void CopySortKey(const void* /*record*/, unsigned char* /*key*/) const {}
    // Turns the field address taken from prototype into the field's offset in any record of the type.
    virtual void MakeRelative(const void* prototype) = 0;
    virtual bool IsLessText(const void* record, const std::string& operand) const = 0;
    virtual bool IsLessOrEqualText(const void* record, const std::string& operand) const = 0;
    virtual bool IsGreaterOrEqualText(const void* record, const std::string& operand) const = 0;
    virtual bool IsGreaterText(const void* record, const std::string& operand) const = 0;
    // True when matchEmpty is set and the text is empty; else when pattern is not empty and occurs in it.
    virtual bool ContainsText(const void* record, const std::string& pattern, bool matchEmpty) const = 0;
    virtual bool MatchesPattern(const void* record, const std::string& pattern) const = 0;
    // sortedList must be sorted in std::string order.
    virtual bool IsInList(const void* record, const std::vector<std::string>& sortedList) const = 0;
    virtual bool IsInRange(const void* record, const std::string& low, const std::string& high,
                           bool lowIncluded, bool highIncluded) const = 0;

    std::vector<std::string> GetValues() const { return values_; }
    int GetKind() const { return kind_; }
    const std::string& GetEditMask() const { return editMask_; }
    const std::string& GetAllText() const { return allText_; }
    const std::string& GetNoneText() const { return noneText_; }
    char GetSeparator() const { return separator_; }
    int GetWidth() const { return width_; }

    // Appends count texts (enumerator or flag names in the type's order); returns count.
    unsigned AddValues(const char* const* texts, unsigned count);
    void SetEditMask(const char* mask) { editMask_ = mask ? mask : ""; }
    void SetAllText(const char* text) { allText_ = text ? text : ""; }
    void SetNoneText(const char* text) { noneText_ = text ? text : ""; }
    void SetSeparator(char separator) { separator_ = separator; }
    void SetKind(int kind) { kind_ = kind; }
    void SetWidth(int width) { width_ = width; }

protected:
    bool IsTextKind() const { return kind_ == kEnumeration || kind_ == kSet; }

private:
    int kind_ = kOther;
    std::vector<std::string> values_;
    std::string editMask_;
    std::string allText_;
    std::string noneText_;
    char separator_ = 0;
    int width_ = 25;
};

// A column list; it does not own the descriptors.
using InterfaceVector = std::vector<MInterface*>;
