#include "client/THistoricalQueryForm.h"

#include <QCalendarWidget>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTextCharFormat>
#include <vector>

#include "client/HistoricalQuery.h"
#include "client/WarningBalloon.h"
#include "fields/WindowTools.h"
#include "grid/ControlTools.h"
#include "session/KVNEventManager.h"
#include "toolkit/Action.h"
#include "toolkit/ComboBox.h"
#include "toolkit/DateTimePicker.h"
#include "toolkit/QtText.h"
#include "toolkit/UiHost.h"

namespace {

DateTimePicker* MakeDatePicker(QWidget* parent, const char* name) {
    auto* picker = new DateTimePicker(parent, name);
    picker->setDisplayFormat(QLocale().dateFormat(QLocale::LongFormat));
    return picker;
}

}  // namespace

THistoricalQueryForm::THistoricalQueryForm(QWidget* owner, KVNEventManager* session)
    : Form(owner), session_(session) {
    setObjectName("HistoricalQueryForm");
    setWindowTitle(QStringLiteral("Historical Query"));
    SetCentreOnOwner(true);

    SearchCriteriaGroupBox = new QGroupBox(QStringLiteral("Search Criteria"), this);
    SearchCriteriaGroupBox->setObjectName("SearchCriteriaGroupBox");
    StartDateLabel = new QLabel(QStringLiteral("Start Date"), SearchCriteriaGroupBox);
    StartDateLabel->setObjectName("StartDateLabel");
    StartDateTimePicker = MakeDatePicker(SearchCriteriaGroupBox, "StartDateTimePicker");
    EndDateLabel = new QLabel(QStringLiteral("End Date"), SearchCriteriaGroupBox);
    EndDateLabel->setObjectName("EndDateLabel");
    EndDateTimePicker = MakeDatePicker(SearchCriteriaGroupBox, "EndDateTimePicker");
    FirmIdLabel = new QLabel(QStringLiteral("Firm Name"), SearchCriteriaGroupBox);
    FirmIdLabel->setObjectName("FirmIdLabel");
    FirmIdComboBox =
        new ComboBox(SearchCriteriaGroupBox, "FirmIdComboBox", ComboBox::Style::DropDownList, true);
    StartDateLabel->setBuddy(StartDateTimePicker);
    EndDateLabel->setBuddy(EndDateTimePicker);
    FirmIdLabel->setBuddy(FirmIdComboBox);
    auto* criteria = new QGridLayout(SearchCriteriaGroupBox);
    criteria->addWidget(StartDateLabel, 0, 0);
    criteria->addWidget(StartDateTimePicker, 0, 1);
    criteria->addWidget(EndDateLabel, 1, 0);
    criteria->addWidget(EndDateTimePicker, 1, 1);
    criteria->addWidget(FirmIdLabel, 2, 0);
    criteria->addWidget(FirmIdComboBox, 2, 1);

    mpOkButton = new QPushButton(QStringLiteral("O&K"), this);
    mpOkButton->setObjectName("mpOkButton");
    mpCancelButton = new QPushButton(QStringLiteral("&Cancel"), this);
    mpCancelButton->setObjectName("mpCancelButton");
    OKAction = actions_.Make(this, "O&K");
    OKAction->setObjectName("OKAction");
    OKAction->onExecute = [this](Action&) { OKActionExecute(); };
    auto* cancelAction = actions_.Make(this, "&Cancel");
    cancelAction->onExecute = [this](Action&) { CancelButtonClick(); };
    BindButton(mpOkButton, mrOk, OKAction);
    BindButton(mpCancelButton, mrCancel, cancelAction);
    SetDefaultButton(mpOkButton);
    SetCancelButton(mpCancelButton);

    auto* layout = new QGridLayout(this);
    layout->addWidget(SearchCriteriaGroupBox, 0, 0, 1, 3);
    layout->setColumnStretch(0, 1);
    layout->addWidget(mpOkButton, 1, 1);
    layout->addWidget(mpCancelButton, 1, 2);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    StartDateTimePicker->onChange = [this] { OnStartDateChange(); };
    EndDateTimePicker->onChange = [this] { OnEndDateChange(); };
    FirmIdComboBox->onChange = [this] { OnFirmNameChange(); };
    // The calendars' drop-down and close-up: their popups showing and hiding.
    StartDateTimePicker->calendarWidget()->installEventFilter(this);
    EndDateTimePicker->calendarWidget()->installEventFilter(this);

    onShow = [this] { OnFormShow(); };
    onCloseQuery = [this] { return FormCloseQuery(); };
    onClose = [this] { FormClose(); };
}

void THistoricalQueryForm::SetCriteria(const std::string& startDate, const std::string& endDate,
                                       const std::string& firm) {
    startDate_ = startDate;
    endDate_ = endDate;
    firmCode_ = firm;
}

