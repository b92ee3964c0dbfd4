#pragma once
// Status bar divided into panels of fixed widths (the last one stretches), each showing a text.
#include <QStatusBar>
#include <string>
#include <vector>

class QLabel;

class StatusPanels : public QStatusBar {
public:
    explicit StatusPanels(QWidget* parent = nullptr, const char* name = nullptr);

    // Widths in pixels, one panel per width.
    void SetPanels(const std::vector<int>& widths);
    // Gives a panel before the last a new width, keeping its text; the last panel keeps taking
    // the room that is left.
    void SetPanelWidth(int index, int width);
    int PanelWidth(int index) const;
    int PanelCount() const { return int(panels_.size()); }
    std::string PanelText(int index) const;
    void SetPanelText(int index, const std::string& text);

private:
    std::vector<QLabel*> panels_;
};
