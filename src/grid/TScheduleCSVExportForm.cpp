#include "grid/TScheduleCSVExportForm.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QTime>

#include "grid/CSVExportManager.h"
#include "toolkit/Action.h"
#include "toolkit/CheckBox.h"
#include "toolkit/ComboBox.h"
#include "toolkit/DateTimePicker.h"
#include "toolkit/ListBox.h"
#include "toolkit/QtText.h"
#include "toolkit/UiHost.h"
#include "toolkit/UpDownEdit.h"

namespace {

std::string TimeText(const QTime& time) {
    return FromQt(time.toString(QStringLiteral("HHmmss")));
}

QLabel* Bold(QLabel* label) {
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

}  // namespace

TScheduleCSVExportForm::TScheduleCSVExportForm(QWidget* owner, const std::string& windowTitle,
                                               std::set<std::string>& schedule)
    : Form(owner),
      schedule_(schedule),
      working_(schedule),
      windowTitle_(windowTitle),
      buttons_(*this, [this] {
          const int answer =
              Ui().MessageBox(this,
                              "You are about to change the schedule definition\n\nPress OK button to proceed "
                              "with the modification.",
                              "CSV Schedule Modification", BoxIcon::Information, BoxButtons::OkCancel);
          if (answer != mrOk) return false;
          schedule_ = working_;
          return true;
      }) {
    setObjectName("ScheduleCSVExportForm");
    setWindowTitle(QStringLiteral("Schedule CSV Export Form"));
    SetCentreOnOwner(true);
    auto* layout = new QGridLayout(this);
    const auto label = [this](const char* caption, const char* name, QWidget* buddy) {
        auto* l = new QLabel(QString::fromLatin1(caption), this);
        l->setObjectName(name);
        if (buddy) l->setBuddy(buddy);
        return l;
    };
    const auto button = [this](Action*& action, const char* name, const char* caption,
                               const char* buttonName) {
        action = actions_.Make(this, caption);
        action->setObjectName(name);
        auto* b = new QPushButton(this);
        b->setObjectName(buttonName);
        action->BindButton(b);
        return b;
    };
    singleTime_ = new DateTimePicker(this, "SingleTimePicker", DateTimePicker::Kind::Time);
    startTime_ = new DateTimePicker(this, "StartAtTimePicker", DateTimePicker::Kind::Time);
    endTime_ = new DateTimePicker(this, "EndAtTimePicker", DateTimePicker::Kind::Time);
    startIncluded_ = new CheckBox(this, "StartIncludedCheckBox", "Start Incl&uded");
    endIncluded_ = new CheckBox(this, "EndIncludedCheckBox", "End &Included");
    frequency_ = new UpDownEdit(this, "FrequencyEdit");
    unit_ = new ComboBox(this, "FrequencyUnitComboBox", ComboBox::Style::DropDownList, true);
    list_ = new ListBox(this, "ScheduleListBox", true);
    layout->addWidget(Bold(label("Single Schedule", "SingleScheduleLabel", nullptr)), 0, 0, 1, 2);
    layout->addWidget(label("&Time", "SingleTimeLabel", singleTime_), 1, 0);
    layout->addWidget(singleTime_, 1, 1);
    layout->addWidget(button(addSingle_, "AddSingleScheduleAction", "&Add", "AddSingleScheduleButton"), 1, 2);
    layout->addWidget(Bold(label("Multiple Schedules", "MultipleSchedulesLabel", nullptr)), 2, 0, 1, 2);
    layout->addWidget(label("Starti&ng Time", "StartAtLabel", startTime_), 3, 0);
    layout->addWidget(startTime_, 3, 1);
    layout->addWidget(startIncluded_, 3, 2);
    layout->addWidget(label("&EndingTime", "EndAtLabel", endTime_), 4, 0);
    layout->addWidget(endTime_, 4, 1);
    layout->addWidget(endIncluded_, 4, 2);
    layout->addWidget(label("Repeat e&very", "FrequencyLabel", frequency_), 5, 0);
    layout->addWidget(frequency_, 5, 1);
    layout->addWidget(unit_, 5, 2);
    layout->addWidget(
        button(addMultiple_, "AddMultipleSchedulesAction", "A&dd", "AddMultipleSchedulesButton"), 6, 2);
    layout->addWidget(label("&Schedules", "ScheduleLabel", list_), 0, 3);
    layout->addWidget(list_, 1, 3, 6, 2);
    layout->addWidget(button(remove_, "RemoveScheduleAction", "&Remove", "RemoveScheduleButton"), 7, 3);
    layout->addWidget(
        button(removeAll_, "RemoveAllSchedulesAction", "Re&move All", "RemoveAllSchedulesButton"), 7, 4);
    layout->addWidget(buttons_.OkButton(), 8, 3);
    layout->addWidget(buttons_.CancelButton(), 8, 4);
    frequency_->SetText("0");

    unit_->onChange = [this] { UpdateFrequencyRange(); };
    connect(frequency_, &QAbstractSpinBox::editingFinished, this, [this] { FrequencyEditExit(); });
    addSingle_->onExecute = [this](Action&) { Add(TimeText(singleTime_->Time())); };
    addMultiple_->onExecute = [this](Action&) {
        const std::string start = TimeText(startTime_->Time());
        const std::string end = TimeText(endTime_->Time());
        if (start >= end) {
            Ui().MessageBox(this, "Ending time cannot be the same or prior to starting time",
                            "Time Range Validation Error", BoxIcon::Error, BoxButtons::Ok);
            return;
        }
        const std::string unit = unit_->Text();
        const int scale = unit == "hour" ? 3600 : unit == "minute" ? 60 : 1;
        for (const std::string& time :
             CSVExportManager::Series(start, end, frequency_->Position() * scale, startIncluded_->Checked(),
                                      endIncluded_->Checked()))
            Add(time);
    };
    list_->onClick = [this] { actions_.UpdateActions(); };
    remove_->onUpdate = [this](Action& a) { a.SetEnabled(list_->ItemIndex() >= 0); };
    remove_->onExecute = [this](Action&) {
        const int index = list_->ItemIndex();
        if (index < 0 || working_.erase(list_->Item(index)) == 0) return;
        list_->Clear();
        for (const std::string& time : working_) list_->AddItem(time);
        list_->SetItemIndex(std::min(index, list_->Count() - 1));
        Changed();
    };
    removeAll_->onUpdate = [this](Action& a) { a.SetEnabled(!working_.empty()); };
    removeAll_->onExecute = [this](Action&) {
        working_.clear();
        list_->Clear();
        Changed();
    };
    onShow = [this] {
        const QTime now = QTime::currentTime();
        for (DateTimePicker* picker : {singleTime_, startTime_, endTime_}) picker->SetTime(now);
        unit_->Clear();
        for (const char* unit : {"second", "minute", "hour"}) unit_->AddItem(unit);
        unit_->SetText("hour");
        UpdateFrequencyRange();
        list_->Clear();
        for (const std::string& time : working_) list_->AddItem(time);
        setWindowTitle(QStringLiteral("Schedule CSV Export Form - ") + ToQt(windowTitle_));
        buttons_.SetChanged(false);
        actions_.UpdateActions();
    };
}

void TScheduleCSVExportForm::FrequencyEditExit() {
    const std::string position = std::to_string(frequency_->Position());
    if (frequency_->Text() != position) frequency_->SetText(position);
}

void TScheduleCSVExportForm::UpdateFrequencyRange() {
    frequency_->SetRange(1, unit_->Text() == "hour" ? 12 : 120);
    frequency_->SetPosition(1);
}

void TScheduleCSVExportForm::Add(const std::string& time) {
    if (!working_.insert(time).second) return;
    list_->AddItem(time);
    Changed();
}

void TScheduleCSVExportForm::Changed() {
    changed_ = true;
    buttons_.SetChanged(!working_.empty());
    actions_.UpdateActions();
}
