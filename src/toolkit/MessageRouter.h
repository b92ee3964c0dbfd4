#pragma once
// Window handles and user window messages between windows. Every form registers for a handle: a
// 32-bit number never given twice in the process. SendMessage calls the target's handler at once
// (it may re-enter), PostMessage queues the call on the GUI event loop; a handle that is unknown
// or whose window is gone does nothing and answers 0. GUI thread only.
#include <cstdint>
#include <functional>
#include <string>

class QWidget;

class MessageRouter {
public:
    using Handler = std::function<int32_t(uint32_t message, int32_t wParam, int32_t lParam)>;

    static uint32_t Register(QWidget* window, Handler handler);
    static void Unregister(uint32_t handle);

    static int32_t SendMessage(uint32_t handle, uint32_t message, int32_t wParam, int32_t lParam);
    static void PostMessage(uint32_t handle, uint32_t message, int32_t wParam, int32_t lParam);

    static bool IsWindow(uint32_t handle);
    static QWidget* Window(uint32_t handle);
    // The window's title ("" for an unknown handle).
    static std::string WindowTitle(uint32_t handle);

    static void SetMainWindow(uint32_t handle);
    static uint32_t MainWindow();
};
