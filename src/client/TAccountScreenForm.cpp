#include "client/TAccountScreenForm.h"

#include "session/KVNEventManager.h"
#include "toolkit/Action.h"

struct TAccountScreenForm::Controls {};

TAccountScreenForm::TAccountScreenForm(QWidget* owner, KVNEventManager& session,
                                       const AccountDisplayData& account, Mode mode)
    : Form(owner), session_(session), account_(account), mode_(mode), c_(std::make_unique<Controls>()) {
    setObjectName("AccountScreenForm");
    SetCentreOnOwner(true);
}

TAccountScreenForm::~TAccountScreenForm() = default;

void TAccountScreenForm::BuildControls() {}
void TAccountScreenForm::FormShow() {}
void TAccountScreenForm::OKActionExecute() {}
void TAccountScreenForm::UnlinkActionExecute() {}
bool TAccountScreenForm::ReadFields() {
    return false;
}
