#include "grid/TFilterForm.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>
#include <unordered_set>

#include "grid/ControlTools.h"
#include "grid/TFilterToolsForm.h"
#include "grid/TitleManager.h"
#include "store/InterfaceView.h"
#include "toolkit/Action.h"
#include "toolkit/BusyCursor.h"
#include "toolkit/CheckBox.h"
#include "toolkit/CheckListBox.h"
#include "toolkit/Edit.h"
#include "toolkit/FileDialogSpec.h"
#include "toolkit/ListBox.h"
#include "toolkit/QtText.h"
#include "toolkit/RadioGroup.h"
#include "toolkit/UiHost.h"

namespace {
constexpr int kEqual = 2;
constexpr int kRange = 5;
constexpr int kHaving = 6;
constexpr int kIsLike = 7;
constexpr int kTimeKind = 2;
constexpr int kDateTimeKind = 3;
constexpr int kEnumKind = 4;
constexpr int kSetKind = 7;

// Sets a box without running its click handler.
void SetQuietly(CheckBox* box, bool checked) {
    const bool blocked = box->blockSignals(true);
    box->SetChecked(checked);
    box->blockSignals(blocked);
}
}  // namespace

TFilterForm::TFilterForm(QWidget* owner, bool alertsSupported, const TitleManager& titles,
                         InterfaceView& view)
    : Form(owner),
      view_(view),
      titles_(titles),
      alertsSupported_(alertsSupported),
      editor_(view),
      buttons_(*this, [this] { return OKActionExecute(); }) {
    setObjectName("FilterForm");
    setWindowTitle(QStringLiteral("Filter Definition Form"));
    SetCentreOnOwner(true);
    setFont(QFont(QStringLiteral("MS Sans Serif")));

    auto* columnsLabel = new QLabel(QStringLiteral("C&olumns"), this);
    ColumnCheckListBox = new CheckListBox(this, "ColumnCheckListBox", true);
    columnsLabel->setBuddy(ColumnCheckListBox);
    BoolOperatorsRadioGroup = new RadioGroup(this, "BoolOperatorsRadioGroup", "Filter Con&dition");
    BoolOperatorsRadioGroup->SetItems({"<", "<=", "=", ">=", ">", "Between", "Having", "Is Like"});
    NegationCheckBox = new CheckBox(this, "NegationCheckBox", "&Negation");
    CompareWithColumnValueCheckBox =
        new CheckBox(this, "CompareWithColumnValueCheckBox", "Compare with other colu&mn's value");
    DeltaNowMinusTimeValueCheckBox =
        new CheckBox(this, "DeltaNowMinusTimeValueCheckBox", "Use delta (now - column value) for comparison");
    FilterValuesPanel = new QWidget(this);
    FilterValuesPanel->setObjectName("FilterValuesPanel");
    FilterValuesPanel->setMinimumSize(300, 200);
    FilterNegationCheckBox = new CheckBox(this, "FilterNegationCheckBox", "&Filter Negation");

    AlertsGroupBox = new QGroupBox(QStringLiteral("Alerts"), this);
    AlertsGroupBox->setObjectName("AlertsGroupBox");
    EnableSoundAlertCheckBox = new CheckBox(AlertsGroupBox, "EnableSoundAlertCheckBox", "Enable Sound Alert");
    SoundFilenameLabel = new QLabel(QStringLiteral("Sound filename:"), AlertsGroupBox);
    SoundFilenameLabel->setObjectName("SoundFilenameLabel");
    SoundAlertFilenameEdit = new Edit(AlertsGroupBox, "SoundAlertFilenameEdit");
    ChooseSoundAlertFilenameButton = new QPushButton(QStringLiteral("..."), AlertsGroupBox);
    ChooseSoundAlertFilenameButton->setObjectName("ChooseSoundAlertFilenameButton");
    EnablePopupAlertCheckbox = new CheckBox(AlertsGroupBox, "EnablePopupAlertCheckbox", "Enable Popup Alert");
    WarningMessageLabel = new QLabel(QStringLiteral("Warning Message:"), AlertsGroupBox);
    WarningMessageLabel->setObjectName("WarningMessageLabel");
    PopupAlertMessageEdit = new Edit(AlertsGroupBox, "PopupAlertMessageEdit");
    auto* alertsLayout = new QGridLayout(AlertsGroupBox);
    alertsLayout->addWidget(EnableSoundAlertCheckBox, 0, 0, 1, 3);
    alertsLayout->addWidget(SoundFilenameLabel, 1, 0);
    alertsLayout->addWidget(SoundAlertFilenameEdit, 1, 1);
    alertsLayout->addWidget(ChooseSoundAlertFilenameButton, 1, 2);
    alertsLayout->addWidget(EnablePopupAlertCheckbox, 2, 0, 1, 3);
    alertsLayout->addWidget(WarningMessageLabel, 3, 0);
    alertsLayout->addWidget(PopupAlertMessageEdit, 3, 1, 1, 2);

    ClearAllFiltersButton = new QPushButton(QStringLiteral("Cl&ear All"), this);
    ClearAllFiltersButton->setObjectName("ClearAllFiltersButton");
    filterNegationAction_ = new Action(this, "&Filter Negation");
    filterNegationAction_->setObjectName("FilterNegationAction");
    actions_.Add(filterNegationAction_);
    filterNegationAction_->onUpdate = [this](Action& a) { a.SetEnabled(!editor_.Copy().empty()); };
    filterNegationAction_->onExecute = [this](Action&) { SetModified(); };
    filterNegationAction_->BindButton(FilterNegationCheckBox);
    clearAllAction_ = new Action(this, "Cl&ear All");
    clearAllAction_->setObjectName("ClearAllFiltersAction");
    actions_.Add(clearAllAction_);
    clearAllAction_->onUpdate = [this](Action& a) {
        bool any = false;
        for (int i = 0; i < ColumnCheckListBox->Count() && !any; ++i) any = ColumnCheckListBox->IsChecked(i);
        a.SetEnabled(any);
    };
    clearAllAction_->onExecute = [this](Action&) { ClearAllFiltersActionExecute(); };
    clearAllAction_->BindButton(ClearAllFiltersButton);

    auto* layout = new QGridLayout(this);
    layout->addWidget(columnsLabel, 0, 0);
    layout->addWidget(ColumnCheckListBox, 1, 0, 5, 1);
    layout->addWidget(BoolOperatorsRadioGroup, 1, 1);
    auto* boxes = new QVBoxLayout;
    boxes->addWidget(NegationCheckBox);
    boxes->addWidget(CompareWithColumnValueCheckBox);
    boxes->addWidget(DeltaNowMinusTimeValueCheckBox);
    layout->addLayout(boxes, 2, 1);
    layout->addWidget(FilterValuesPanel, 1, 2, 5, 1);
    layout->addWidget(FilterNegationCheckBox, 6, 0, 1, 3);
    layout->addWidget(AlertsGroupBox, 7, 0, 1, 3);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(ClearAllFiltersButton);
    bottom->addStretch();
    bottom->addWidget(buttons_.OkButton());
    bottom->addWidget(buttons_.CancelButton());
    layout->addLayout(bottom, 8, 0, 1, 3);
    layout->setRowStretch(5, 1);
    layout->setColumnStretch(2, 1);
    resize(739, 474);

    ColumnCheckListBox->onClick = [this] { ColumnCheckListBoxClick(); };
    ColumnCheckListBox->onClickCheck = [this](int index) { ColumnCheckListBoxClickCheck(index); };
    BoolOperatorsRadioGroup->onClick = [this] { BoolOperatorsRadioGroupClick(); };
    connect(NegationCheckBox, &QAbstractButton::clicked, this, [this] { NegationCheckBoxClick(); });
    connect(CompareWithColumnValueCheckBox, &QAbstractButton::clicked, this,
            [this] { CompareWithColumnValueCheckBoxClick(); });
    connect(DeltaNowMinusTimeValueCheckBox, &QAbstractButton::clicked, this,
            [this] { DeltaNowMinusTimeValueCheckBoxClick(); });
    connect(EnableSoundAlertCheckBox, &QAbstractButton::clicked, this,
            [this] { EnableSoundAlertCheckBoxClick(); });
    connect(EnablePopupAlertCheckbox, &QAbstractButton::clicked, this,
            [this] { EnablePopupAlertCheckboxClick(); });
    connect(ChooseSoundAlertFilenameButton, &QAbstractButton::clicked, this,
            [this] { ChooseSoundAlertFilenameButtonClick(); });
    SoundAlertFilenameEdit->onChange = [this] { SetModified(); };
    PopupAlertMessageEdit->onChange = [this] { SetModified(); };
    connect(buttons_.CancelButton(), &QAbstractButton::clicked, this, [this] { CancelButtonClick(); });
    // The close query keeps the selected column for the next opening.
    onCloseQuery = [this, mayClose = onCloseQuery] {
        FilterData& filters = view_.GetFilter();
        if (!filters.empty()) filters.front().DialogColumnItem = ColumnCheckListBox->ItemIndex();
        return mayClose();
    };
    onMessage = [this](uint32_t message, int32_t wParam, int32_t) { return HandleMessage(message, wParam); };
    onShow = [this] { FormShow(); };
}

