#include "client/TMainForm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QScreen>
#include <QStatusTipEvent>
#include <algorithm>
#include <chrono>
#include <limits>

#include "core/BaseIniFile.h"
#include "core/IniFileLocation.h"
#include "core/MError.h"
#include "fields/MIntX.h"
#include "grid/GridWindowLookup.h"
#include "net/MSocketBufferingOut.h"
#include "toolkit/Action.h"
#include "toolkit/Application.h"
#include "toolkit/AutomationChannel.h"
#include "toolkit/MessageRouter.h"
#include "toolkit/QtText.h"
#include "toolkit/StatusPanels.h"

namespace {

constexpr int kTimerInterval = 25;  // milliseconds, both timers

}  // namespace

TMainForm::TMainForm(QWidget* owner) : QMainWindow(owner) {
    // The form and its components; both timers run from here on.
    setObjectName("MainForm");
    setWindowTitle(QStringLiteral("Korvane"));
    mdiArea_ = new QMdiArea(this);
    mdiArea_->setObjectName("MdiArea");
    setCentralWidget(mdiArea_);
    workspace_ = std::make_unique<KVNWorkspaceManager>(
        mdiArea_, [this](const std::string& fileName, const std::string& section, bool useTemplate,
                         ChildType kind) { return OpenDataWindow(fileName, section, useTemplate, kind); });
    statusBar_ = new StatusPanels(this, "StatusBar");
    statusBar_->SetPanels({50, 50});
    statusBar_->installEventFilter(this);
    setStatusBar(statusBar_);
    resize(807, 501 + statusBar_->sizeHint().height());
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    handle_ = MessageRouter::Register(this, [this](uint32_t message, int32_t wParam, int32_t lParam) {
        return Dispatch(message, wParam, lParam);
    });
    MessageRouter::SetMainWindow(handle_);
    processTimer_.onTimer = [this] { ProcessTimerTimer(); };
    processTimer_.SetInterval(kTimerInterval);
    processTimer_.SetEnabled(true);
    processMessagesTimer_.onTimer = [this] { ProcessMessages(); };
    processMessagesTimer_.SetInterval(kTimerInterval);
    processMessagesTimer_.SetEnabled(true);

    // Numbers are written and read with a point, whatever the user's locale says.
    Application::Init();
    OpenSettingsFile();
    SetEncryptionKey(settingsFile_->ReadString("Config", "EncryptionKey", ""));
    session_.OpenHistoricalWindows.fill(0);
    // The session is declared lost after five times the inactivity interval without a heartbeat
    // question.
    HeartbeatTimeout timeout;
    timeout.SetString(settingsFile_->ReadString("Config", "InactivityInterval", "60"));
    session_.HeartbeatTimeout =
        uint32_t(std::min<uint64_t>(uint64_t(timeout.GetValue()) * 5, std::numeric_limits<uint32_t>::max()));
    HeartbeatTimeout loadTimeout;
    loadTimeout.SetString(settingsFile_->ReadString("Config", "LoadTimeout", "300"));
    session_.LoadTimeout = loadTimeout.GetValue();
    UpdateCaption();
    CreateActions();
    CreateMenus();
    CreateToolBar();
    // The automation channel: requests go to the grid windows by their titles.
    automation_ = std::make_unique<AutomationChannel>(
        [this](const std::string& title) { return GridWindowLookup::FindByTitle(*mdiArea_, title); });
    automation_->Open();
}

TMainForm::~TMainForm() {
    qApp->removeEventFilter(this);
    if (!closing_) {
        closing_ = true;
        session_.ShutDown();
        FreeChildren();
    }
    if (MessageRouter::MainWindow() == handle_) MessageRouter::SetMainWindow(0);
    MessageRouter::Unregister(handle_);
}

