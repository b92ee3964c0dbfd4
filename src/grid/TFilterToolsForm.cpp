#include "grid/TFilterToolsForm.h"

#include <QFont>
#include <QGridLayout>
#include <QLabel>
#include <QLayout>
#include <QVBoxLayout>

#include "grid/FilterEditor.h"
#include "toolkit/CheckBox.h"
#include "toolkit/CheckListBox.h"
#include "toolkit/Edit.h"
#include "toolkit/ListBox.h"
#include "toolkit/MessageRouter.h"
#include "toolkit/QtText.h"
#include "toolkit/RadioGroup.h"

namespace {
QLabel* MakeLabel(QWidget* parent, const char* name, const char* text, bool bold = false) {
    auto* label = new QLabel(ToQt(text), parent);
    label->setObjectName(name);
    if (bold) {
        QFont font(QStringLiteral("Arial"));
        font.setBold(true);
        label->setFont(font);
    }
    return label;
}
}  // namespace

TFilterToolsForm::TFilterToolsForm(QWidget* owner, uint32_t notifyWindow)
    : Form(owner), notifyWindow_(notifyWindow) {
    setObjectName("FilterToolsForm");

    ValuePanel = new QWidget(this);
    ValuePanel->setObjectName("ValuePanel");
    ValueLabel = MakeLabel(ValuePanel, "ValueLabel", "&Value");
    ValueEdit = new Edit(ValuePanel, "ValueEdit");
    ValueLabel->setBuddy(ValueEdit);
    AcceptNullValueCheckBox = new CheckBox(ValuePanel, "AcceptNullValueCheckBox", "&Accept Null Value");
    mpSearchOperatorRadioGroup = new RadioGroup(ValuePanel, "mpSearchOperatorRadioGroup", "Search Operator");
    mpSearchOperatorRadioGroup->SetItems({"OR", "AND"});
    NoteStaticText1 = MakeLabel(ValuePanel, "NoteStaticText1", "Note:", true);
    NoteStaticText2 =
        MakeLabel(ValuePanel, "NoteStaticText2", "In order to specify multiple values to search", true);
    NoteStaticText3 = MakeLabel(ValuePanel, "NoteStaticText3", "separate each value by semicolon.", true);
    for (QLabel* note : {NoteStaticText1, NoteStaticText2, NoteStaticText3}) note->hide();
    auto* valueLayout = new QVBoxLayout(ValuePanel);
    for (QWidget* w : std::initializer_list<QWidget*>{ValueLabel, ValueEdit, AcceptNullValueCheckBox,
                                                      mpSearchOperatorRadioGroup, NoteStaticText1,
                                                      NoteStaticText2, NoteStaticText3})
        valueLayout->addWidget(w);
    valueLayout->addStretch();

    RangePanel = new QWidget(this);
    RangePanel->setObjectName("RangePanel");
    auto* minLabel = MakeLabel(RangePanel, "MinValueLabel", "Mi&n Value");
    MinValueEdit = new Edit(RangePanel, "MinValueEdit");
    minLabel->setBuddy(MinValueEdit);
    auto* maxLabel = MakeLabel(RangePanel, "MaxValueLabel", "Ma&x Value");
    MaxValueEdit = new Edit(RangePanel, "MaxValueEdit");
    maxLabel->setBuddy(MaxValueEdit);
    MinValueIncludedCheckBox = new CheckBox(RangePanel, "MinValueIncludedCheckBox", "&Min Included");
    MaxValueIncludedCheckBox = new CheckBox(RangePanel, "MaxValueIncludedCheckBox", "Max Inclu&ded");
    auto* rangeLayout = new QGridLayout(RangePanel);
    rangeLayout->addWidget(minLabel, 0, 0);
    rangeLayout->addWidget(MinValueEdit, 1, 0);
    rangeLayout->addWidget(MinValueIncludedCheckBox, 2, 0);
    rangeLayout->addWidget(maxLabel, 0, 1);
    rangeLayout->addWidget(MaxValueEdit, 1, 1);
    rangeLayout->addWidget(MaxValueIncludedCheckBox, 2, 1);
    rangeLayout->setRowStretch(3, 1);

    ValueCheckListBox = new CheckListBox(this, "ValueCheckListBox", true);

    IsLikeValuePanel = new QWidget(this);
    IsLikeValuePanel->setObjectName("IsLikeValuePanel");
    auto* likeLabel = MakeLabel(IsLikeValuePanel, "IsLikeValueLabel", "&Value");
    IsLikeValueEdit = new Edit(IsLikeValuePanel, "IsLikeValueEdit");
    likeLabel->setBuddy(IsLikeValueEdit);
    auto* likeLayout = new QGridLayout(IsLikeValuePanel);
    likeLayout->addWidget(likeLabel, 0, 0, 1, 2);
    likeLayout->addWidget(IsLikeValueEdit, 1, 0, 1, 2);
    likeLayout->addWidget(MakeLabel(IsLikeValuePanel, "IsLikeNote1", "Note:", true), 2, 0, 1, 2);
    likeLayout->addWidget(
        MakeLabel(IsLikeValuePanel, "IsLikeNote2", "The following mask specifiers are supported:", true), 3,
        0, 1, 2);
    static constexpr const char* kLegend[][2] = {{"Specifier", "Masks"},
                                                 {"\\0", "decimal digit character"},
                                                 {"\\9", "non decimal digit character"},
                                                 {"\\A or \\a", "alphabetic character"},
                                                 {"\\Z or \\z", "non alphabetic character"},
                                                 {"\\.", "any single character"},
                                                 {"\\*", "any characters (zero or many)"}};
    int row = 4;
    for (const auto& line : kLegend) {
        likeLayout->addWidget(MakeLabel(IsLikeValuePanel, "", line[0], row == 4), row, 0);
        likeLayout->addWidget(MakeLabel(IsLikeValuePanel, "", line[1], row == 4), row, 1);
        ++row;
    }
    likeLayout->setRowStretch(row, 1);

    ColumnListBox = new ListBox(this, "ColumnListBox", true);

    ValueCheckListBox->onClickCheck = [this](int index) {
        ValueCheckListBox->SetItemIndex(index);
        Notify(FilterEditor::kValueChecked, index);
    };
    ValueEdit->onChange = [this] { Notify(FilterEditor::kValueChanged, 0); };
    MinValueEdit->onChange = [this] { Notify(FilterEditor::kMinValueChanged, 0); };
    MaxValueEdit->onChange = [this] { Notify(FilterEditor::kMaxValueChanged, 0); };
    MinValueIncludedCheckBox->onClick = [this] { Notify(FilterEditor::kMinIncludedChanged, 0); };
    MaxValueIncludedCheckBox->onClick = [this] { Notify(FilterEditor::kMaxIncludedChanged, 0); };
    IsLikeValueEdit->onChange = [this] { Notify(FilterEditor::kPatternChanged, 0); };
    AcceptNullValueCheckBox->onClick = [this] { Notify(FilterEditor::kAcceptNullChanged, 0); };
    ColumnListBox->onClick = [this] {
        Notify(FilterEditor::kCompareColumnChosen, ColumnListBox->ItemIndex());
    };
    mpSearchOperatorRadioGroup->onClick = [this] {
        Notify(FilterEditor::kSearchOperatorChanged, mpSearchOperatorRadioGroup->ItemIndex());
    };
    ReclaimPanels();
}