TFilterForm::~TFilterForm() {
    // The editor panels belong to the tools form.
    if (tools_) tools_->ReclaimPanels();
}

std::string TFilterForm::SelectedName() const {
    const int index = ColumnCheckListBox->ItemIndex();
    return index < 0 ? std::string() : titles_.FindColumnByTitle(ColumnCheckListBox->Item(index));
}

int TFilterForm::FindEntry(const std::string& name) const {
    for (int i = 0; i < ColumnCheckListBox->Count(); ++i) {
        if (titles_.FindColumnByTitle(ColumnCheckListBox->Item(i)) == name) return i;
    }
    return -1;
}

void TFilterForm::FormShow() {
    const FilterData& current = view_.GetFilter();
    const int remembered = current.empty() ? -1 : current.front().DialogColumnItem;
    view_.ClearColumnValueCache();
    std::vector<std::string> entries;
    for (const std::string& name : view_.GetTitleList()) {
        std::string title = titles_.GetUserTitle(name);
        if (!title.empty()) entries.push_back(std::move(title));
    }
    ColumnCheckListBox->Clear();
    ColumnCheckListBox->AddItems(entries);
    editor_.TakeDeltaValues();
    for (int i = 0; i < ColumnCheckListBox->Count(); ++i) {
        const std::string entry = ColumnCheckListBox->Item(i);
        const bool filtered =
            std::any_of(editor_.Copy().begin(), editor_.Copy().end(),
                        [&](const ColumnFilter& f) { return titles_.GetUserTitle(f.ColumnName) == entry; });
        if (filtered) ColumnCheckListBox->SetChecked(i, true);
    }
    SetQuietly(FilterNegationCheckBox, view_.GetFilterNegation());
    DeltaNowMinusTimeValueCheckBox->setEnabled(false);
    EnableSoundAlertCheckBox->SetChecked(editor_.Copy().SoundAlertEnabled);
    EnablePopupAlertCheckbox->SetChecked(editor_.Copy().PopupAlertEnabled);
    SoundAlertFilenameEdit->SetText(editor_.Copy().SoundAlertFilename);
    PopupAlertMessageEdit->SetText(editor_.Copy().PopupAlertMessage);
    if (alertsSupported_) {
        EnableSoundAlertCheckBoxClick();
        EnablePopupAlertCheckboxClick();
    } else {
        HideAlertControls();
    }
    BoolOperatorsRadioGroup->setEnabled(false);
    NegationCheckBox->setEnabled(false);
    CompareWithColumnValueCheckBox->setEnabled(false);
    eventsEnabled_ = true;
    if (remembered >= 0 && remembered < ColumnCheckListBox->Count()) {
        ColumnCheckListBox->SetItemIndex(remembered);
        ColumnCheckListBoxClick();
    }
    buttons_.SetChanged(false);
    actions_.UpdateActions();
}

