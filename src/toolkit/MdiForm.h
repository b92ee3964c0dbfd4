#pragma once
// The content of an MDI child window. The child closes through its close query and frees itself
// (and its frame) on close. Never ask it for a native window id: that would make the MDI child a
// native window.
#include <QWidget>
#include <cstdint>
#include <functional>

class QMdiArea;
class QMdiSubWindow;

class MdiForm : public QWidget {
public:
    // Creates the child's frame in `area`; the form is shown by Show.
    explicit MdiForm(QMdiArea* area);
    ~MdiForm() override;

    void Show();
    void BringToFront();
    QMdiSubWindow* SubWindow() const { return frame_; }
    uint32_t Handle() const { return handle_; }

    template <class T>
    T* Control(const char* name) const {
        return findChild<T*>(QString::fromLatin1(name));
    }

    std::function<void()> onShow;
    std::function<bool()> onCloseQuery;
    std::function<void()> onClose;
    std::function<void()> onResize;
    std::function<int32_t(uint32_t message, int32_t wParam, int32_t lParam)> onMessage;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QMdiArea* area_;
    QMdiSubWindow* frame_;
    uint32_t handle_ = 0;
};
