#include "grid/TDateTimeInputForm.h"

#include <QGridLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>

#include "core/DateTimeText.h"
#include "fields/WindowTools.h"
#include "grid/ControlTools.h"
#include "grid/ReadPickerValue.h"
#include "toolkit/DateTimePicker.h"
#include "toolkit/QtText.h"
#include "toolkit/UiHost.h"

namespace {

constexpr int32_t kDateOnly = 1;
constexpr int32_t kTimeOnly = 2;

}  // namespace

TDateTimeInputForm::TDateTimeInputForm(QWidget* owner, MDateTimeTimePoint latest, const std::string& title,
                                       int32_t mode, std::string& result)
    : Form(owner),
      date_(CurrentDate()),
      latest_(latest),
      result_(result),
      title_(title),
      mode_(mode),
      buttons_(*this, [this] { return OKActionExecute(); }) {
    time_.SetNow(true);
    setObjectName("DateTimeInputForm");
    setWindowTitle(QStringLiteral("Date and/or Time Selection"));
    SetCentreOnOwner(true);
    columnTitleLabel_ = new QLabel(this);
    columnTitleLabel_->setObjectName("ColumnTitleLabel");
    dateLabel_ = new QLabel(QStringLiteral("&Date"), this);
    dateLabel_->setObjectName("DateLabel");
    datePicker_ = new DateTimePicker(this, "DatePicker", DateTimePicker::Kind::Date);
    datePicker_->setDisplayFormat(QLocale().dateFormat(QLocale::LongFormat));
    dateLabel_->setBuddy(datePicker_);
    timeLabel_ = new QLabel(QStringLiteral("&Time"), this);
    timeLabel_->setObjectName("TimeLabel");
    timePicker_ = new DateTimePicker(this, "TimePicker", DateTimePicker::Kind::Time);
    timeLabel_->setBuddy(timePicker_);

    auto* layout = new QGridLayout(this);
    layout->addWidget(columnTitleLabel_, 0, 0, 1, 2);
    layout->addWidget(dateLabel_, 1, 0);
    layout->addWidget(datePicker_, 1, 1);
    layout->addWidget(timeLabel_, 2, 0);
    layout->addWidget(timePicker_, 2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(buttons_.OkButton());
    buttons->addWidget(buttons_.CancelButton());
    // The buttons come first into the world but last in the focus order.
    setTabOrder(timePicker_, buttons_.OkButton());
    setTabOrder(buttons_.OkButton(), buttons_.CancelButton());
    layout->addLayout(buttons, 3, 0, 1, 2);
    resize(363, 140);

    datePicker_->onChange = [this] { SetModified(true); };
    timePicker_->onChange = [this] { SetModified(true); };
    onShow = [this] { FormShow(); };
}

void TDateTimeInputForm::FormShow() {
    columnTitleLabel_->setText(ToQt(title_));
    dateLabel_->setEnabled(mode_ != kTimeOnly);
    datePicker_->setEnabled(mode_ != kTimeOnly);
    timeLabel_->setEnabled(mode_ != kDateOnly);
    timePicker_->setEnabled(mode_ != kDateOnly);
    ShowValue(result_);
    datePicker_->SetMaxDate(ToQDate(DateTimePointToDate(latest_)));
    SetModified(false);
}

void TDateTimeInputForm::ShowValue(const std::string& text) {
    MDateTimeTimePoint point;
    if (text.empty())
        point = CurrentDateTimePoint();
    else
        point.SetText(text.c_str());
    if (mode_ != kTimeOnly) datePicker_->SetDate(ToQDate(DateTimePointToDate(point)));
    if (mode_ != kDateOnly) {
        const FormDateTime t = DateTimePointToTime(point);
        timePicker_->SetTime(QTime(t.hour, t.minute, t.second, t.millisecond));
    }
}

bool TDateTimeInputForm::ValidateDate() {
    if (mode_ != kTimeOnly)
        ReadPickerValue(date_, datePicker_, dateLabel_, "You have to provide valid date", error_, true);
    return error_.empty();
}

bool TDateTimeInputForm::ValidateTime() {
    if (mode_ != kDateOnly)
        ReadPickerValue(time_, timePicker_, timeLabel_, "You have to provide valid time", error_, true);
    return error_.empty();
}

bool TDateTimeInputForm::OKActionExecute() {
    if (ValidateDate() && ValidateTime()) {
        const std::string date = FormatTmDate(date_.GetTm(), '/');
        const std::string time = FormatTmTime(time_.GetTm(), ':');
        result_ = mode_ == kDateOnly ? date : mode_ == kTimeOnly ? time : date + " " + time;
        return true;
    }
    Ui().MessageBox(this, error_, "Date and Time Input  - Data Validation", BoxIcon::Error, BoxButtons::Ok);
    error_.clear();
    return false;
}

void TDateTimeInputForm::SetModified(bool modified) {
    buttons_.SetChanged(modified);
}