int32_t TFilterForm::HandleMessage(uint32_t message, int32_t wParam) {
    if (message < FilterEditor::kValueChecked || message > FilterEditor::kSearchOperatorChanged || !tools_)
        return 0;
    FilterEditor::EditValue value;
    switch (message) {
        case FilterEditor::kValueChecked:
            value.text = tools_->ValueCheckListBox->Item(wParam);
            value.checked = tools_->ValueCheckListBox->IsChecked(wParam);
            break;
        case FilterEditor::kValueChanged:
            value.text = tools_->ValueEdit->Text();
            break;
        case FilterEditor::kMinValueChanged:
            value.text = tools_->MinValueEdit->Text();
            break;
        case FilterEditor::kMaxValueChanged:
            value.text = tools_->MaxValueEdit->Text();
            break;
        case FilterEditor::kMinIncludedChanged:
            value.checked = tools_->MinValueIncludedCheckBox->Checked();
            break;
        case FilterEditor::kMaxIncludedChanged:
            value.checked = tools_->MaxValueIncludedCheckBox->Checked();
            break;
        case FilterEditor::kPatternChanged:
            value.text = tools_->IsLikeValueEdit->Text();
            break;
        case FilterEditor::kAcceptNullChanged:
            value.checked = tools_->AcceptNullValueCheckBox->Checked();
            break;
        case FilterEditor::kCompareColumnChosen:
            value.text = titles_.FindColumnByTitle(tools_->ColumnListBox->Item(wParam));
            break;
        default:
            value.item = wParam;
            break;
    }
    if (editor_.ApplyEdit(SelectedName(), message, value)) SetModified();
    return 0;
}

