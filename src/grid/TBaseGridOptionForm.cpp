#include "grid/TBaseGridOptionForm.h"

#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "grid/DecimalText.h"
#include "toolkit/Action.h"
#include "toolkit/DrawGrid.h"
#include "toolkit/Memo.h"
#include "toolkit/QtPaint.h"
#include "toolkit/QtText.h"
#include "toolkit/RadioGroup.h"
#include "toolkit/UiHost.h"
#include "toolkit/UpDownEdit.h"

namespace {

// Runs the body with the dialog's change handlers switched off.
class EventsOff {
public:
    explicit EventsOff(bool& enabled) : enabled_(enabled), was_(enabled) { enabled_ = false; }
    ~EventsOff() { enabled_ = was_; }
    EventsOff(const EventsOff&) = delete;
    EventsOff& operator=(const EventsOff&) = delete;

private:
    bool& enabled_;
    bool was_;
};

UpDownEdit* MakeValueEdit(QWidget* parent, const char* name, QFormLayout* layout, const char* caption) {
    auto* edit = new UpDownEdit(parent, name);
    auto* label = new QLabel(QString::fromLatin1(caption), parent);
    label->setBuddy(edit);
    layout->addRow(label, edit);
    return edit;
}

}  // namespace

TBaseGridOptionForm::TBaseGridOptionForm(QWidget* owner, const std::string& sectionName, BaseIniFile& file,
                                         BaseGridOption& gridOptions)
    : Form(owner),
      sectionName_(sectionName),
      file_(file),
      gridOptions_(gridOptions),
      options_(gridOptions),
      buttons_(*this, [this] {
          gridOptions_.Assign(options_);
          return true;
      }) {
    setObjectName("BaseGridOptionForm");
    setWindowTitle(QStringLiteral("Application Grid Options"));
    SetCentreOnOwner(true);
    setFixedSize(420, 296);

    pages_ = new QTabWidget(this);
    pages_->setObjectName("BaseGridOptionsPageControl");

    auto* selectionPage = new QWidget;
    selectionPage->setObjectName("GridSelectionTabSheet");
    gridSelectionRadioGroup_ = new RadioGroup(selectionPage, "GridSelectionRadioGroup", "Grid Selection");
    gridSelectionRadioGroup_->SetItems({"Based on d&ata", "Based on row &number"});
    auto* selectionLayout = new QVBoxLayout(selectionPage);
    selectionLayout->addWidget(gridSelectionRadioGroup_);
    selectionLayout->addStretch();
    pages_->addTab(selectionPage, QStringLiteral("&Selection"));

    auto* fontsPage = new QWidget;
    fontsPage->setObjectName("GridFontsTabSheet");
    nameValueLabel_ = new QLabel(fontsPage);
    nameValueLabel_->setObjectName("NameValueLabel");
    styleValueLabel_ = new QLabel(fontsPage);
    styleValueLabel_->setObjectName("StyleValueLabel");
    sizeValueLabel_ = new QLabel(fontsPage);
    sizeValueLabel_->setObjectName("SizeValueLabel");
    sampleMemo_ = new Memo(fontsPage, "SampleMemo");
    sampleMemo_->setReadOnly(true);
    sampleMemo_->SetText("abcdefghijklmnopqrstuvwxyz\nABCDEFGHIJKLMNOPQRSTUVWXYZ\n0123456789");
    auto* changeFonts = new QPushButton(QStringLiteral("C&hange"), fontsPage);
    changeFonts->setObjectName("ChangeFontsButton");
    auto* defaultFont = new QPushButton(QStringLiteral("&Default"), fontsPage);
    defaultFont->setObjectName("DefaultFontButton");
    auto* fontInfo = new QFormLayout;
    fontInfo->addRow(QStringLiteral("Name:"), nameValueLabel_);
    fontInfo->addRow(QStringLiteral("Style:"), styleValueLabel_);
    fontInfo->addRow(QStringLiteral("Size:"), sizeValueLabel_);
    auto* fontButtons = new QVBoxLayout;
    fontButtons->addWidget(changeFonts);
    fontButtons->addWidget(defaultFont);
    fontButtons->addStretch();
    auto* fontsLayout = new QGridLayout(fontsPage);
    fontsLayout->addLayout(fontInfo, 0, 0);
    fontsLayout->addLayout(fontButtons, 0, 1, 2, 1);
    fontsLayout->addWidget(sampleMemo_, 1, 0);
    pages_->addTab(fontsPage, QStringLiteral("&Fonts"));

    auto* displayPage = new QWidget;
    displayPage->setObjectName("GridDisplayTabSheet");
    auto* values = new QFormLayout;
    rowHeightEdit_ = MakeValueEdit(displayPage, "RowHeightEdit", values, "Row &Height");
    cellLeftOffsetEdit_ = MakeValueEdit(displayPage, "CellLeftOffsetEdit", values, "Cell &Left Offset");
    cellTopOffsetEdit_ = MakeValueEdit(displayPage, "CellTopOffsetEdit", values, "Cell &Top Offset");
    sampleDrawGrid_ = new DrawGrid(displayPage, "SampleDrawGrid");
    sampleDrawGrid_->SetColCount(5);
    sampleDrawGrid_->SetRowCount(5);
    sampleDrawGrid_->verticalHeader()->setMinimumSectionSize(1);
    sampleDrawGrid_->onDrawCell = [this](int col, int row, const CanvasRect& rect, Canvas& canvas) {
        SampleDrawGridDrawCell(col, row, rect, canvas);
    };
    auto* displayLayout = new QHBoxLayout(displayPage);
    displayLayout->addLayout(values);
    displayLayout->addWidget(sampleDrawGrid_, 1);
    pages_->addTab(displayPage, QStringLiteral("Displa&y"));

    // OK is no default button here: Enter in an edit does not close the dialog.
    SetDefaultButton(nullptr);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(buttons_.OkButton());
    buttons->addWidget(buttons_.CancelButton());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_);
    layout->addLayout(buttons);

    dialogFont_ = options_.GetFont();
    rowHeightEdit_->SetRange(2, 100);
    rowHeightEdit_->SetPosition(options_.GetRowHeight());
    cellLeftOffsetEdit_->SetRange(0, 10);
    cellLeftOffsetEdit_->SetPosition(options_.GetCellLeftOffset());
    cellTopOffsetEdit_->SetRange(0, 10);
    cellTopOffsetEdit_->SetPosition(options_.GetCellTopOffset());
    eventsEnabled_ = true;

    gridSelectionRadioGroup_->onClick = [this] {
        if (!eventsEnabled_) return;
        options_.SetGridSelection(gridSelectionRadioGroup_->ItemIndex());
        SetModified();
    };
    QObject::connect(changeFonts, &QPushButton::clicked, this, [this] { ChangeFontsButtonClick(); });
    QObject::connect(defaultFont, &QPushButton::clicked, this, [this] { DefaultFontButtonClick(); });
    rowHeightEdit_->onChange = [this] { ValueEditChange(rowHeightEdit_, &BaseGridOption::SetRowHeight); };
    cellLeftOffsetEdit_->onChange = [this] {
        ValueEditChange(cellLeftOffsetEdit_, &BaseGridOption::SetCellLeftOffset);
    };
    cellTopOffsetEdit_->onChange = [this] {
        ValueEditChange(cellTopOffsetEdit_, &BaseGridOption::SetCellTopOffset);
    };
    for (UpDownEdit* edit : {rowHeightEdit_, cellLeftOffsetEdit_, cellTopOffsetEdit_})
        edit->installEventFilter(this);
    QObject::connect(pages_, &QTabWidget::currentChanged, this, [this](int index) { ShowPage(index); });
    onShow = [this] {
        pages_->setCurrentIndex(0);
        ShowPage(0);
        buttons_.SetChanged(modified_);
    };
}

