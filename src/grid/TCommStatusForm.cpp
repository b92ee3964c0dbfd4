#include "grid/TCommStatusForm.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <cstring>

#include "toolkit/BusyCursor.h"
#include "toolkit/Memo.h"
#include "toolkit/QtText.h"
#include "toolkit/UiHost.h"

TCommStatusForm::TCommStatusForm(QWidget* owner, GUIErrorDetailsVector& log) : Form(owner), log_(log) {
    setObjectName("CommStatusForm");
    setWindowTitle(QStringLiteral("Communication Status Details"));
    setWindowFlags(Qt::Dialog | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    SetCentreOnOwner(true);
    resize(444, 304);
    statusMemo_ = new Memo(this, "StatusMemo");
    statusMemo_->setLineWrapMode(QPlainTextEdit::NoWrap);
    statusMemo_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    statusMemo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
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
    layout->addWidget(statusMemo_, 1);
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
    statusMemo_->SetText(JoinTexts(log_));
}

void TCommStatusForm::CopyToClipboardButtonClick() {
    const BusyCursor busy;
    Ui().SetClipboardText(JoinTexts(log_));
}

void TCommStatusForm::ClearExitButtonClick() {
    log_.clear();
    SetModalResult(mrOk);
}
