#include "grid/TTitleManagerForm.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <iterator>

#include "grid/TitleManager.h"
#include "grid/TitleValidation.h"
#include "toolkit/Action.h"
#include "toolkit/DrawGrid.h"
#include "toolkit/Edit.h"
#include "toolkit/QtText.h"
#include "toolkit/UiHost.h"

TTitleManagerForm::TTitleManagerForm(QWidget* owner, TitleManager& titles)
    : Form(owner), manager_(titles), titles_(titles.GetTitleMap()), buttons_(*this, [this] {
          if (!ValidateTitles()) return false;
          manager_.SetTitleMap(titles_);
          return true;
      }) {
    setObjectName("TitleManagerForm");
    setWindowTitle(QStringLiteral("Titles Edit Form"));
    SetCentreOnOwner(true);
    resize(692, 402);
    auto* layout = new QGridLayout(this);
    auto* titlesLabel = new QLabel(QStringLiteral("&Titles"), this);
    titlesLabel->setObjectName("TitlesLabel");
    grid_ = new DrawGrid(this, "TitleStringGrid");
    grid_->SetRowCount(5);
    grid_->SetColCount(static_cast<int>(titles_.size()) + 1);
    for (int row = 0; row < 5; ++row) grid_->setRowHeight(row, 24);
    titlesLabel->setBuddy(grid_);
    currentColumn_ = new QLabel(QStringLiteral("CurrentColumnTitle"), this);
    currentColumn_->setObjectName("CurrentColumnLabel");
    QFont bold = currentColumn_->font();
    bold.setBold(true);
    currentColumn_->setFont(bold);
    auto* userTitleLabel = new QLabel(QStringLiteral("User Title"), this);
    userTitleLabel->setObjectName("UserTitleLabel");
    titleEdit_ = new Edit(this, "UserTitleEdit");
    userTitleLabel->setBuddy(titleEdit_);
    const auto button = [this](Action*& action, const char* name, const char* caption,
                               const char* buttonName) {
        action = actions_.Make(this, caption);
        action->setObjectName(name);
        auto* b = new QPushButton(this);
        b->setObjectName(buttonName);
        action->BindButton(b);
        return b;
    };
    QPushButton* setButton = button(setTitle_, "SetUserTitleAction", "Set", "SetUserTitleButton");
    QPushButton* bkButton = button(background_, "BackgroundColorAction", "...", "BackgroundColorButton");
    QPushButton* fgButton = button(foreground_, "ForegroundColorAction", "...", "ForegroundColorButton");
    QPushButton* columnColors =
        button(resetColumnColors_, "ResetColumnColorsAction", "Default Colors", "ResetColumnColorsButton");
    QPushButton* allTitles =
        button(resetTitles_, "ResetUserTitlesAction", "&Default Titles", "ResetUserTitlesButton");
    QPushButton* allColors =
        button(resetColors_, "ResetUserColorsAction", "Default Colors", "ResetUserColorsButton");
    auto* global = new QLabel(QStringLiteral("Global Settings"), this);
    global->setObjectName("AllColumnsLabel");
    global->setFont(bold);
    layout->addWidget(titlesLabel, 0, 0);
    layout->addWidget(grid_, 1, 0, 1, 6);
    layout->addWidget(currentColumn_, 2, 0, 1, 6);
    layout->addWidget(userTitleLabel, 3, 0);
    layout->addWidget(titleEdit_, 3, 1, 1, 4);
    layout->addWidget(setButton, 3, 5);
    layout->addWidget(new QLabel(QStringLiteral("Background Color"), this), 4, 0);
    layout->addWidget(bkButton, 4, 1);
    layout->addWidget(new QLabel(QStringLiteral("Foreground Color"), this), 4, 2);
    layout->addWidget(fgButton, 4, 3);
    layout->addWidget(columnColors, 4, 4);
    layout->addWidget(global, 5, 0);
    layout->addWidget(allTitles, 6, 0);
    layout->addWidget(allColors, 6, 1);
    layout->addWidget(buttons_.OkButton(), 6, 4);
    layout->addWidget(buttons_.CancelButton(), 6, 5);

    grid_->onDrawCell = [this](int col, int row, const CanvasRect& rect, Canvas& canvas) {
        const TitleMap::value_type* entry = Entry(col);
        if (!entry) return;
        if (row == 0) {
            canvas.TextRect(rect, rect.left + 3, rect.top + 3, entry->first);
            return;
        }
        canvas.SetBrushColor(ColorValue(entry->second.BackgroundColor));
        canvas.FillRect(rect);
        canvas.SetFontColor(ColorValue(entry->second.ForegroundColor));
        canvas.TextRect(rect, rect.left + 3, rect.top + 3, entry->second.Title);
    };
    connect(grid_, &QTableWidget::currentCellChanged, this, [this](int, int col, int, int) {
        titleEdited_ = false;
        ShowColumn(col);
        setTitle_->Update();
    });
    titleEdit_->onChange = [this] {
        if (ready_) titleEdited_ = true;
        setTitle_->Update();
    };
    setTitle_->onUpdate = [this](Action& a) { a.SetEnabled(titleEdited_); };
    setTitle_->onExecute = [this](Action&) {
        TitleMap::value_type* entry = Entry(grid_->Col());
        if (!entry) return;
        const std::string text = titleEdit_->Text();
        entry->second.Title = text.empty() ? entry->first : text;
        Widen(grid_->Col());
        grid_->viewport()->update();
        SetModified();
        titleEdited_ = false;
    };
    resetTitles_->onExecute = [this](Action&) {
        for (auto& [name, property] : titles_) property.Title = name;
        SetModified();
        titleEdited_ = false;
        AdjustColumnWidths();
        grid_->viewport()->update();
        ShowColumn(grid_->Col());
    };
    const auto chooseColor = [this](int32_t TitleProperty::*color) {
        TitleMap::value_type* entry = Entry(grid_->Col());
        if (!entry) return;
        ColorValue chosen(entry->second.*color);
        if (!Ui().ChooseColor(this, chosen)) return;
        entry->second.*color = static_cast<int32_t>(chosen.Value());
        grid_->viewport()->update();
        SetModified();
    };
    background_->onExecute = [chooseColor](Action&) { chooseColor(&TitleProperty::BackgroundColor); };
    foreground_->onExecute = [chooseColor](Action&) { chooseColor(&TitleProperty::ForegroundColor); };
    resetColumnColors_->onExecute = [this](Action&) {
        TitleMap::value_type* entry = Entry(grid_->Col());
        if (!entry) return;
        entry->second.BackgroundColor = TitleProperty::kWindowColor;
        entry->second.ForegroundColor = TitleProperty::kWindowTextColor;
        grid_->viewport()->update();
        SetModified();
    };
    resetColors_->onExecute = [this](Action&) {
        for (auto& [name, property] : titles_) {
            property.BackgroundColor = TitleProperty::kWindowColor;
            property.ForegroundColor = TitleProperty::kWindowTextColor;
        }
        grid_->viewport()->update();
        SetModified();
    };
    AdjustColumnWidths();
    if (!titles_.empty()) grid_->setCurrentCell(1, 1);
    onShow = [this] {
        ShowColumn(grid_->Col());
        ready_ = true;
        buttons_.SetChanged(false);
        actions_.UpdateActions();
    };
}

