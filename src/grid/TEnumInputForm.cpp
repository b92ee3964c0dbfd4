#include "grid/TEnumInputForm.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "grid/ControlTools.h"
#include "toolkit/Action.h"
#include "toolkit/ComboBox.h"
#include "toolkit/QtText.h"

TEnumInputForm::TEnumInputForm(QWidget* owner, std::string* value, const std::string& label,
                               const std::vector<std::string>& values)
    : Form(owner), value_(value), values_(values) {
    setObjectName("EnumInputForm");
    setWindowTitle(QStringLiteral("Value Selection Form"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    SetCentreOnOwner(true);
    auto* enumLabel = new QLabel(QStringLiteral("Possible Value"), this);
    enumLabel->setObjectName("EnumInputLabel");
    enumLabel->setText(ToQt(label));
    combo_ = new ComboBox(this, "EnumInputComboBox", ComboBox::Style::DropDownList, true);
    auto* ok = new QPushButton(QStringLiteral("O&K"), this);
    ok->setObjectName("OkButton");
    auto* cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cancel->setObjectName("CancelButton");
    okAction_ = new Action(this, "O&K");
    actions_.Add(okAction_);
    okAction_->setObjectName("OkAction");
    okAction_->onUpdate = [this](Action& a) { a.SetEnabled(combo_->ItemIndex() >= 0); };
    okAction_->onExecute = [this](Action&) {
        if (value_) *value_ = combo_->Text();
    };
    BindButton(ok, mrOk, okAction_);
    BindButton(cancel, mrCancel);
    SetDefaultButton(ok);
    SetCancelButton(cancel);
    auto* layout = new QGridLayout(this);
    layout->addWidget(enumLabel, 0, 0, 1, 3);
    layout->addWidget(combo_, 1, 0, 1, 3);
    layout->setColumnStretch(0, 1);
    layout->setRowStretch(2, 1);
    layout->addWidget(ok, 3, 1);
    layout->addWidget(cancel, 3, 2);
    setMinimumSize(239, 159);
    setMaximumHeight(159);
    resize(239, 159);
    combo_->onChange = [this] { okAction_->Update(); };
    onShow = [this] {
        combo_->Clear();
        for (const std::string& v : values_) combo_->AddItem(v);
        SelectComboBoxItem(combo_, value_ ? *value_ : std::string());
        okAction_->Update();
    };
}
