#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <limits>

#include "client/DataWindowKind.h"
#include "client/HistoricalGridKind.h"
#include "client/TKVNGrid.h"
#include "client/TMainForm.h"
#include "core/BaseIniFile.h"
#include "grid/BaseGridConfig.h"
#include "grid/TBaseGridForm.h"
#include "toolkit/Action.h"

// ---- Data windows and the workspace's flows.

bool TMainForm::OpenDataWindow(const std::string& fileName, const std::string& section, bool useTemplate,
                               ChildType kind) {
    const DataWindowKind* row = DataWindowKind::Of(kind);
    if (!row) return true;
    BaseGridConfig config;
    config.SettingsFileName = fileName;
    config.WorkingDirectory =
        settingsFile_ ? settingsFile_->ReadString("Config", "WorkingDir", "") : std::string();
    config.WindowSection = section;
    config.TitlesSection = row->TitlesSection;
    config.TemplateSection = row->TemplateSection;
    if (row->Numbered) windowCounter_ = int32_t(uint32_t(windowCounter_) + 1u);
    config.WindowTitle = row->WindowTitle(windowCounter_);
    config.UseTemplate = useTemplate;
    TKVNGrid* window =
        row->MakeWindow(mdiArea_, config, workspace_->GetTitleManager(kind), &session_, row->MakeView());
    if (const HistoricalGridKind* historical = HistoricalGridKind::Of(kind)) {
        int32_t& open = session_.OpenHistoricalWindows[historical->Slot];
        if (open < std::numeric_limits<int32_t>::max()) ++open;
    }
    window->Show();
    return true;
}

void TMainForm::OpenFromMenu(ChildType kind) {
    const std::string section = settingsFile_ ? settingsFile_->MakeSectionName() : std::string();
    if (OpenDataWindow(workspace_->GetFileName(), section, true, kind)) workspace_->SetModified();
}

bool TMainForm::HasDataWindows() const {
    for (QMdiSubWindow* child : mdiArea_->subWindowList())
        if (dynamic_cast<TBaseGridForm*>(child->widget())) return true;
    return false;
}

void TMainForm::VEXTOperationMenuUpdate(Action& action) {
    const bool shown = session_.IsReady() && !session_.UserTypeA;
    action.SetEnabled(shown);
    action.SetVisible(shown);
}

void TMainForm::CommandHistoryActionUpdate(Action& action) {
    action.SetEnabled(session_.IsReady());
}

void TMainForm::HistoricalActionUpdate(Action& action, ChildType kind) {
    const HistoricalGridKind* historical = HistoricalGridKind::Of(kind);
    action.SetVisible(session_.IsReady());
    action.SetEnabled(session_.IsReady() && historical &&
                      session_.OpenHistoricalWindows[historical->Slot] == 0);
}

void TMainForm::OpenWindowActionExecute() {
    workspace_->OpenWindow();
}

void TMainForm::OpenWorkspaceActionExecute() {
    const QPointer<TMainForm> self(this);
    workspace_->OpenWorkspace();
    if (self) UpdateCaption();
}

void TMainForm::SaveWindowAsActionExecute() {
    workspace_->SaveWindowAsFile();
}

void TMainForm::SaveWindowAsTemplateActionExecute() {
    workspace_->SaveWindowAsTemplate();
}

void TMainForm::SaveWorkspaceActionExecute() {
    workspace_->Save();
}

void TMainForm::SaveWorkspaceAsActionExecute() {
    const QPointer<TMainForm> self(this);
    if (workspace_->SaveAs() && self) UpdateCaption();
}

void TMainForm::SaveWorkspaceAsDefaultActionExecute() {
    workspace_->SaveAsDefault();
}