void TMainForm::OpenSettingsFile() {
    if (!LocateIniFile("Korvane", "Korvane.ini", settingsFilePath_, "IniFile"))
        LogMessage("Main", 69, LOG_ERROR, "Unable to get the path of application IniFile %s", "Korvane.ini");
    settingsFile_ = std::make_unique<BaseIniFile>(settingsFilePath_);
}

void TMainForm::SetEncryptionKey(const std::string& key) {
    encryptionKey_ = key;
    std::string field = key.substr(0, 16);
    field.resize(16, ' ');
    session_.EncryptionKey = field;
}

void TMainForm::UpdateCaption() {
    setWindowTitle(ToQt(baseTitle_ + workspace_->GetCaptionSuffix()));
}

std::string TMainForm::PasswordExpiryText(const std::string& days) {
    const std::size_t first = days.find_first_not_of("0 ");
    if (first == std::string::npos) return {};
    const std::string digits = days.substr(first);
    if (digits == "1") return "1 day before password expiration.";
    return digits + " days before password expiration.";
}

void TMainForm::UpdatePasswordExpiryText() {
    statusBar_->SetPanelText(1, PasswordExpiryText(session_.DaysToPasswordExpiry));
}

int32_t TMainForm::Dispatch(uint32_t message, int32_t, int32_t) {
    switch (message) {
        case kWorkspaceChanged:
            workspace_->SetModified();
            break;
        case kRepaintAllGrids: {
            workspace_->SetModified();
            const QPointer<TMainForm> self(this);
            for (const QPointer<QMdiSubWindow> child : mdiArea_->subWindowList()) {
                if (!self) break;
                if (child && child->widget()) child->widget()->repaint();
            }
            break;
        }
        default:
            break;
    }
    return 0;
}

bool TMainForm::FormCloseQuery() {
    return workspace_->ConfirmSaveChanges();
}

void TMainForm::FormClose() {
    if (closing_) return;
    closing_ = true;
    automation_->Close();
    if (session_.IsConnected()) {
        session_.Logout();
        FlushOutgoing();
    }
    session_.ShutDown();
    FreeChildren();
    settingsFile_.reset();
}

void TMainForm::FlushOutgoing() {
    // Messages still queued, or taken into the socket's buffer but not yet sent.
    auto pending = [this] {
        const MSocketBufferingOut* output =
            session_.ClientSocketEvent ? session_.ClientSocketEvent->GetOutputBuffering() : nullptr;
        return session_.MessageQueue.GetNextToSend() < session_.MessageQueue.GetCount() ||
               (output && output->GetPendingBytes() > 0);
    };
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(kCloseFlushMilliseconds);
    const QPointer<TMainForm> self(this);
    while (self && session_.IsConnected() && pending() && std::chrono::steady_clock::now() < deadline)
        session_.ProcessEvents();
}

void TMainForm::FreeChildren() {
    while (!mdiArea_->subWindowList().isEmpty()) delete mdiArea_->subWindowList().first();
}

void TMainForm::FormResize() {
    statusBar_->SetPanelWidth(0, statusBar_->width() / 2);
}

void TMainForm::closeEvent(QCloseEvent* event) {
    if (closing_) {
        event->ignore();
        return;
    }
    const QPointer<TMainForm> self(this);
    const bool mayClose = FormCloseQuery();
    if (!self) return;
    if (!mayClose) {
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
}

bool TMainForm::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        statusBar_->SetPanelText(0, FromQt(static_cast<QStatusTipEvent*>(event)->tip()));
        return true;
    }
    return QMainWindow::event(event);
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    // Shift+0 is the zero key's, whatever character the keyboard layout makes of it.
    if (event->type() == QEvent::KeyPress && !closing_) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->window() == this && IsShiftZero(*static_cast<QKeyEvent*>(event))) {
            DSTSupportAction->Execute();
            return true;
        }
    }
    if (watched == statusBar_ && event->type() == QEvent::Resize) FormResize();
    return QMainWindow::eventFilter(watched, event);
}