int32_t TBaseGridOptionForm::ReadClampedValue(UpDownEdit* edit) {
    int32_t value = 0;
    if (!ParseDecimalText(edit->Text(), value)) {
        EventsOff off(eventsEnabled_);
        edit->SetPosition(edit->Minimum());
        return edit->Minimum();
    }
    if (value < edit->Minimum()) return edit->Minimum();
    if (value > edit->Maximum()) return edit->Maximum();
    return value;
}

bool TBaseGridOptionForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut)
        for (UpDownEdit* edit : {rowHeightEdit_, cellLeftOffsetEdit_, cellTopOffsetEdit_})
            if (watched == edit) ValueEditExit(edit);
    return Form::eventFilter(watched, event);
}

void TBaseGridOptionForm::ShowPage(int index) {
    switch (index) {
        case 0:
            GridSelectionTabSheetShow();
            break;
        case 1:
            GridFontsTabSheetShow();
            break;
        case 2:
            GridDisplayTabSheetShow();
            break;
        default:
            break;
    }
}

void TBaseGridOptionForm::GridSelectionTabSheetShow() {
    EventsOff off(eventsEnabled_);
    // The grid keeps the row number for every value but 0.
    gridSelectionRadioGroup_->SetItemIndex(options_.GetGridSelection() == BaseGridOption::kSelectByData ? 0
                                                                                                        : 1);
}

