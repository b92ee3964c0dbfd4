#pragma once
// The filter dialog's working copy of a view's column filter set and the rules that edit and check
// it, without controls: the editors' notifications applied as edits, the columns checked and
// unchecked, the values no longer offered dropped, and the check at OK with the message and the
// control to correct. The dialog shows what it answers.
#include <cstdint>
#include <string>
#include <string_view>

#include "store/FilterData.h"
#include "store/StringVector.h"

class InterfaceView;

class FilterEditor {
public:
    // Notifications of the condition editors (wParam: the item concerned, where there is one).
    static constexpr uint32_t kValueChecked = 0x8001;
    static constexpr uint32_t kValueChanged = 0x8002;
    static constexpr uint32_t kMinValueChanged = 0x8003;
    static constexpr uint32_t kMaxValueChanged = 0x8004;
    static constexpr uint32_t kMinIncludedChanged = 0x8005;
    static constexpr uint32_t kMaxIncludedChanged = 0x8006;
    static constexpr uint32_t kPatternChanged = 0x8007;
    static constexpr uint32_t kAcceptNullChanged = 0x8008;
    static constexpr uint32_t kCompareColumnChosen = 0x8009;
    static constexpr uint32_t kSearchOperatorChanged = 0x800A;

    static constexpr const char* kDeltaDefault = "00:01:00";

    // What an edit notification carries: the control's text (for 0x8009 the chosen column's field
    // name), its check state, or the chosen item.
    struct EditValue {
        std::string text;
        bool checked = false;
        int item = 0;
    };

    // The control a failed check sends the user to.
    enum class Focus {
        None,
        ColumnList,
        CompareList,
        Condition,
        MinValue,
        Pattern,
        Value,
        PopupMessage,
        SoundFile
    };

    // The outcome of the check: passed, or the message (empty for a silent failure), the field name
    // of the failing condition ("" for the alert faults) and the control to focus.
    struct Fault {
        bool failed = false;
        std::string message;
        std::string columnName;
        Focus focus = Focus::None;
    };

    // The alert controls as they stand at OK.
    struct AlertInput {
        bool popupEnabled = false;
        std::string popupMessage;
        bool soundEnabled = false;
        std::string soundFile;
    };

    // Takes a copy of the view's column filter set (conditions and alerts).
    explicit FilterEditor(InterfaceView& view);

    FilterData& Copy() { return copy_; }
    const FilterData& Copy() const { return copy_; }
    // The copy's first condition on the field; null when there is none.
    ColumnFilter* Find(const std::string& name);

    // An "=" condition on delta times shows its first listed value as its value.
    void TakeDeltaValues();
    // Appends a default condition ("=", no values) on the field; removes the field's first one.
    void AddColumn(const std::string& name);
    void RemoveColumn(const std::string& name);
    // Applies an editor notification to the field's first condition; false (nothing changed) when
    // the field has none or the message is no editor notification.
    bool ApplyEdit(const std::string& name, uint32_t message, const EditValue& value);
    // Removes from every "=" condition on the field the values that `offered` (sorted in byte
    // order) does not hold.
    void DropMissingValues(const std::string& name, const StringVector& offered);
    // Empties the conditions and the alerts.
    void ClearAll();

    // Checks every condition in order, normalising what passes; an "=" without values is dropped
    // and the walk starts again. Then the alerts are taken from the controls and checked.
    Fault ValidateFilters(const AlertInput& alerts);

    // Empty when every backslash of the pattern escapes an allowed character (or ends the
    // pattern); else the message naming the first character that may not follow a backslash.
    static std::string CheckMaskText(std::string_view pattern);
    // A "Having" value: a single trailing ';' after the only alternative goes; a list of
    // alternatives gets a closing ';'.
    static std::string NormaliseHaving(std::string value);

private:
    Fault CheckCondition(ColumnFilter& filter, bool& dropped);

    InterfaceView& view_;
    FilterData copy_;
};