void THistoricalQueryForm::OnFormShow() {
    SetDatePickerRange(StartDateTimePicker, MDate("19800101"), GetLatestDate(),
                       HistoricalQuery::ParseDateText(startDate_));
    SetDatePickerMaximum(EndDateTimePicker, GetLatestDate(), FromQDate(StartDateTimePicker->Date()),
                         HistoricalQuery::ParseDateText(endDate_));
    const QDate yesterday = ToQDate(TodayAsDateTime()).addDays(-1);
    StartDateTimePicker->SetMaxDate(yesterday);
    EndDateTimePicker->SetMaxDate(yesterday);

    FirmIdComboBox->Clear();
    if (session_ && session_->IsSupervisor()) {
        FirmIdComboBox->AddItem(HistoricalQuery::kAllFirms);
        for (const std::string& name : session_->FirmNames) {
            const auto last = name.find_last_not_of(' ');
            if (last != std::string::npos) FirmIdComboBox->AddItem(name.substr(0, last + 1));
        }
        std::vector<std::string> items;
        for (int i = 0; i < FirmIdComboBox->Count(); ++i) items.push_back(FirmIdComboBox->Item(i));
        FirmIdComboBox->SetItemIndex(HistoricalQuery::FindFirmItem(items, firmCode_));
    } else {
        FirmIdComboBox->SetItemIndex(-1);
        ShowControlWithLabel(FirmIdComboBox, FirmIdLabel, false);
    }

    if (!balloon_) balloon_ = new WarningBalloon(this, kRangeWarning);
}

void THistoricalQueryForm::OnFormActivate() {
    CheckRange();
}

void THistoricalQueryForm::CheckRange() {
    if (!balloon_) return;
    rangeWarning_ = HistoricalQuery::IsRangeTooLong(
        FromQDate(StartDateTimePicker->Date()), FromQDate(EndDateTimePicker->Date()), FirmIdComboBox->Text());
    if (rangeWarning_) {
        balloon_->ShowAt(mpOkButton->mapToGlobal(QPoint(mpOkButton->width(), mpOkButton->height() / 2)));
    } else {
        balloon_->hide();
    }
}

void THistoricalQueryForm::OnStartDateChange() {
    const QDate start = StartDateTimePicker->Date();
    if (start > EndDateTimePicker->minimumDate()) {
        EndDateTimePicker->SetDate(start);
        EndDateTimePicker->SetMinDate(start);
    } else {
        EndDateTimePicker->SetMinDate(start);
        EndDateTimePicker->SetDate(start);
    }
    EndDateTimePicker->setEnabled(true);
}

void THistoricalQueryForm::OnEndDateChange() {
    if (!calendarDropped_) CheckRange();
}

void THistoricalQueryForm::OnEndDateCloseCalendar() {
    calendarDropped_ = false;
    CheckRange();
}

void THistoricalQueryForm::OnDateTimePickerDropDown(DateTimePicker* picker) {
    calendarDropped_ = true;
    // No mark on today in the dropped calendar.
    QCalendarWidget* calendar = picker->calendarWidget();
    QTextCharFormat plain;
    plain.setFontWeight(QFont::Normal);
    plain.setFontUnderline(false);
    calendar->setDateTextFormat(ToQDate(TodayAsDateTime()), plain);
}

void THistoricalQueryForm::OnFirmNameChange() {
    CheckRange();
}

void THistoricalQueryForm::OKActionExecute() {
    startDate_ = HistoricalQuery::DateText(FromQDate(StartDateTimePicker->Date()));
    endDate_ = HistoricalQuery::DateText(FromQDate(EndDateTimePicker->Date()));
    if (endDate_ >= startDate_) {
        mayClose_ = true;
        return;
    }
    mayClose_ = false;
    errorText_ = "End date must be greater or equal to Start date";
    FocusIfReachable(EndDateTimePicker);
    Ui().MessageBox(this, errorText_, "Historical Query Validation", BoxIcon::Information,
                    BoxButtons::OkCancel);
}

void THistoricalQueryForm::CancelButtonClick() {
    mayClose_ = true;
}

bool THistoricalQueryForm::FormCloseQuery() {
    return mayClose_;
}

void THistoricalQueryForm::FormClose() {
    firmCode_ = HistoricalQuery::FirmCode(FirmIdComboBox->Text());
    if (balloon_) balloon_->hide();
    rangeWarning_ = false;
}

bool THistoricalQueryForm::event(QEvent* event) {
    const bool handled = Form::event(event);
    if (event->type() == QEvent::WindowActivate) OnFormActivate();
    return handled;
}

bool THistoricalQueryForm::eventFilter(QObject* watched, QEvent* event) {
    const bool end = watched == EndDateTimePicker->calendarWidget();
    if (end || watched == StartDateTimePicker->calendarWidget()) {
        if (event->type() == QEvent::Show) {
            OnDateTimePickerDropDown(end ? EndDateTimePicker : StartDateTimePicker);
        } else if (event->type() == QEvent::Hide) {
            if (end) {
                OnEndDateCloseCalendar();
            } else {
                calendarDropped_ = false;
            }
        }
    }
    return Form::eventFilter(watched, event);
}

void THistoricalQueryForm::moveEvent(QMoveEvent* event) {
    // A move ends any mouse capture; nothing else happens.
    if (QWidget* grabber = QWidget::mouseGrabber()) grabber->releaseMouse();
    Form::moveEvent(event);
}
