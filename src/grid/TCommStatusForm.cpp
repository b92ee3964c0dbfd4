#include "grid/TCommStatusForm.h"

#include <QHBoxLayout>
#include <QListView>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QVBoxLayout>
#include <algorithm>
#include <cstring>

#include "grid/CommLogModel.h"
#include "toolkit/BusyCursor.h"
#include "toolkit/UiHost.h"

namespace {

// The list sizes every row alike, from one row's size; that row is made as wide as the longest
// lines, so the horizontal scroll bar reaches the end of the widest line as the memo's did.
class WidestLineDelegate : public QStyledItemDelegate {
public:
    WidestLineDelegate(const CommLogModel& lines, QObject* parent)
        : QStyledItemDelegate(parent), lines_(lines) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        for (int row : lines_.LongestRows())
            size.setWidth(
                std::max(size.width(), QStyledItemDelegate::sizeHint(option, lines_.index(row)).width()));
        return size;
    }

private:
    const CommLogModel& lines_;
};

}  // namespace

TCommStatusForm::TCommStatusForm(QWidget* owner, GUIErrorDetailsVector& log) : Form(owner), log_(log) {
    setObjectName("CommStatusForm");
    setWindowTitle(QStringLiteral("Communication Status Details"));
    setWindowFlags(Qt::Dialog | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    SetCentreOnOwner(true);
    resize(444, 304);
    lines_ = new CommLogModel(log_, this);
    statusList_ = new QListView(this);
    statusList_->setObjectName("StatusMemo");
    statusList_->setUniformItemSizes(true);
    statusList_->setItemDelegate(new WidestLineDelegate(*lines_, statusList_));
    statusList_->setModel(lines_);
    statusList_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    statusList_->setTextElideMode(Qt::ElideNone);
    statusList_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    statusList_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    auto* copy = new QPushButton(QStringLiteral("C&opy to Clipboard"), this);
    copy->setObjectName("CopyToClipboardButton");
    auto* clear = new QPushButton(QStringLiteral("Clear and E&xit"), this);
    clear->setObjectName("ClearExitButton");
    auto* cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cancel->setObjectName("CancelButton");
    connect(copy, &QPushButton::clicked, this, [this] { CopyToClipboardButtonClick(); });
    connect(clear, &QPushButton::clicked, this, [this] { ClearExitButtonClick(); });
    BindButton(cancel, mrCancel);
    SetDefaultButton(clear);
    SetCancelButton(cancel);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(copy);
    buttons->addStretch();
    buttons->addWidget(clear);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(statusList_, 1);
    layout->addLayout(buttons);
    onShow = [this] { FormShow(); };
}

std::string TCommStatusForm::JoinTexts(const GUIErrorDetailsVector& log) {
    std::size_t size = log.empty() ? 0 : log.size() - 1;
    for (const GUIErrorDetails& entry : log) size += std::strlen(entry.GetText());
    std::string text;
    text.reserve(size);
    for (std::size_t i = 0; i < log.size(); ++i) {
        if (i) text += '\n';
        text += log[i].GetText();
    }
    return text;
}

void TCommStatusForm::FormShow() {
    setMinimumSize(size());
    lines_->Show(log_.size());
    statusList_->scrollToBottom();
}

void TCommStatusForm::CopyToClipboardButtonClick() {
    const BusyCursor busy;
    Ui().SetClipboardText(JoinTexts(log_));
}

void TCommStatusForm::ClearExitButtonClick() {
    lines_->Show(0);  // before the entries it reads go
    log_.clear();
    SetModalResult(mrOk);
}