TitleMap::value_type* TTitleManagerForm::Entry(int c) {
    if (c < 1 || c > static_cast<int>(titles_.size())) return nullptr;
    return &*std::next(titles_.begin(), c - 1);
}

void TTitleManagerForm::Widen(int c) {
    const TitleMap::value_type* entry = Entry(c);
    if (!entry) return;
    const QFontMetrics metrics = grid_->fontMetrics();
    const int width =
        std::max({grid_->columnWidth(c), metrics.horizontalAdvance(ToQt(entry->first)) + kTextMargin,
                  metrics.horizontalAdvance(ToQt(entry->second.Title)) + kTextMargin});
    grid_->setColumnWidth(c, width);
}

void TTitleManagerForm::AdjustColumnWidths() {
    for (int c = 1; c <= static_cast<int>(titles_.size()); ++c) Widen(c);
}

void TTitleManagerForm::ShowColumn(int c) {
    const TitleMap::value_type* entry = Entry(c);
    if (!entry) return;
    ready_ = false;
    currentColumn_->setText(ToQt("Current Column: " + entry->first));
    titleEdit_->SetText(entry->second.Title);
    ready_ = true;
}

void TTitleManagerForm::SelectColumn(int c) {
    grid_->setCurrentCell(std::max(grid_->Row(), 1), c);
}

bool TTitleManagerForm::ValidateTitles() {
    const auto failure = TitleValidation::Validate(titles_);
    if (!failure) return true;
    Ui().MessageBox(this, failure->text, failure->caption, BoxIcon::Error, BoxButtons::Ok);
    SelectColumn(failure->column);
    return false;
}

void TTitleManagerForm::SetModified() {
    buttons_.SetChanged(true);
    actions_.UpdateActions();
}
