#include "grid/TGenericBOForm.h"

#include <QFont>
#include <QPushButton>
#include <QScrollBar>
#include <QTextCursor>
#include <QVBoxLayout>
#include <algorithm>

#include "toolkit/Memo.h"
#include "toolkit/QtText.h"

TGenericBOForm::TGenericBOForm(QWidget* owner, bool sort, const std::string& text)
    : Form(owner), sort_(sort) {
    setObjectName("GenericBOForm");
    setWindowTitle("Generic Business Object Summary");
    SetCentreOnOwner(true);
    resize(560, 331);
    summaryMemo_ = new Memo(this, "SummaryMemo");
    summaryMemo_->setReadOnly(true);
    summaryMemo_->setFixedHeight(273);
    summaryMemo_->setLineWrapMode(QPlainTextEdit::NoWrap);
    summaryMemo_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    summaryMemo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    summaryMemo_->setFocusPolicy(Qt::ClickFocus);
    QFont font(QStringLiteral("Lucida Console"));
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    font.setPixelSize(12);
    summaryMemo_->setFont(font);
    exitButton_ = new QPushButton(QStringLiteral("E&xit"), this);
    exitButton_->setObjectName("ExitButton");
    BindButton(exitButton_, mrOk);
    SetDefaultButton(exitButton_);
    SetCancelButton(exitButton_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 8);
    layout->addWidget(summaryMemo_);
    layout->addStretch();
    layout->addWidget(exitButton_, 0, Qt::AlignHCenter);
    SplitLines(text);
    onShow = [this] {
        // Every line appended in order, in one pass.
        std::string all;
        for (std::size_t i = 0; i < lines_.size(); ++i) {
            if (i) all += '\n';
            all += lines_[i];
        }
        if (!lines_.empty()) summaryMemo_->AddLine(all);
        // Appending leaves the text scrolled to its end: it is read from its first line.
        summaryMemo_->moveCursor(QTextCursor::Start);
        summaryMemo_->verticalScrollBar()->setValue(0);
    };
}

void TGenericBOForm::SplitLines(std::string_view text) {
    lines_ = SplitText(text, sort_);
}

std::vector<std::string> TGenericBOForm::SplitText(std::string_view text, bool sort) {
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    if (sort) std::sort(lines.begin(), lines.end());
    return lines;
}