void TFilterToolsForm::Notify(uint32_t message, int32_t wParam) {
    if (notify_) MessageRouter::SendMessage(notifyWindow_, message, wParam, 0);
}

void TFilterToolsForm::ReclaimPanels() {
    for (QWidget* panel : {ValuePanel, RangePanel, static_cast<QWidget*>(ValueCheckListBox), IsLikeValuePanel,
                           static_cast<QWidget*>(ColumnListBox)}) {
        if (panel->parentWidget() != this) panel->setParent(this);
        panel->hide();
    }
}

void TFilterToolsForm::Place(QWidget* panel, QWidget* host) {
    panel->setParent(host);
    if (!host->layout()) {
        auto* layout = new QVBoxLayout(host);
        layout->setContentsMargins(0, 0, 0, 0);
    }
    host->layout()->addWidget(panel);
    panel->show();
}

bool TFilterToolsForm::ShowConditionPanel(int condition, QWidget* host, bool delta, bool comparison) {
    ReclaimPanels();
    if (comparison) {
        Place(ColumnListBox, host);
        return true;
    }
    ValueLabel->setText(condition == 6 ? QStringLiteral("&Value(s)") : QStringLiteral("&Value"));
    QWidget* panel = nullptr;
    switch (condition) {
        case 2:
            panel = delta ? ValuePanel : static_cast<QWidget*>(ValueCheckListBox);
            break;
        case 5:
            panel = RangePanel;
            break;
        case 7:
            panel = IsLikeValuePanel;
            break;
        case 0:
        case 1:
        case 3:
        case 4:
        case 6:
            panel = ValuePanel;
            for (QWidget* w :
                 std::initializer_list<QWidget*>{AcceptNullValueCheckBox, NoteStaticText1, NoteStaticText2,
                                                 NoteStaticText3, mpSearchOperatorRadioGroup})
                w->setVisible(condition == 6);
            break;
        default:
            return false;
    }
    Place(panel, host);
    return true;
}

std::string TFilterToolsForm::CheckMaskText(const std::string& pattern) {
    return FilterEditor::CheckMaskText(pattern);
}
