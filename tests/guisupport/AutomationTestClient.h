#pragma once
// An automation client for tests: a local socket connected to the automation channel, request
// frames (u32 message, u32 wParam, u32 lParam, u16 title length, title; little-endian) and the
// bytes that come back, with the GUI event loop run while it waits (the channel serves on it).
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLocalSocket>
#include <cstdint>
#include <string>

class AutomationTestClient {
public:
    explicit AutomationTestClient(const std::string& path) {
        socket_.connectToServer(QString::fromStdString(path));
        connected = socket_.waitForConnected(2000);
    }

    static std::string Request(uint32_t message, uint32_t wParam, uint32_t lParam, const std::string& title) {
        std::string frame;
        for (uint32_t v : {message, wParam, lParam})
            for (int i = 0; i < 4; ++i) frame.push_back(static_cast<char>(v >> (8 * i)));
        frame.push_back(static_cast<char>(title.size() & 0xFF));
        frame.push_back(static_cast<char>(title.size() >> 8));
        return frame + title;
    }
    // The lParam of a cell-text request: display column in the high 10 bits, row in the low 22.
    static uint32_t Cell(int column, int row) {
        return static_cast<uint32_t>(column) << 22 | static_cast<uint32_t>(row);
    }

    void Send(const std::string& bytes) {
        socket_.write(bytes.data(), static_cast<qint64>(bytes.size()));
        socket_.flush();
    }
    void Ask(uint32_t message, uint32_t lParam, const std::string& title) {
        Send(Request(message, 0, lParam, title));
    }
    // What arrived, up to count bytes, once count bytes are there or waitMs has passed.
    std::string Receive(std::size_t count, int waitMs = 2000) {
        QElapsedTimer timer;
        timer.start();
        while (static_cast<std::size_t>(socket_.bytesAvailable()) < count && timer.elapsed() < waitMs)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        return socket_.read(static_cast<qint64>(count)).toStdString();
    }
    // Whether the channel dropped the connection within two seconds.
    bool WaitDropped() {
        QElapsedTimer timer;
        timer.start();
        while (socket_.state() == QLocalSocket::ConnectedState && timer.elapsed() < 2000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        return socket_.state() != QLocalSocket::ConnectedState;
    }
    void Close() { socket_.disconnectFromServer(); }

    bool connected = false;

private:
    QLocalSocket socket_;
};
