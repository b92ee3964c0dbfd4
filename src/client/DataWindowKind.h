#pragma once
// What tells the data-window kinds apart when the main window opens one: per kind its titles and
// template sections, its title (numbered for accounts, positions and command history), its view
// and its window class. Plain constant data; the master-account chooser (kind 3) has no row.
#include <cstdint>
#include <string>

#include "session/GridClientData.h"

class InterfaceView;
class KVNEventManager;
class QMdiArea;
class TKVNGrid;
class TitleManager;
struct BaseGridConfig;

struct DataWindowKind {
    ChildType Kind;
    const char* TitlesSection;    // kept by the window; the title managers use their own sections
    const char* TemplateSection;  // the kind's template section of a workspace file
    const char* Title;            // the whole title, or the numbered title's text before the number
    bool Numbered;                // the title takes the main window's window counter
    // A new, empty view over the kind's record type; the caller owns it.
    InterfaceView* (*MakeView)();
    // The kind's window over a view made by MakeView, which it takes.
    TKVNGrid* (*MakeWindow)(QMdiArea* owner, const BaseGridConfig& config, TitleManager* titles,
                            KVNEventManager* session, InterfaceView* view);

    // The row of a kind; null for the master-account chooser and for numbers that are no kind.
    static const DataWindowKind* Of(ChildType kind);
    // The title of the window numbered `number` (ignored by the kinds with a fixed title).
    std::string WindowTitle(int32_t number) const;
};