void TFilterForm::ColumnCheckListBoxClick() {
    const int index = ColumnCheckListBox->ItemIndex();
    if (index < 0 || !ColumnCheckListBox->IsChecked(index))
        ResetConditionControls();
    else
        ShowColumnFilter(SelectedName());
}

void TFilterForm::ColumnCheckListBoxClickCheck(int index) {
    ColumnCheckListBox->SetItemIndex(index);
    const std::string name = SelectedName();
    if (ColumnCheckListBox->IsChecked(index)) {
        editor_.AddColumn(name);
        ShowColumnFilter(name);
    } else {
        editor_.RemoveColumn(name);
        ResetConditionControls();
    }
    SetModified();
    actions_.UpdateActions();
}

void TFilterForm::ShowColumnFilter(const std::string& name) {
    const ColumnFilter* found = editor_.Find(name);
    const ColumnFilter filter = found ? *found : ColumnFilter();
    BoolOperatorsRadioGroup->setEnabled(true);
    NegationCheckBox->setEnabled(true);
    CompareWithColumnValueCheckBox->setEnabled(true);
    eventsEnabled_ = false;
    BoolOperatorsRadioGroup->SetItemIndex(filter.Condition);
    SetQuietly(NegationCheckBox, filter.Negation);
    SetQuietly(CompareWithColumnValueCheckBox, filter.CompareColumn);
    eventsEnabled_ = true;
    if (!tools_) return;
    tools_->SuspendNotifications();
    tools_->ShowConditionPanel(filter.Condition, FilterValuesPanel, filter.UseDeltaTime,
                               filter.CompareColumn);
    const int kind = view_.GetColumnKind(filter.Column);
    if (filter.CompareColumn) {
        SetQuietly(DeltaNowMinusTimeValueCheckBox, false);
        DeltaNowMinusTimeValueCheckBox->setEnabled(false);
        ListBox* list = tools_->ColumnListBox;
        list->Clear();
        if (kind == kEnumKind || kind == kSetKind) {
            list->AddItem(filter.ColumnName);
        } else if (kind != 0) {
            std::vector<std::string> titles;
            const std::vector<std::string>& names = view_.GetTitleList();
            for (std::size_t field = 0; field < names.size(); ++field) {
                if (view_.GetColumnKind(static_cast<int>(field)) == kind)
                    titles.push_back(titles_.GetUserTitle(names[field]));
            }
            list->AddItems(titles);
        }
        for (int i = 0; i < list->Count(); ++i) {
            if (titles_.FindColumnByTitle(list->Item(i)) == filter.CompareColumnName) {
                list->SetItemIndex(i);
                break;
            }
        }
    } else {
        tools_->ColumnListBox->SetItemIndex(-1);
        DeltaNowMinusTimeValueCheckBox->setEnabled(kind == kTimeKind || kind == kDateTimeKind);
        SetQuietly(DeltaNowMinusTimeValueCheckBox, filter.UseDeltaTime);
        SetDeltaItems(DeltaNowMinusTimeValueCheckBox->Checked());
        switch (filter.Condition) {
            case kEqual:
                if (filter.UseDeltaTime) {
                    tools_->ValueEdit->SetText(filter.Value);
                    tools_->AcceptNullValueCheckBox->hide();
                    tools_->AcceptNullValueCheckBox->SetChecked(false);
                } else {
                    FillValueList(name);
                }
                break;
            case kRange:
                tools_->MinValueEdit->SetText(filter.MinValue);
                tools_->MaxValueEdit->SetText(filter.MaxValue);
                tools_->MinValueIncludedCheckBox->SetChecked(filter.MinIncluded);
                tools_->MaxValueIncludedCheckBox->SetChecked(filter.MaxIncluded);
                break;
            case kIsLike:
                tools_->IsLikeValueEdit->SetText(filter.Value);
                break;
            case 0:
            case 1:
            case 3:
            case 4:
            case kHaving:
                tools_->ValueEdit->SetText(filter.Value);
                tools_->AcceptNullValueCheckBox->show();
                tools_->AcceptNullValueCheckBox->SetChecked(filter.MatchEmpty);
                tools_->mpSearchOperatorRadioGroup->SetItemIndex(filter.MatchAny ? 0 : 1);
                break;
            default:
                ResetConditionControls();
                break;
        }
    }
    tools_->ResumeNotifications();
}

