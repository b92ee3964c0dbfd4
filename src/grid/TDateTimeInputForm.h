#pragma once
// Asks for a date, a time of day or both (mode 1 date only, 2 time only, any other both) and
// hands the choice back as text: "YYYY/MM/DD", "HH:MM:SS" or the two joined by a blank. The
// caller's text is the initial value (empty: now) and receives the result only on a successful
// OK. OK is enabled once a picker was changed; the date picker offers no date after the latest.
#include <cstdint>
#include <string>

#include "fields/MTTimePoint.h"
#include "grid/CheckedDialogButtons.h"
#include "toolkit/Form.h"

class DateTimePicker;
class QLabel;

class TDateTimeInputForm : public Form {
public:
    TDateTimeInputForm(QWidget* owner, MDateTimeTimePoint latest, const std::string& title, int32_t mode,
                       std::string& result);

    // Puts the text's date and time of day into the pickers that the mode uses.
    void ShowValue(const std::string& text);
    bool ValidateDate();
    bool ValidateTime();

private:
    void FormShow();
    // Validates the pickers and takes their value; false after showing the error box.
    bool OKActionExecute();
    void SetModified(bool modified);

    MDate date_;
    MTimeTimePoint time_;
    MDateTimeTimePoint latest_;
    std::string& result_;
    std::string title_;
    std::string error_;
    int32_t mode_;
    QLabel* columnTitleLabel_;
    QLabel* dateLabel_;
    DateTimePicker* datePicker_;
    QLabel* timeLabel_;
    DateTimePicker* timePicker_;
    CheckedDialogButtons buttons_;
};
