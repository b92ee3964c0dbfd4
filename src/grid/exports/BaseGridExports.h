#pragma once
// The automation entry points of a grid window: plain C functions in the executable's dynamic
// symbol table, called inside the process by an automation client. Nothing in the program calls
// them; the executable links their object file whole so that none is dropped.
// - window: a TBaseGridForm, as an opaque pointer; a null window does nothing and answers 0 or "".
// - Texts in: NUL-terminated Windows-1252; null reads as "".
// - Texts out: copied into out (size bytes, always NUL-terminated when size > 0, cut to fit); the
//   full length is returned, as snprintf does.
// - Booleans out: 0 or 1.
// - sender: a toolkit Action, or null. An Update function runs the action's update rule on it
//   (enabling or disabling it); with a null sender it does nothing.
// - settingsFile: a path, opened for the call and written back when it ends.
// GUI thread only.
#include <cstddef>

extern "C" {

void BaseGrid_RefreshScreen(void* window);
void BaseGrid_GotoRow(void* window, const char* fieldName, const char* value);
void BaseGrid_DynamicLink(void* window, const char* column, const char* supplierTitle,
                          const char* supplierColumn);
std::size_t BaseGrid_SaveWindowConfigData(void* window, const char* settingsFile, char* out,
                                          std::size_t size);
void BaseGrid_SaveWindowConfigData1(void* window, const char* settingsFile, int number,
                                    const char* settingsFileName);
void BaseGrid_SaveWindowAsTemplate(void* window, const char* settingsFile);
std::size_t BaseGrid_GetChildSection(void* window, char* out, std::size_t size);
std::size_t BaseGrid_GetConfigFileName(void* window, char* out, std::size_t size);
int BaseGrid_IsChildClosed(void* window);

void BaseGrid_PrintActionExecute(void* window, void* sender);
void BaseGrid_PrintActionUpdate(void* window, void* sender);
void BaseGrid_ExportActionExecute(void* window, void* sender);
void BaseGrid_ExportActionUpdate(void* window, void* sender);
void BaseGrid_SortActionExecute(void* window, void* sender);
void BaseGrid_SortActionUpdate(void* window, void* sender);
void BaseGrid_FilterActionExecute(void* window, void* sender);
void BaseGrid_FilterActionUpdate(void* window, void* sender);
void BaseGrid_HideColumnsActionExecute(void* window, void* sender);
void BaseGrid_HideColumnsActionUpdate(void* window, void* sender);
void BaseGrid_EditColumnPropertiesActionExecute(void* window, void* sender);
void BaseGrid_EditColumnPropertiesActionUpdate(void* window, void* sender);
void BaseGrid_SearchActionExecute(void* window, void* sender);
void BaseGrid_SearchActionUpdate(void* window, void* sender);
void BaseGrid_SearchColumnActionExecute(void* window, void* sender);
void BaseGrid_EditWindowTitleActionExecute(void* window, void* sender);
void BaseGrid_SetQuickFilterActionExecute(void* window, void* sender);
void BaseGrid_SetQuickFilterActionUpdate(void* window, void* sender);
void BaseGrid_SetGreaterQuickFilterActionExecute(void* window, void* sender);
void BaseGrid_SetGreaterQuickFilterActionUpdate(void* window, void* sender);
void BaseGrid_SetLowerQuickFilterActionExecute(void* window, void* sender);
void BaseGrid_SetLowerQuickFilterActionUpdate(void* window, void* sender);
void BaseGrid_SetFilterNegationActionExecute(void* window, void* sender);
void BaseGrid_SetFilterNegationActionUpdate(void* window, void* sender);
void BaseGrid_RemoveColumnFilterActionExecute(void* window, void* sender);
void BaseGrid_RemoveColumnFilterActionUpdate(void* window, void* sender);
void BaseGrid_SetQuickSortAscActionExecute(void* window, void* sender);
void BaseGrid_SetQuickSortAscActionUpdate(void* window, void* sender);
void BaseGrid_SetQuickSortDescActionExecute(void* window, void* sender);
void BaseGrid_SetQuickSortDescActionUpdate(void* window, void* sender);
void BaseGrid_RemoveColumnSortActionExecute(void* window, void* sender);
void BaseGrid_RemoveColumnSortActionUpdate(void* window, void* sender);
void BaseGrid_HideOneColumnActionExecute(void* window, void* sender);
void BaseGrid_HideOneColumnActionUpdate(void* window, void* sender);
void BaseGrid_GridOptionsActionExecute(void* window, void* sender);

}  // extern "C"