void TFilterForm::SetDeltaItems(bool delta) {
    BoolOperatorsRadioGroup->SetItemEnabled(kHaving, !delta);
    BoolOperatorsRadioGroup->SetItemEnabled(kIsLike, !delta);
    if (delta) {
        SetQuietly(CompareWithColumnValueCheckBox, false);
        CompareWithColumnValueCheckBox->setEnabled(false);
    }
}

void TFilterForm::FillValueList(const std::string& name) {
    CheckListBox* list = tools_->ValueCheckListBox;
    list->Clear();
    const FilterData& cache = view_.WorkFilter;
    const auto ofColumn = [&](const ColumnFilter& f) { return f.ColumnName == name; };
    const auto first = std::find_if(cache.begin(), cache.end(), ofColumn);
    if (first == cache.end() || first->Values.empty()) {
        BusyCursor busy;
        view_.CacheColumnValues(name);
    }
    const auto newest = std::find_if(cache.rbegin(), cache.rend(), ofColumn);
    if (newest == cache.rend()) return;
    editor_.DropMissingValues(name, newest->Values);
    list->AddItems(newest->Values);
    const ColumnFilter* filter = editor_.Find(name);
    if (!filter || filter->Values.empty()) return;
    const std::unordered_set<std::string> checked(filter->Values.begin(), filter->Values.end());
    for (int i = 0; i < list->Count(); ++i) {
        if (checked.count(list->Item(i))) list->SetChecked(i, true);
    }
}

