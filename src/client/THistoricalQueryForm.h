#pragma once
// The historical query dialog: the date range, and for a supervisor the firm, of one historical
// query. The window that opens it presets the criteria of its last query (SetCriteria) and, after
// OK, reads them back; the dialog itself sends nothing. Both dates stay up to yesterday by the
// framework's clock, the end date never before the start date (OK refuses it with a box), and a
// long range raises a warning balloon that never blocks OK. The close box does nothing until OK
// succeeded or Cancel was pressed. The range and firm rules live in HistoricalQuery.
#include <string>

#include "toolkit/ActionList.h"
#include "toolkit/Form.h"

class Action;
class ComboBox;
class DateTimePicker;
class KVNEventManager;
class QGroupBox;
class QLabel;
class QPushButton;
class WarningBalloon;

class THistoricalQueryForm : public Form {
public:
    static constexpr const char* kRangeWarning =
        "Selected time range too long: this query may take long to process and cannot be cancelled.";

    THistoricalQueryForm(QWidget* owner, KVNEventManager* session);

    // Presets the dates (YYYYMMDD) and the firm code (blank: all firms) before the dialog shows.
    void SetCriteria(const std::string& startDate, const std::string& endDate, const std::string& firm);
    // Read after the dialog answered OK.
    const std::string& GetFirm() const { return firmCode_; }
    const std::string& GetStartDate() const { return startDate_; }
    const std::string& GetEndDate() const { return endDate_; }

    // Events.
    void OnFormShow();
    void OnFormActivate();
    void OnStartDateChange();
    void OnEndDateChange();
    void OnEndDateCloseCalendar();
    void OnDateTimePickerDropDown(DateTimePicker* picker);
    void OnFirmNameChange();
    void OKActionExecute();
    void CancelButtonClick();
    bool FormCloseQuery();
    void FormClose();

    // The range check: shows or hides the balloon.
    void CheckRange();
    bool RangeWarningShown() const { return rangeWarning_; }
    bool CalendarDropped() const { return calendarDropped_; }
    const std::string& ErrorText() const { return errorText_; }
    WarningBalloon* Balloon() const { return balloon_; }

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    KVNEventManager* session_;
    std::string errorText_;
    bool mayClose_ = false;
    std::string startDate_;
    std::string endDate_;
    std::string firmCode_ = "    ";
    bool rangeWarning_ = false;
    bool calendarDropped_ = false;
    WarningBalloon* balloon_ = nullptr;

    QGroupBox* SearchCriteriaGroupBox;
    QLabel* StartDateLabel;
    DateTimePicker* StartDateTimePicker;
    QLabel* EndDateLabel;
    DateTimePicker* EndDateTimePicker;
    QLabel* FirmIdLabel;
    ComboBox* FirmIdComboBox;
    QPushButton* mpOkButton;
    QPushButton* mpCancelButton;
    Action* OKAction;
    ActionList actions_;
};
