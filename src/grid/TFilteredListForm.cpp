#include "grid/TFilteredListForm.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "grid/FilteredListModel.h"
#include "toolkit/Edit.h"
#include "toolkit/QtText.h"

TFilteredListForm::TFilteredListForm(QWidget* owner) : Form(owner) {
    setObjectName("FilteredListForm");
    setWindowFlags(Qt::Tool);
    setFont(QFont(QStringLiteral("Tahoma")));
    SetCentreOnOwner(true);
    resize(222, 314);
    filterEdit_ = new Edit(this, "ItemFilterEdit");
    filterEdit_->setFrame(false);
    grid_ = new QTableView(this);
    grid_->setObjectName("ItemStringGrid");
    model_ = new FilteredListModel(
        this, [this] { return ShownCount(); },
        [this](std::size_t row) -> const std::string& { return Shown(row); });
    grid_->setModel(model_);
    grid_->horizontalHeader()->hide();
    grid_->verticalHeader()->hide();
    grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid_->verticalHeader()->setDefaultSectionSize(16);
    grid_->horizontalHeader()->setStretchLastSection(true);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    grid_->setShowGrid(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(filterEdit_);
    layout->addWidget(grid_);
    filterEdit_->installEventFilter(this);
    grid_->installEventFilter(this);
    filterEdit_->onChange = [this] {
        filter_ = filterEdit_->Text();
        Rebuild();
    };
    connect(grid_, &QTableView::doubleClicked, this, [this] { Pick(); });
    onCloseQuery = [this] { return true; };
}

void TFilteredListForm::Prepare(const std::string& caption, std::string* result,
                                const std::set<std::string>& items) {
    setWindowTitle(ToQt(caption));
    items_.assign(items.begin(), items.end());
    result_ = result;
    filter_ = result ? *result : std::string();
    filterEdit_->SetText(filter_);
    Rebuild();
}

void TFilteredListForm::Rebuild() {
    // The texts that begin with the filter are one run of the byte-ordered set.
    const auto first = std::lower_bound(items_.begin(), items_.end(), filter_);
    auto last = first;
    if (filter_.empty()) {
        last = items_.end();
    } else {
        std::string bound = filter_;
        while (!bound.empty() && static_cast<unsigned char>(bound.back()) == 0xFF) bound.pop_back();
        if (bound.empty()) {
            last = items_.end();
        } else {
            bound.back() = static_cast<char>(static_cast<unsigned char>(bound.back()) + 1);
            last = std::lower_bound(first, items_.end(), bound);
        }
    }
    shownBegin_ = static_cast<std::size_t>(first - items_.begin());
    shownEnd_ = static_cast<std::size_t>(last - items_.begin());
    model_->Reset();
}

void TFilteredListForm::Pick() {
    const QModelIndex current = grid_->currentIndex();
    const std::size_t row = current.isValid() ? static_cast<std::size_t>(current.row()) : 0;
    if (result_ && ShownCount() > 0 && row < ShownCount()) *result_ = Shown(row);
    resultCode_ = mrOk;
    SetModalResult(resultCode_);
}

bool TFilteredListForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        resultCode_ = mrCancel;
        SetModalResult(resultCode_);
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) return true;  // picks nothing
    }
    return Form::eventFilter(watched, event);
}
