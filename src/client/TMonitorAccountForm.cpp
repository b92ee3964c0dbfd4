#include "client/TMonitorAccountForm.h"

#include <QGridLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "toolkit/Action.h"
#include "toolkit/CheckBox.h"

TMonitorAccountForm::TMonitorAccountForm(QWidget* owner, bool alwaysEnableOk, bool active)
    : Form(owner), active_(active), alwaysEnableOk_(alwaysEnableOk) {
    setObjectName("MonitorAccountForm");
    setWindowTitle(QStringLiteral("Account Reporting "));
    SetCentreOnOwner(true);
    resize(266, 92);
    auto* panel = new QWidget(this);
    panel->setObjectName("Panel1");
    monitoringCheckBox_ = new CheckBox(panel, "MonitoringCheckBox", "Active For Reporting");
    auto* panelLayout = new QVBoxLayout(panel);
    panelLayout->addWidget(monitoringCheckBox_);
    auto* ok = new QPushButton(QStringLiteral("O&K"), this);
    ok->setObjectName("OKButton");
    auto* cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cancel->setObjectName("CancelButton");
    okAction_ = new Action(this, "O&K");
    okAction_->setObjectName("OKAction");
    actions_.Add(okAction_);
    okAction_->onUpdate = [this](Action& a) { a.SetEnabled(okEnabled_); };
    okAction_->onExecute = [this](Action&) {
        active_ = monitoringCheckBox_->Checked();
        mayClose_ = true;
    };
    BindButton(ok, mrOk, okAction_);
    // Connected before the button's modal result, so that the close query lets it through.
    connect(cancel, &QPushButton::clicked, this, [this] { mayClose_ = true; });
    BindButton(cancel, mrCancel);
    SetDefaultButton(ok);
    SetCancelButton(cancel);
    auto* layout = new QGridLayout(this);
    layout->addWidget(panel, 0, 0, 1, 2);
    layout->addWidget(ok, 1, 0);
    layout->addWidget(cancel, 1, 1);
    monitoringCheckBox_->onClick = [this] {
        okEnabled_ = alwaysEnableOk_ || !okEnabled_;
        okAction_->Update();
    };
    onShow = [this] {
        monitoringCheckBox_->SetChecked(active_);
        okEnabled_ = alwaysEnableOk_;
        okAction_->Update();
    };
    onCloseQuery = [this] {
        const bool answer = mayClose_;
        mayClose_ = false;
        return answer;
    };
}
