#include "grid/ReadPickerValue.h"

#include <QLabel>

#include "grid/ControlTools.h"
#include "toolkit/DateTimePicker.h"
#include "toolkit/QtText.h"

namespace {

std::string Trimmed(const QString& text) {
    return FromQt(text.trimmed());
}

template <class Point>
bool ReadText(Point& value, const std::string& text, DateTimePicker* picker, const QLabel* label,
              const std::string& emptyMessage, std::string& error, bool required) {
    error.clear();
    if (!text.empty()) {
        if (AppendFieldError(picker, label, error, Point::CheckText(text.c_str()))) return false;
        value.SetText(text.c_str());
        return true;
    }
    if (required) {
        FocusIfReachable(picker);
        error = emptyMessage;
        return false;
    }
    value.Clear();
    return true;
}

}  // namespace

bool ReadPickerValue(MDate& value, DateTimePicker* picker, const QLabel* label,
                     const std::string& emptyMessage, std::string& error, bool required) {
    const std::string text = Trimmed(picker->Date().toString(QStringLiteral("yyyyMMdd")));
    return ReadText(value, text, picker, label, emptyMessage, error, required);
}

bool ReadPickerValue(MTimeTimePoint& value, DateTimePicker* picker, const QLabel* label,
                     const std::string& emptyMessage, std::string& error, bool required) {
    const std::string text = Trimmed(picker->Time().toString(QStringLiteral("HHmmss")));
    return ReadText(value, text, picker, label, emptyMessage, error, required);
}
