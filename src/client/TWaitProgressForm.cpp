#include "client/TWaitProgressForm.h"

#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <cstdio>

#include "core/MError.h"
#include "session/KVNEventManager.h"
#include "toolkit/Edit.h"
#include "toolkit/Timer.h"

TWaitProgressForm::TWaitProgressForm(QWidget* owner, KVNEventManager* session)
    : Form(owner), session_(session) {
    setObjectName("WaitProgressForm");
    setWindowTitle(QStringLiteral("Pending Operations"));
    // No title-bar icons: the dialog is closed with its OK once it has a result.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setStyleSheet(QStringLiteral("TWaitProgressForm { background-color: silver; }"));
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSize(8);
    setFont(font);
    SetCentreOnOwner(true);

    ItemLabel = new QLabel(QStringLiteral("Waiting for completion..."), this);
    ItemLabel->setObjectName("ItemLabel");
    LogFileLabel = new QLabel(QStringLiteral("See log file for more information."), this);
    LogFileLabel->setObjectName("LogFileLabel");
    ProgressBar = new QProgressBar(this);
    ProgressBar->setObjectName("ProgressBar");
    ProgressBar->setRange(0, 0);  // a marquee
    ProgressBar->setTextVisible(false);
    ResultLogFileEdit = new Edit(this, "ResultLogFileEdit");
    ResultLogFileEdit->setReadOnly(true);
    mpOkButton = new QPushButton(QStringLiteral("O&K"), this);
    mpOkButton->setObjectName("mpOkButton");
    BindButton(mpOkButton, mrOk);
    SetDefaultButton(mpOkButton);

    auto* layout = new QGridLayout(this);
    layout->addWidget(ItemLabel, 0, 0, 1, 3);
    layout->addWidget(LogFileLabel, 1, 0, 1, 3);
    // The edit takes the bar's place once the result shows.
    layout->addWidget(ProgressBar, 2, 0, 1, 3);
    layout->addWidget(ResultLogFileEdit, 2, 0, 1, 3);
    layout->addWidget(mpOkButton, 3, 1);
    layout->setColumnStretch(0, 1);
    layout->setColumnStretch(2, 1);
    setMinimumWidth(360);

    ProcessTimer = new Timer();
    ProcessTimer->SetInterval(1000);
    ProcessTimer->onTimer = [this] { ProcessWaitTimer(); };
    ProcessTimer->SetEnabled(true);

    onShow = [this] {
        mpOkButton->hide();
        LogFileLabel->hide();
        ResultLogFileEdit->hide();
    };
    onCloseQuery = [this] { return finished_; };
    // The next dialog reports only the failures of its own commands.
    onClose = [this] { session_->ErrorLines.clear(); };
}

TWaitProgressForm::~TWaitProgressForm() {
    delete ProcessTimer;
}

void TWaitProgressForm::Finish() {
    finished_ = true;
    mpOkButton->show();
    ProgressBar->hide();
}

void TWaitProgressForm::SetResult(const char* text, const char* color) {
    ItemLabel->setText(QString::fromLatin1(text));
    ItemLabel->setStyleSheet(QStringLiteral("color: %1;").arg(QLatin1String(color)));
}

void TWaitProgressForm::ProcessWaitTimer() {
    if (!isVisible() || finished_) return;
    bool connectionLost = false;
    if (!session_->IsConnected()) {
        connectionLost = true;
        Finish();
        // A reset that came first (the lost-connection box answered before this tick) already
        // failed the commands into the session's lines: they are reported with the rest.
        std::vector<std::string> lines = session_->ErrorLines;
        session_->FailPendingCommands(lines);
        AppendToResultLog(lines);
        SetResult("Connection Failure.", "red");
    }
    if (!session_->PendingCommands.empty()) return;
    Finish();
    if (!resultLogFileName_.empty()) {
        LogFileLabel->show();
        ResultLogFileEdit->SetText(resultLogFileName_);
        ResultLogFileEdit->show();
    }
    QFont bold = ItemLabel->font();
    bold.setBold(true);
    ItemLabel->setFont(bold);
    if (connectionLost) return;
    if (session_->CommandFailed || problems_) {
        // A copy: the report is written from the lines as they stand at this tick.
        const std::vector<std::string> lines = session_->ErrorLines;
        AppendToResultLog(lines);
        SetResult("Failure.", "red");
    } else {
        SetResult("Success.", "green");
    }
}

bool TWaitProgressForm::AppendToResultLog(const std::vector<std::string>& lines) {
    // A window that did not import has no log to write to.
    if (lines.empty() || resultLogFileName_.empty()) return true;
    std::FILE* file = std::fopen(resultLogFileName_.c_str(), "a");
    if (!file) {
        MLOG(LOG_ERROR, "log file does not exist: '%s'", resultLogFileName_.c_str());
        return false;
    }
    std::string report = "\n" + std::string(79, '=') + "\nExecution Report data ...\n\n";
    for (const std::string& line : lines) report += line + "\n";
    const bool written = std::fwrite(report.data(), 1, report.size(), file) == report.size();
    const bool closed = std::fclose(file) == 0;
    if (written && closed) return true;
    MLOG(LOG_ERROR, "Execution report not written to the log file '%s'", resultLogFileName_.c_str());
    return false;
}