void TFilterForm::ResetConditionControls() {
    const bool events = eventsEnabled_;
    eventsEnabled_ = false;
    BoolOperatorsRadioGroup->SetItemIndex(-1);
    BoolOperatorsRadioGroup->setEnabled(false);
    for (CheckBox* box : {NegationCheckBox, CompareWithColumnValueCheckBox, DeltaNowMinusTimeValueCheckBox}) {
        SetQuietly(box, false);
        box->setEnabled(false);
    }
    if (tools_) tools_->ReclaimPanels();
    eventsEnabled_ = events;
}

void TFilterForm::BoolOperatorsRadioGroupClick() {
    if (!eventsEnabled_) return;
    const std::string name = SelectedName();
    ColumnFilter* filter = editor_.Find(name);
    if (!filter) return;
    filter->Condition = BoolOperatorsRadioGroup->ItemIndex();
    if (tools_ && tools_->ShowConditionPanel(filter->Condition, FilterValuesPanel, filter->UseDeltaTime,
                                             filter->CompareColumn))
        ShowColumnFilter(name);
    else
        ResetConditionControls();
    SetModified();
}

void TFilterForm::NegationCheckBoxClick() {
    if (!eventsEnabled_) return;
    if (ColumnFilter* filter = editor_.Find(SelectedName())) filter->Negation = NegationCheckBox->Checked();
    SetModified();
}

void TFilterForm::CompareWithColumnValueCheckBoxClick() {
    if (!eventsEnabled_) return;
    const std::string name = SelectedName();
    ColumnFilter* filter = editor_.Find(name);
    if (!filter) return;
    filter->ResetValues();
    filter->CompareColumn = CompareWithColumnValueCheckBox->Checked();
    if (!tools_ ||
        !tools_->ShowConditionPanel(filter->Condition, FilterValuesPanel,
                                    DeltaNowMinusTimeValueCheckBox->Checked(), filter->CompareColumn))
        ResetConditionControls();
    SetQuietly(DeltaNowMinusTimeValueCheckBox, false);
    DeltaNowMinusTimeValueCheckBox->setEnabled(!filter->CompareColumn);
    ShowColumnFilter(name);
}

void TFilterForm::DeltaNowMinusTimeValueCheckBoxClick() {
    const std::string name = SelectedName();
    ColumnFilter* filter = editor_.Find(name);
    if (!filter) return;
    const bool delta = DeltaNowMinusTimeValueCheckBox->Checked();
    filter->UseDeltaTime = delta;
    SetModified();
    if (delta) {
        for (std::string* operand : {&filter->Value, &filter->MinValue, &filter->MaxValue}) {
            if (operand->empty()) *operand = FilterEditor::kDeltaDefault;
        }
    } else {
        CompareWithColumnValueCheckBox->setEnabled(true);
        SetQuietly(CompareWithColumnValueCheckBox, false);
    }
    SetDeltaItems(delta);
    ShowColumnFilter(name);
}

void TFilterForm::EnableSoundAlertCheckBoxClick() {
    SetModified();
    const bool on = EnableSoundAlertCheckBox->Checked();
    if (!on) SoundAlertFilenameEdit->SetText({});
    for (QWidget* w : std::initializer_list<QWidget*>{SoundFilenameLabel, SoundAlertFilenameEdit,
                                                      ChooseSoundAlertFilenameButton})
        w->setEnabled(on);
}

void TFilterForm::EnablePopupAlertCheckboxClick() {
    SetModified();
    const bool on = EnablePopupAlertCheckbox->Checked();
    if (!on) PopupAlertMessageEdit->SetText({});
    WarningMessageLabel->setEnabled(on);
    PopupAlertMessageEdit->setEnabled(on);
}

void TFilterForm::ChooseSoundAlertFilenameButtonClick() {
    FileDialogSpec spec;
    spec.title = "Alert Sound File";
    spec.filter = "Alert Sound Files (*.wav)|*.wav";
    spec.defaultExt = "wav";
    spec.initialDir = FromQt(QCoreApplication::applicationDirPath());
    spec.mustExist = true;
    std::string path;
    if (!Ui().OpenFile(this, spec, path)) return;
    editor_.Copy().SoundAlertEnabled = !path.empty();
    SoundAlertFilenameEdit->SetText(path);
    SetModified();
}