void TBaseGridOptionForm::GridFontsTabSheetShow() {
    ShowFontInfo();
}

void TBaseGridOptionForm::GridDisplayTabSheetShow() {
    RefreshSample();
}

void TBaseGridOptionForm::ShowFontInfo() {
    const FontSpec& font = options_.GetFont();
    nameValueLabel_->setText(ToQt(BaseGridOption::GetFontNameText(font)));
    styleValueLabel_->setText(ToQt(BaseGridOption::GetFontStyleText(font)));
    sizeValueLabel_->setText(ToQt(BaseGridOption::GetFontSizeText(font)));
    sampleMemo_->setFont(ToQFont(font));
}

void TBaseGridOptionForm::RefreshSample() {
    sampleDrawGrid_->setFont(ToQFont(options_.GetFont()));
    sampleDrawGrid_->verticalHeader()->setDefaultSectionSize(options_.GetRowHeight());
    sampleDrawGrid_->viewport()->update();
}

void TBaseGridOptionForm::SampleDrawGridDrawCell(int col, int row, const CanvasRect& rect,
                                                 Canvas& canvas) const {
    const bool fixed = row < sampleDrawGrid_->FixedRows() || col < sampleDrawGrid_->FixedCols();
    FontSpec font = options_.GetFont();
    font.color = clWindowText;
    canvas.SetFont(font);
    canvas.SetBrushColor(fixed ? clBtnFace : clWindow);
    canvas.FillRect(rect);
    std::string text;
    if (row > 0) text = "Row" + std::to_string(row);
    if (col > 0) text += "Col" + std::to_string(col);
    canvas.TextRect(rect, rect.left + options_.GetCellLeftOffset(), rect.top + options_.GetCellTopOffset(),
                    text);
}

void TBaseGridOptionForm::ChangeFontsButtonClick() {
    FontSpec chosen = dialogFont_;
    if (!Ui().ChooseFont(this, chosen)) return;
    // The dialog offers no effects: colour, underline and strike-out stay as they were.
    chosen.color = dialogFont_.color;
    chosen.underline = dialogFont_.underline;
    chosen.strikeOut = dialogFont_.strikeOut;
    dialogFont_ = chosen;
    options_.SetFont(chosen);
    SetModified();
    ShowFontInfo();
}

void TBaseGridOptionForm::DefaultFontButtonClick() {
    options_.SetDefaultFont(dialogFont_);
    ShowFontInfo();
    SetModified();
}

void TBaseGridOptionForm::ValueEditChange(UpDownEdit* edit, void (BaseGridOption::*set)(int32_t)) {
    if (!eventsEnabled_) return;
    (options_.*set)(ReadClampedValue(edit));
    RefreshSample();
    SetModified();
}

void TBaseGridOptionForm::ValueEditExit(UpDownEdit* edit) {
    const std::string position = std::to_string(edit->Position());
    if (edit->Text() != position) edit->SetText(position);
}

void TBaseGridOptionForm::SetModified() {
    modified_ = true;
    buttons_.SetChanged(true);
}
