#include "toolkit/StatusPanels.h"

#include <QLabel>

#include "toolkit/QtText.h"

StatusPanels::StatusPanels(QWidget* parent, const char* name) : QStatusBar(parent) {
    if (name) setObjectName(QString::fromLatin1(name));
    setSizeGripEnabled(false);
}

void StatusPanels::SetPanels(const std::vector<int>& widths) {
    for (QLabel* l : panels_) delete l;
    panels_.clear();
    for (size_t i = 0; i < widths.size(); ++i) {
        auto* label = new QLabel(this);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        bool last = i + 1 == widths.size();
        if (!last) label->setFixedWidth(widths[i]);
        addWidget(label, last ? 1 : 0);
        panels_.push_back(label);
    }
}

void StatusPanels::SetPanelWidth(int index, int width) {
    if (index >= 0 && index + 1 < PanelCount()) panels_[index]->setFixedWidth(width);
}

int StatusPanels::PanelWidth(int index) const {
    return index >= 0 && index < PanelCount() ? panels_[index]->width() : 0;
}

std::string StatusPanels::PanelText(int index) const {
    return index >= 0 && index < PanelCount() ? FromQt(panels_[index]->text()) : std::string();
}

void StatusPanels::SetPanelText(int index, const std::string& text) {
    if (index >= 0 && index < PanelCount()) panels_[index]->setText(ToQt(text));
}
