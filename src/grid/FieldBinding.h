#pragma once
// Binding of fixed-width values to edits and combo boxes: the show templates put a value into a
// control, the read templates take the control's text back, validate it against the value type,
// store it, and on failure leave one message in the caller's error text (emptied by every read)
// and, except for a forbidden character, reveal and focus the control. Callers stop at the first
// failed read. Every text crosses the toolkit as Windows-1252 and is cut at the type's width in
// bytes.
#include <QLabel>
#include <cstdlib>
#include <string>
#include <vector>

#include "fields/WindowTools.h"
#include "grid/ControlTools.h"
#include "toolkit/ComboBox.h"
#include "toolkit/Edit.h"

namespace field_binding_detail {

template <class T>
bool IsNullValue(const T& value) {
    if constexpr (requires { value.IsNull(); })
        return value.IsNull();
    else
        return value.IsBlank();
}

// The name of the enumerator at a table index.
template <class T>
std::string EnumNameAt(int index) {
    T value;
    if constexpr (requires { value.Set(0u); })
        value.Set(static_cast<unsigned>(index));
    else
        value.Set(T::GetEnumAt(static_cast<unsigned>(index)));
    return value.ToString();
}

inline std::string Trim(const std::string& text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && static_cast<unsigned char>(text[first]) <= ' ') ++first;
    while (last > first && static_cast<unsigned char>(text[last - 1]) <= ' ') --last;
    return text.substr(first, last - first);
}

template <class T>
bool ReadEdit(T& value, Edit* edit, QLabel* label, std::string& error, bool mandatory, bool positive,
              bool charCheck) {
    std::string text;
    switch (ReadControlText(text, edit, label, error, mandatory)) {
        case 2:
            return false;
        case 1:
            value.Clear();
            return true;
        default:
            break;
    }
    if (charCheck && !CheckForbiddenCharacters(text.c_str())) {
        error = text + " Contains a special character that can't be processed";
        return false;
    }
    if (AppendFieldError(edit, label, error, T::CheckText(text.c_str()))) return false;
    value.SetText(text.c_str());
    if (positive && !IsNullValue(value) && std::strtoll(text.c_str(), nullptr, 10) < 0)
        return !AppendFieldError(edit, label, error, "Needs to be a positive value.");
    return true;
}

}  // namespace field_binding_detail

// The value's text form (up to its last non-blank character), the type's width as the limit.
template <class T>
void ShowValueInEdit(const T& value, Edit* edit) {
    edit->SetText(value.ToString());
    edit->SetMaxLength(T::GetWidth());
}

// Every enumerator's name in table order; the value's name selected; the box and its label enabled
// or disabled.
template <class T>
void ShowEnumInComboBox(const T& value, ComboBox* box, QLabel* label, bool enabled) {
    for (int i = 0; i < T::GetCount(); ++i) box->AddItem(field_binding_detail::EnumNameAt<T>(i));
    if (!field_binding_detail::IsNullValue(value)) SelectComboBoxItem(box, value.ToString());
    box->setEnabled(enabled);
    if (label) label->setEnabled(enabled);
}

// The names of the enumerators whose index is not in `excluded`; the value's name selected when
// it is among them.
template <class T>
void ShowEnumSubsetInComboBox(const T& value, ComboBox* box, const std::vector<int>& excluded) {
    for (int i = 0; i < T::GetCount(); ++i) {
        bool left = false;
        for (int x : excluded) left = left || x == i;
        if (!left) box->AddItem(field_binding_detail::EnumNameAt<T>(i));
    }
    if (!field_binding_detail::IsNullValue(value)) SelectComboBoxItem(box, value.ToString());
}

// Empty: mandatory fails with the missing-value message, optional clears. Then the forbidden
// characters (the focus stays), the type's check, the store, and the positive check (the value
// stays stored).
template <class T>
bool ReadValueFromEdit(T& value, Edit* edit, QLabel* label, std::string& error, bool mandatory,
                       bool positive) {
    return field_binding_detail::ReadEdit(value, edit, label, error, mandatory, positive, true);
}

template <class T>
bool ReadValueFromEditNoCharCheck(T& value, Edit* edit, QLabel* label, std::string& error, bool mandatory,
                                  bool positive) {
    return field_binding_detail::ReadEdit(value, edit, label, error, mandatory, positive, false);
}

// A typed text is checked with the type; "<none>", "" and "<n/a>" mean nothing chosen (an error
// when mandatory, the default when optional); "<all>" stores the default.
template <class T>
bool ReadEnumFromComboBox(T& value, ComboBox* box, QLabel* label, std::string& error, bool mandatory) {
    error.clear();
    const int index = box->ItemIndex();
    const bool typing = box->isEditable();
    std::string typed;
    bool chosen = false;
    if (index < 0) {
        if (typing) {
            typed = field_binding_detail::Trim(box->Text());
            if (!typed.empty() && AppendFieldError(box, label, error, T::CheckText(typed.c_str())))
                return false;
            chosen = !typed.empty();
        }
    } else {
        chosen = !IsNothingSelected(box);
    }
    if (!chosen) {
        if (!mandatory) {
            value.Clear();
            return true;
        }
        FocusIfReachable(box);
        error = MakeNoValueMessage(LabelText(label));
        return false;
    }
    if (index >= 0 && box->Item(index) == "<all>") {
        value.Clear();
        return true;
    }
    std::string text = index < 0 ? typed : box->Item(index);
    if (index >= 0 && typing && box->Text() != text) text = field_binding_detail::Trim(box->Text());
    value.SetText(text.c_str());
    return true;
}
