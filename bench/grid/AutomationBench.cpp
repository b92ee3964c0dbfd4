// The automation channel, each figure beside its floor in the same run: a cell-text request's
// round trip through the socket to a grid window of 1,000,000 rows (goal: at most 1 ms at the
// median over 10,000 requests), and the column names of a view of 300 fields (goal: at most 1 ms).
// The floor is the same round trip through a bare local socket whose server answers a fixed reply
// at once: no frame parsing, no window lookup, no grid.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <QMdiSubWindow>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "TradeGrid.h"
#include "grid/GridWindowLookup.h"
#include "grid/TBaseGridForm.h"
#include "toolkit/AutomationChannel.h"

namespace {

constexpr int kRows = 1000000;
constexpr int kRequests = 10000;

std::string Request(uint32_t message, uint32_t lParam, const std::string& title) {
    std::string frame;
    for (uint32_t v : {message, 0u, lParam})
        for (int i = 0; i < 4; ++i) frame.push_back(static_cast<char>(v >> (8 * i)));
    frame.push_back(static_cast<char>(title.size()));
    frame.push_back(static_cast<char>(title.size() >> 8));
    return frame + title;
}

// Sends a request and runs the event loop until its whole reply arrived.
void RoundTrip(QLocalSocket& client, const std::string& request) {
    client.write(request.data(), static_cast<qint64>(request.size()));
    client.flush();
    while (client.bytesAvailable() < 8) QCoreApplication::processEvents();
    char header[8];
    client.peek(header, 8);
    const qint64 count =
        8 + (static_cast<unsigned char>(header[4]) | static_cast<unsigned char>(header[5]) << 8 |
             static_cast<unsigned char>(header[6]) << 16);
    while (client.bytesAvailable() < count) QCoreApplication::processEvents();
    benchmark::DoNotOptimize(client.read(count));
}

// The median of count round trips, in milliseconds.
double MedianMs(QLocalSocket& client, const std::function<std::string(int)>& request, int count) {
    std::vector<double> times;
    times.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const std::string frame = request(i);
        const auto start = std::chrono::steady_clock::now();
        RoundTrip(client, frame);
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::nth_element(times.begin(), times.begin() + count / 2, times.end());
    return times[static_cast<std::size_t>(count / 2)];
}

// A socket directory of the run's own, with the channel over the benchmark's MDI area, a bare
// server that answers every frame with a 2-byte text, and a client of each.
struct Sockets {
    Sockets() {
        char pattern[] = "/tmp/korvane-automation-bench-XXXXXX";
        directory = ::mkdtemp(pattern);
        channel.Open(directory);
        bare.listen(QString::fromStdString(directory + "/bare"));
        QObject::connect(&bare, &QLocalServer::newConnection, [this] {
            QLocalSocket* socket = bare.nextPendingConnection();
            QObject::connect(socket, &QLocalSocket::readyRead, [socket] {
                while (socket->bytesAvailable() >= 14) {
                    char header[14];
                    socket->peek(header, 14);
                    const qint64 size = 14 + (static_cast<unsigned char>(header[12]) |
                                              static_cast<unsigned char>(header[13]) << 8);
                    if (socket->bytesAvailable() < size) return;
                    socket->read(size);
                    socket->write("\x01\x00\x00\x00\x02\x00\x00\x00\x00\x00", 10);
                    socket->flush();
                }
            });
        });
        channelClient.connectToServer(QString::fromStdString(channel.Path()));
        channelClient.waitForConnected();
        bareClient.connectToServer(QString::fromStdString(directory + "/bare"));
        bareClient.waitForConnected();
    }
    ~Sockets() {
        channel.Close();
        bare.close();
        std::filesystem::remove_all(directory);
    }

    std::string directory;
    AutomationChannel channel{
        [](const std::string& title) { return GridWindowLookup::FindByTitle(TradeArea(), title); }};
    QLocalServer bare;
    QLocalSocket channelClient, bareClient;
};

void Report(benchmark::State& state, double median, double floor) {
    state.counters["median_ms"] = median;
    state.counters["floor_ms"] = floor;
    state.counters["ratio"] = median / floor;
    state.counters["goal_ms"] = 1.0;
}

void BM_CellTextRoundTripMillionRows(benchmark::State& state) {
    BaseGridConfig config;
    config.WindowSection = "Trades1";
    config.WindowTitle = "Trades";
    auto* window = new TBaseGridForm(&TradeArea(), nullptr, config, &TradeTitles(), MakeTradeView(kRows));
    window->Show();
    QApplication::processEvents();
    Sockets sockets;
    std::mt19937 random(5);
    std::vector<std::string> requests;
    for (int i = 0; i < kRequests; ++i) {
        const uint32_t row = 1 + random() % kRows;
        const uint32_t column = random() % 4;
        requests.push_back(Request(0x804C, column << 22 | row, "Trades"));
    }
    for (auto _ : state) {
        const double floor = MedianMs(
            sockets.bareClient, [&](int i) { return requests[static_cast<std::size_t>(i)]; }, kRequests);
        const double median = MedianMs(
            sockets.channelClient, [&](int i) { return requests[static_cast<std::size_t>(i)]; }, kRequests);
        Report(state, median, floor);
    }
    delete window->SubWindow();
}
BENCHMARK(BM_CellTextRoundTripMillionRows)->Unit(benchmark::kMillisecond)->Iterations(1);

// A view of 300 fields: a record's view given 297 more titles (the answer reads the view's
// titles only).
void BM_ColumnNames300Fields(benchmark::State& state) {
    BaseGridConfig config;
    config.WindowSection = "Wide1";
    config.WindowTitle = "Wide";
    TradeView* view = MakeTradeView(10);
    for (int i = 4; i <= 300; ++i) view->TitleFormat.AddTitle("WideColumnName" + std::to_string(i));
    auto* window = new TBaseGridForm(&TradeArea(), nullptr, config, &TradeTitles(), view);
    window->Show();
    QApplication::processEvents();
    Sockets sockets;
    const std::string request = Request(0x804B, 0, "Wide");
    for (auto _ : state) {
        const double floor = MedianMs(
            sockets.bareClient, [&](int) { return request; }, kRequests);
        const double median = MedianMs(
            sockets.channelClient, [&](int) { return request; }, kRequests);
        Report(state, median, floor);
    }
    delete window->SubWindow();
}
BENCHMARK(BM_ColumnNames300Fields)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