void TFilterForm::HideAlertControls() {
    const int shrink =
        DeltaNowMinusTimeValueCheckBox->sizeHint().height() + AlertsGroupBox->sizeHint().height();
    const int before = std::max(height(), minimumSizeHint().height());
    DeltaNowMinusTimeValueCheckBox->setEnabled(false);
    DeltaNowMinusTimeValueCheckBox->hide();
    AlertsGroupBox->setEnabled(false);
    AlertsGroupBox->hide();
    layout()->activate();
    resize(width(), std::max(before - shrink, minimumSizeHint().height()));
}

void TFilterForm::ClearAlertControls() {
    SetQuietly(EnableSoundAlertCheckBox, false);
    SetQuietly(EnablePopupAlertCheckbox, false);
    for (QWidget* w :
         std::initializer_list<QWidget*>{SoundFilenameLabel, WarningMessageLabel, SoundAlertFilenameEdit,
                                         PopupAlertMessageEdit, ChooseSoundAlertFilenameButton})
        w->setEnabled(false);
    SoundAlertFilenameEdit->SetText({});
    PopupAlertMessageEdit->SetText({});
}

void TFilterForm::ClearAllFiltersActionExecute() {
    editor_.ClearAll();
    for (int i = 0; i < ColumnCheckListBox->Count(); ++i) ColumnCheckListBox->SetChecked(i, false);
    SetQuietly(FilterNegationCheckBox, false);
    ResetConditionControls();
    ClearAlertControls();
    SetModified();
    actions_.UpdateActions();
}

void TFilterForm::Focus(FilterEditor::Focus focus) {
    switch (focus) {
        case FilterEditor::Focus::ColumnList:
            FocusIfReachable(ColumnCheckListBox);
            break;
        case FilterEditor::Focus::PopupMessage:
            FocusIfReachable(PopupAlertMessageEdit);
            break;
        case FilterEditor::Focus::SoundFile:
            FocusIfReachable(SoundAlertFilenameEdit);
            break;
        case FilterEditor::Focus::CompareList:
            if (tools_) tools_->ColumnListBox->setFocus();
            break;
        case FilterEditor::Focus::Condition:
            BoolOperatorsRadioGroup->setFocus();
            break;
        case FilterEditor::Focus::MinValue:
            if (tools_) tools_->MinValueEdit->setFocus();
            break;
        case FilterEditor::Focus::Pattern:
            if (tools_) tools_->IsLikeValueEdit->setFocus();
            break;
        case FilterEditor::Focus::Value:
            if (tools_) tools_->ValueEdit->setFocus();
            break;
        case FilterEditor::Focus::None:
            break;
    }
}

bool TFilterForm::ValidateFilters() {
    const FilterEditor::Fault fault =
        editor_.ValidateFilters({EnablePopupAlertCheckbox->Checked(), PopupAlertMessageEdit->Text(),
                                 EnableSoundAlertCheckBox->Checked(), SoundAlertFilenameEdit->Text()});
    if (!fault.failed) return true;
    if (fault.message.empty()) {
        ResetConditionControls();
        return false;
    }
    if (!fault.columnName.empty()) {
        ColumnCheckListBox->SetItemIndex(FindEntry(fault.columnName));
        ShowColumnFilter(fault.columnName);
    }
    Ui().MessageBox(this, fault.message, "Invalid Filter Data", BoxIcon::Error, BoxButtons::Ok);
    Focus(fault.focus);
    return false;
}

bool TFilterForm::OKActionExecute() {
    if (!ValidateFilters()) return false;
    view_.SetFilterNegation(!editor_.Copy().empty() && FilterNegationCheckBox->Checked());
    view_.GetFilter() = editor_.Copy();
    return true;
}

void TFilterForm::CancelButtonClick() {
    view_.SetFilterNegation(!view_.GetFilter().empty() && FilterNegationCheckBox->Checked());
}
