#include "grid/exports/BaseGridExports.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "core/BaseIniFile.h"
#include "grid/TBaseGridForm.h"
#include "toolkit/Action.h"

namespace {

TBaseGridForm* Window(void* window) {
    return static_cast<TBaseGridForm*>(window);
}

std::string Text(const char* text) {
    return text ? std::string(text) : std::string();
}

std::size_t CopyOut(const std::string& text, char* out, std::size_t size) {
    if (out && size > 0) {
        const std::size_t count = std::min(text.size(), size - 1);
        std::memcpy(out, text.data(), count);
        out[count] = '\0';
    }
    return text.size();
}

void Update(Action* action, void* sender) {
    if (action && sender && action->onUpdate) action->onUpdate(*static_cast<Action*>(sender));
}

}  // namespace

extern "C" {

void BaseGrid_RefreshScreen(void* window) {
    if (TBaseGridForm* w = Window(window)) w->RepaintGrid();
}

void BaseGrid_GotoRow(void* window, const char* fieldName, const char* value) {
    if (TBaseGridForm* w = Window(window)) w->GotoRow(Text(fieldName), Text(value));
}

void BaseGrid_DynamicLink(void* window, const char* column, const char* supplierTitle,
                          const char* supplierColumn) {
    TBaseGridForm* w = Window(window);
    if (!w) return;
    w->AddDynamicFilter(Text(column), Text(supplierTitle), Text(supplierColumn));
    w->NotifyWorkspaceChanged();
    w->ApplyFilters();
    w->RepaintGrid();
}

std::size_t BaseGrid_SaveWindowConfigData(void* window, const char* settingsFile, char* out,
                                          std::size_t size) {
    TBaseGridForm* w = Window(window);
    std::string section;
    if (w) {
        BaseIniFile file(Text(settingsFile));
        section = w->SaveWindowConfigData(file);
    }
    return CopyOut(section, out, size);
}

void BaseGrid_SaveWindowConfigData1(void* window, const char* settingsFile, int number,
                                    const char* settingsFileName) {
    TBaseGridForm* w = Window(window);
    if (!w) return;
    BaseIniFile file(Text(settingsFile));
    w->SaveWindowConfigToSection(file, number);
    w->SetConfigFileName(Text(settingsFileName));
}

void BaseGrid_SaveWindowAsTemplate(void* window, const char* settingsFile) {
    TBaseGridForm* w = Window(window);
    if (!w) return;
    BaseIniFile file(Text(settingsFile));
    w->SaveWindowAsTemplate(file);
}

std::size_t BaseGrid_GetChildSection(void* window, char* out, std::size_t size) {
    const TBaseGridForm* w = Window(window);
    return CopyOut(w ? w->GetChildSection() : std::string(), out, size);
}

std::size_t BaseGrid_GetConfigFileName(void* window, char* out, std::size_t size) {
    const TBaseGridForm* w = Window(window);
    return CopyOut(w ? w->GetConfigFileName() : std::string(), out, size);
}

int BaseGrid_IsChildClosed(void* window) {
    const TBaseGridForm* w = Window(window);
    return w && w->IsChildClosed() ? 1 : 0;
}

// The action entry points: Execute runs the window's handler, Update the action's update rule on
// the sender.
#define KORVANE_GRID_EXECUTE(Name, Handler)                  \
    void BaseGrid_##Name##Execute(void* window, void*) {     \
        if (TBaseGridForm* w = Window(window)) w->Handler(); \
    }
#define KORVANE_GRID_UPDATE(Name, Member)                                 \
    void BaseGrid_##Name##Update(void* window, void* sender) {            \
        if (TBaseGridForm* w = Window(window)) Update(w->Member, sender); \
    }
#define KORVANE_GRID_ACTION(Name)             \
    KORVANE_GRID_EXECUTE(Name, Name##Execute) \
    KORVANE_GRID_UPDATE(Name, Name)

KORVANE_GRID_ACTION(PrintAction)
KORVANE_GRID_ACTION(ExportAction)
KORVANE_GRID_ACTION(SortAction)
KORVANE_GRID_ACTION(FilterAction)
KORVANE_GRID_ACTION(HideColumnsAction)
KORVANE_GRID_ACTION(EditColumnPropertiesAction)
KORVANE_GRID_ACTION(SearchAction)
KORVANE_GRID_EXECUTE(SearchColumnAction, SearchColumnActionExecute)
KORVANE_GRID_EXECUTE(EditWindowTitleAction, EditWindowTitleActionExecute)
KORVANE_GRID_ACTION(SetQuickFilterAction)
KORVANE_GRID_ACTION(SetGreaterQuickFilterAction)
KORVANE_GRID_ACTION(SetLowerQuickFilterAction)
// The handlers of the negation action.
KORVANE_GRID_EXECUTE(SetFilterNegationAction, SetFilterNegationActionExecute)
KORVANE_GRID_UPDATE(SetFilterNegationAction, NegateColumnFilterAction)
KORVANE_GRID_ACTION(RemoveColumnFilterAction)
KORVANE_GRID_ACTION(SetQuickSortAscAction)
KORVANE_GRID_ACTION(SetQuickSortDescAction)
KORVANE_GRID_ACTION(RemoveColumnSortAction)
KORVANE_GRID_ACTION(HideOneColumnAction)
KORVANE_GRID_EXECUTE(GridOptionsAction, GridOptionsActionExecute)

}  // extern "C"
