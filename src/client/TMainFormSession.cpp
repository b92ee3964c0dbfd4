#include <QPointer>

#include "client/TMainForm.h"
#include "core/ProcessClock.h"
#include "fields/MIntX.h"
#include "toolkit/UiHost.h"

namespace {

constexpr int64_t kSecond = 1'000'000'000;

}  // namespace

// ---- Session timers.

bool TMainForm::IsSilent(int64_t lastHeartbeat, int64_t now, uint32_t timeout) {
    if (lastHeartbeat == 0) return false;
    const int64_t silence = (now - lastHeartbeat) / kSecond;
    return silence > int64_t(timeout);
}

void TMainForm::ProcessTimerTimer() {
    if (closing_) return;
    const QPointer<TMainForm> self(this);
    processTimer_.SetEnabled(false);
    if (pumpNext_) {
        session_.ProcessEvents();
        if (!self || closing_) return;
        pumpNext_ = false;
    } else {
        if (session_.IsReady()) {
            session_.RefreshGrids();
            if (!self || closing_) return;
        }
        pumpNext_ = true;
    }
    if (!CheckConnection()) return;
    ReloadWorkspaceWhenReady();
    UpdatePasswordExpiryText();
    processTimer_.SetEnabled(true);
}

bool TMainForm::CheckConnection() {
    // A pending password change leaves the session connected but not logged in; its connection
    // is watched all the same, or a lost one would keep Login disabled for good.
    if (!session_.LoggedIn && !session_.PasswordChangeRequired) return true;
    const int64_t now = MGlobalDateTimeClock::Now(true);
    if (session_.IsConnected() && !IsSilent(session_.LastHeartbeatTime, now, session_.HeartbeatTimeout))
        return true;
    const QPointer<TMainForm> self(this);
    Ui().MessageBox(this, "Lost connection. You will be logged out.", "Server Connection", BoxIcon::Error,
                    BoxButtons::Ok);
    if (!self || closing_) return false;
    session_.ResetSession();
    if (!self || closing_) return false;
    reloadWorkspace_ = true;
    return true;
}

void TMainForm::ReloadWorkspaceWhenReady() {
    if (!reloadWorkspace_ || !session_.IsReady()) return;
    workspace_->Participant = session_.UserTypeP;
    workspace_->Supervisor = session_.IsSupervisor();
    workspace_->StartSession();
    const QPointer<TMainForm> self(this);
    if (!workspace_->IsUnnamed()) workspace_->Reload();
    if (!self || closing_) return;
    UpdateCaption();
    reloadWorkspace_ = false;
}

void TMainForm::ProcessMessages() {
    if (closing_) return;
    const QPointer<TMainForm> self(this);
    processMessagesTimer_.SetEnabled(false);
    Ui().ProcessMessages();
    if (self) processMessagesTimer_.SetEnabled(true);
}
