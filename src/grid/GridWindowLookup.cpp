#include "grid/GridWindowLookup.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include "grid/TBaseGridForm.h"

uint32_t GridWindowLookup::FindByTitle(const QMdiArea& area, const std::string& title) {
    for (const QMdiSubWindow* child : area.subWindowList(QMdiArea::CreationOrder)) {
        const auto* window = dynamic_cast<const TBaseGridForm*>(child->widget());
        if (window && !window->IsChildClosed() && window->WindowTitle() == title) return window->Handle();
    }
    return 0;
}
