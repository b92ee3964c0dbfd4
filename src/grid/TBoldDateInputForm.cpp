#include "grid/TBoldDateInputForm.h"

#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

#include "grid/ControlTools.h"
#include "toolkit/Action.h"
#include "toolkit/MonthCalendar.h"
#include "toolkit/QtText.h"

TBoldDateInputForm::TBoldDateInputForm(QWidget* owner, const std::string& caption, const std::string& title)
    : Form(owner), caption_(caption), title_(title) {
    setObjectName("BoldDateInputForm");
    setWindowTitle(QStringLiteral("Bold Date Selection"));
    setFont(QFont(QStringLiteral("Tahoma")));
    SetCentreOnOwner(true);
    titleLabel_ = new QLabel(this);
    titleLabel_->setObjectName("TitleLabel");
    calendar_ = new MonthCalendar(this, "BoldMonthCalendar");
    selectedDateLabel_ = new QLabel(this);
    selectedDateLabel_->setObjectName("SelectedDateLabel");
    auto* ok = new QPushButton(QStringLiteral("O&K"), this);
    ok->setObjectName("OKButton");
    auto* cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cancel->setObjectName("CancelButton");
    okAction_ = new Action(this, "O&K");
    actions_.Add(okAction_);
    okAction_->setObjectName("OKAction");
    okAction_->onUpdate = [this](Action& a) { a.SetEnabled(clicked_ && valid_); };
    BindButton(ok, mrOk, okAction_);
    BindButton(cancel, mrCancel);
    SetDefaultButton(ok);
    SetCancelButton(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(titleLabel_);
    layout->addWidget(calendar_);
    layout->addWidget(selectedDateLabel_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    calendar_->onGetMonthBoldInfo = [this](int year, int month) { return BoldDays(year, month); };
    calendar_->onClick = [this] {
        clicked_ = true;
        Recheck();
        chosen_ = FromQDate(calendar_->Date());
        okAction_->Update();
    };
    onShow = [this] {
        setWindowTitle(ToQt(caption_));
        titleLabel_->setText(ToQt(title_));
        calendar_->RefreshBoldDays();
        Recheck();
        okAction_->Update();
    };
}

void TBoldDateInputForm::AddBoldDate(const FormDateTime& date) {
    boldDates_.push_back(FormDateTime::Date(date.year, date.month, date.day));
}

void TBoldDateInputForm::SetDateRange(const FormDateTime& first, const FormDateTime& last) {
    calendar_->SetDateRange(ToQDate(first), ToQDate(last));
}

std::vector<int> TBoldDateInputForm::BoldDays(int year, int month) const {
    std::vector<int> days;
    for (const FormDateTime& d : boldDates_)
        if (d.year == year && d.month == month) days.push_back(d.day);
    return days;
}

// A date is valid when it is one of the bold dates, compared as dates.
void TBoldDateInputForm::Recheck() {
    const FormDateTime shown = FromQDate(calendar_->Date());
    valid_ = false;
    for (const FormDateTime& d : boldDates_) valid_ = valid_ || d == shown;
    RefreshLabel();
}

void TBoldDateInputForm::RefreshLabel() {
    const QString date = QLocale().toString(calendar_->Date(), QLocale::ShortFormat);
    selectedDateLabel_->setText(
        (valid_ ? QStringLiteral("Selected Date: ") : QStringLiteral("Invalid Date: ")) + date);
    QPalette palette = selectedDateLabel_->palette();
    palette.setColor(QPalette::WindowText,
                     valid_ ? this->palette().color(QPalette::WindowText) : QColor(Qt::red));
    selectedDateLabel_->setPalette(palette);
}
