#include "toolkit/MessageRouter.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWidget>
#include <memory>
#include <unordered_map>

#include "toolkit/QtText.h"

namespace {

struct Entry {
    QPointer<QWidget> window;
    std::shared_ptr<MessageRouter::Handler> handler;
};

struct Registry {
    std::unordered_map<uint32_t, Entry> entries;
    uint32_t last = 0;
    uint32_t main = 0;
};

Registry& R() {
    static Registry registry;
    return registry;
}

const Entry* Find(uint32_t handle) {
    auto it = R().entries.find(handle);
    return it == R().entries.end() ? nullptr : &it->second;
}

}  // namespace

uint32_t MessageRouter::Register(QWidget* window, Handler handler) {
    uint32_t handle = ++R().last;
    R().entries[handle] = {window, std::make_shared<Handler>(std::move(handler))};
    return handle;
}

void MessageRouter::Unregister(uint32_t handle) {
    R().entries.erase(handle);
    if (R().main == handle) R().main = 0;
}

int32_t MessageRouter::SendMessage(uint32_t handle, uint32_t message, int32_t wParam, int32_t lParam) {
    const Entry* e = Find(handle);
    if (!e || !*e->handler) return 0;
    std::shared_ptr<Handler> handler = e->handler;  // survives the window unregistering itself
    return (*handler)(message, wParam, lParam);
}

void MessageRouter::PostMessage(uint32_t handle, uint32_t message, int32_t wParam, int32_t lParam) {
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [=] { SendMessage(handle, message, wParam, lParam); },
        Qt::QueuedConnection);
}

bool MessageRouter::IsWindow(uint32_t handle) {
    return Find(handle) != nullptr;
}

QWidget* MessageRouter::Window(uint32_t handle) {
    const Entry* e = Find(handle);
    return e ? e->window.data() : nullptr;
}

std::string MessageRouter::WindowTitle(uint32_t handle) {
    QWidget* w = Window(handle);
    return w ? FromQt(w->windowTitle()) : std::string();
}

void MessageRouter::SetMainWindow(uint32_t handle) {
    R().main = handle;
}

uint32_t MessageRouter::MainWindow() {
    return R().main;
}
