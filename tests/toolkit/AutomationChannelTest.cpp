// The automation channel over a real local socket in a temporary directory, with test clients
// and forms as the target windows.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSocketNotifier>
#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "guisupport/AutomationTestClient.h"
#include "support/LogRecorder.h"
#include "support/ScopedEnvironment.h"
#include "support/TestTempDir.h"
#include "toolkit/AutomationChannel.h"
#include "toolkit/Form.h"
#include "toolkit/ReplySink.h"

namespace {

using namespace std::string_literals;

std::string Request(uint32_t message, uint32_t wParam, uint32_t lParam, const std::string& title) {
    return AutomationTestClient::Request(message, wParam, lParam, title);
}

using TestClient = AutomationTestClient;

// Runs the event loop until done answers true or two seconds passed; whether it did.
bool WaitUntil(const std::function<bool()>& done) {
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < 2000) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return done();
}

// Two target windows, "Lots" and "Fees"; each records what it is sent and answers 0x804B with
// "<its title>;" through the installed sink.
class AutomationChannelTest : public ::testing::Test {
protected:
    AutomationChannelTest() {
        for (const auto& [form, title] : {std::pair<Form*, const char*>{&lots, "Lots"}, {&fees, "Fees"}}) {
            handles[title] = form->Handle();
            form->onMessage = [this, title = std::string(title)](uint32_t message, int32_t wParam,
                                                                 int32_t lParam) {
                received.push_back(title + " " + std::to_string(message) + " " + std::to_string(wParam) +
                                   " " + std::to_string(lParam));
                if (message == 0x804B && ReplySink::Current()) ReplySink::Current()->SendText(title + ";");
                return 0;
            };
        }
    }
    uint32_t Lookup(const std::string& title) const {
        auto it = handles.find(title);
        return it == handles.end() ? 0 : it->second;
    }
    // "Fees" answers as a window whose alert check shows a box: meanwhile runs inside it, then the
    // box's loop runs the event loop (and with it the channel) for 100 ms.
    void FeesShowsABox(std::function<void()> meanwhile) {
        fees.onMessage = [this, meanwhile = std::move(meanwhile)](uint32_t message, int32_t, int32_t) {
            received.push_back("Fees " + std::to_string(message));
            meanwhile();
            QElapsedTimer timer;
            timer.start();
            while (timer.elapsed() < 100) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            received.push_back("Fees done");
            return 0;
        };
    }

    TestTempDir dir;
    Form lots, fees;
    std::map<std::string, uint32_t> handles;
    std::vector<std::string> received;
    AutomationChannel channel{[this](const std::string& title) { return Lookup(title); }};
};

TEST_F(AutomationChannelTest, AcceptedMessagesReachTheNamedWindowAndAnswersGoBackOnTheAskingConnection) {
    ASSERT_TRUE(channel.Open(dir.Path()));
    EXPECT_EQ(channel.Path(), dir.File("korvane-automation"));
    TestClient first(channel.Path()), second(channel.Path());
    ASSERT_TRUE(first.connected && second.connected);

    // Two requests in one write; the reload answers nothing.
    first.Send(Request(0x8012, 0, 0, "Fees") + Request(0x804B, 7, 0xFFFFFFFF, "Lots"));
    EXPECT_EQ(first.Receive(20), "\x01\x00\x00\x00\x0C\x00\x00\x00L\x00o\x00t\x00s\x00;\x00\x00\x00"s);
    second.Send(Request(0x804B, 0, 0, "Fees"));
    EXPECT_EQ(second.Receive(20),
              "\x01\x00\x00\x00\x0C\x00\x00\x00"s + "F\x00"s + "e\x00"s + "e\x00"s + "s\x00;\x00\x00\x00"s);
    for (uint32_t message : {0x8028u, 0x802Cu, 0x804Cu}) first.Send(Request(message, 0, 1, "Lots"));
    first.Send(Request(0x804B, 0, 0, "Lots"));
    EXPECT_EQ(first.Receive(20).size(), 20u);
    EXPECT_EQ(received, (std::vector<std::string>{"Fees 32786 0 0", "Lots 32843 7 -1", "Fees 32843 0 0",
                                                  "Lots 32808 0 1", "Lots 32812 0 1", "Lots 32844 0 1",
                                                  "Lots 32843 0 0"}));
    // Outside a delivery no sink is installed: a message sent inside the process answers nobody.
    EXPECT_EQ(ReplySink::Current(), nullptr);
}

TEST_F(AutomationChannelTest, ARequestArrivingWhileAnotherRunsAModalLoopWaitsForItsTurn) {
    ASSERT_TRUE(channel.Open(dir.Path()));
    TestClient client(channel.Path());
    ASSERT_TRUE(client.connected);
    // The alert check shows a box: its loop runs the channel again while the next request arrives.
    FeesShowsABox([&] { client.Send(Request(0x804B, 0, 0, "Lots")); });
    client.Send(Request(0x8028, 0, 0, "Fees"));
    EXPECT_EQ(client.Receive(20).substr(8), "L\x00o\x00t\x00s\x00;\x00\x00\x00"s);
    EXPECT_EQ(received, (std::vector<std::string>{"Fees 32808", "Fees done", "Lots 32843 0 0"}));

    // A client that sends its last request and goes while the box is up: the request is still
    // delivered afterwards, and nothing was cut short.
    LogRecorder log;
    ASSERT_TRUE(log.installed);
    received.clear();
    TestClient quitter(channel.Path());
    FeesShowsABox([&] {
        quitter.Send(Request(0x8012, 0, 0, "Lots"));
        quitter.Close();
    });
    quitter.Send(Request(0x8028, 0, 0, "Fees"));
    QElapsedTimer timer;
    timer.start();
    while (received.size() < 3 && timer.elapsed() < 2000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    EXPECT_EQ(received, (std::vector<std::string>{"Fees 32808", "Fees done", "Lots 32786 0 0"}));
    EXPECT_TRUE(log.messages.empty());
}

TEST_F(AutomationChannelTest, RefusedMessagesUnknownTitlesAndMalformedFramesAreLoggedAndChangeNothing) {
    LogRecorder log;
    ASSERT_TRUE(log.installed);
    ASSERT_TRUE(channel.Open(dir.Path()));
    TestClient asker(channel.Path()), other(channel.Path()), cut(channel.Path());
    for (uint32_t message : {0x8001u, 0x8037u, 0x804Du}) asker.Send(Request(message, 0, 0, "Lots"));
    // To an unknown title, the questions get the empty text (a cell request with lParam 0 asks
    // nothing); the other messages get nothing.
    asker.Send(Request(0x804B, 0, 0, "lots"));
    asker.Send(Request(0x8012, 0, 0, "Nowhere") + Request(0x8028, 0, 0, "Nowhere") +
               Request(0x802C, 0, 0, "Nowhere") + Request(0x804C, 0, 0, "Nowhere"));
    asker.Send(Request(0x804C, 0, 0x00400001, "Lots - No data found"));
    asker.Send(Request(0x804B, 0, 0, "Lots"));  // still served
    const std::string empty = "\x01\x00\x00\x00\x02\x00\x00\x00\x00\x00"s;
    EXPECT_EQ(asker.Receive(40),
              empty + empty + "\x01\x00\x00\x00\x0C\x00\x00\x00L\x00o\x00t\x00s\x00;\x00\x00\x00"s);
    EXPECT_EQ(asker.Receive(1, 100), "");
    EXPECT_EQ(received, (std::vector<std::string>{"Lots 32843 0 0"}));
    EXPECT_TRUE(log.Has(3, "message 0x8001 refused"));
    EXPECT_TRUE(log.Has(3, "message 0x804D refused"));
    EXPECT_TRUE(log.Has(3, "no grid window titled \"lots\""));
    EXPECT_TRUE(log.Has(3, "no grid window titled \"Nowhere\""));
    EXPECT_TRUE(log.Has(3, "no grid window titled \"Lots - No data found\""));

    // A title over 256 bytes: logged, nothing delivered, the connection closed; the others go on.
    received.clear();
    asker.Send(Request(0x804B, 0, 0, std::string(257, 'L')) + Request(0x804B, 0, 0, "Lots"));
    EXPECT_TRUE(asker.WaitDropped());
    // A frame cut short by the end of its connection.
    cut.Send(Request(0x804B, 0, 0, "Lots").substr(0, 16));
    cut.Close();
    other.Send(Request(0x804B, 0, 0, "Fees"));
    EXPECT_EQ(other.Receive(20).size(), 20u);
    EXPECT_EQ(received, (std::vector<std::string>{"Fees 32843 0 0"}));
    EXPECT_TRUE(log.Has(3, "malformed request: title longer than 256 bytes"));
    EXPECT_TRUE(log.Has(3, "malformed request: frame cut short (16 bytes)"));
}

TEST_F(AutomationChannelTest, PastSixtyFourConnectionsANewOneIsClosedAndOnceSomeWentANewOneIsServed) {
    LogRecorder log;
    ASSERT_TRUE(log.installed);
    ASSERT_TRUE(channel.Open(dir.Path()));
    std::vector<std::unique_ptr<TestClient>> clients;
    for (std::size_t i = 0; i < AutomationChannel::kMaxConnections; ++i) {
        clients.push_back(std::make_unique<TestClient>(channel.Path()));
        ASSERT_TRUE(clients.back()->connected);
        ASSERT_TRUE(WaitUntil([&] { return channel.ConnectionCount() == i + 1; }));
    }
    EXPECT_FALSE(log.Has(3, "refused"));

    // The 65th: the system accepts it, the channel closes it at once.
    TestClient refused(channel.Path());
    ASSERT_TRUE(refused.connected);
    EXPECT_TRUE(refused.WaitDropped());
    EXPECT_TRUE(log.Has(3, "64 connections open; a new one is refused"));
    EXPECT_EQ(channel.ConnectionCount(), 64u);
    clients.back()->Send(Request(0x804B, 0, 0, "Lots"));
    EXPECT_EQ(clients.back()->Receive(20).size(), 20u);

    // Two go: the next one is served.
    clients[0]->Close();
    clients[1]->Close();
    ASSERT_TRUE(WaitUntil([&] { return channel.ConnectionCount() == 62; }));
    TestClient late(channel.Path());
    ASSERT_TRUE(late.connected);
    late.Send(Request(0x804B, 0, 0, "Fees"));
    EXPECT_EQ(late.Receive(20).substr(8), "F\x00"s + "e\x00"s + "e\x00"s + "s\x00;\x00\x00\x00"s);
    EXPECT_EQ(channel.ConnectionCount(), 63u);
    channel.Close();
    EXPECT_EQ(channel.ConnectionCount(), 0u);
    EXPECT_TRUE(late.WaitDropped());
}

// A client that asks for long cell texts and never reads: once 4 MiB of answers wait for it, its
// connection is closed and logged; another client is still served.
TEST_F(AutomationChannelTest, AConnectionWhoseAnswersPileUpUnreadIsClosed) {
    LogRecorder log;
    ASSERT_TRUE(log.installed);
    const std::string cell(65536, 'x');  // 128 KiB of UTF-16 per answer
    lots.onMessage = [&](uint32_t message, int32_t, int32_t) {
        if (ReplySink::Current()) ReplySink::Current()->SendText(message == 0x804C ? cell : "Lots;");
        return 0;
    };
    ASSERT_TRUE(channel.Open(dir.Path()));
    const int reader = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    channel.Path().copy(address.sun_path, sizeof(address.sun_path) - 1);
    ASSERT_EQ(::connect(reader, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
    std::string requests;
    for (int i = 0; i < 100; ++i) requests += Request(0x804C, 0, TestClient::Cell(1, i + 1), "Lots");
    ASSERT_EQ(::write(reader, requests.data(), requests.size()), static_cast<ssize_t>(requests.size()));

    pollfd hangUp{reader, POLLIN, 0};
    EXPECT_TRUE(WaitUntil([&] { return ::poll(&hangUp, 1, 0) == 1 && (hangUp.revents & POLLHUP); }));
    EXPECT_TRUE(log.Has(3, "bytes of answers are waiting unread; the connection is closed"));
    EXPECT_EQ(channel.ConnectionCount(), 0u);
    ::close(reader);
    TestClient other(channel.Path());
    other.Send(Request(0x804B, 0, 0, "Lots"));
    EXPECT_EQ(other.Receive(20).substr(8), "L\x00o\x00t\x00s\x00;\x00\x00\x00"s);
}

TEST_F(AutomationChannelTest, TheSocketFileIsTheUsersAloneAndIsRemovedOnClose) {
    ASSERT_TRUE(channel.Open(dir.Path()));
    const std::string path = channel.Path();
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_TRUE(S_ISSOCK(info.st_mode));
    EXPECT_EQ(info.st_mode & 077, 0u);
    EXPECT_EQ(info.st_uid, ::getuid());
    channel.Close();
    EXPECT_FALSE(channel.IsOpen());
    EXPECT_FALSE(std::filesystem::exists(path));
    ASSERT_TRUE(channel.Open(dir.Path()));
    {
        AutomationChannel gone([](const std::string&) { return 0u; });
    }
    EXPECT_TRUE(std::filesystem::exists(path));
}

TEST_F(AutomationChannelTest, AStaleSocketIsReplacedAndARunningChannelKeepsItsName) {
    // A crashed run's socket file: bound, never listened to, its process gone.
    const std::string path = dir.File("korvane-automation");
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    path.copy(address.sun_path, sizeof(address.sun_path) - 1);
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
    ::close(fd);
    ASSERT_TRUE(std::filesystem::exists(path));

    ASSERT_TRUE(channel.Open(dir.Path()));
    LogRecorder log;
    ASSERT_TRUE(log.installed);
    AutomationChannel second([](const std::string&) { return 0u; });
    EXPECT_FALSE(second.Open(dir.Path()));
    EXPECT_FALSE(second.IsOpen());
    EXPECT_TRUE(log.Has(3, "is in use by another client; running without the channel"));
    TestClient client(path);
    client.Send(Request(0x804B, 0, 0, "Lots"));
    EXPECT_EQ(client.Receive(20).size(), 20u);
}

// Every descriptor of the process taken while a client waits to be accepted: the failed accept
// is logged, the socket file stays, and the client is served once descriptors are free again. The
// descriptor limit is the process's own: its own process.
TEST(AutomationChannelFreshProcess, AFailedAcceptIsLoggedAndTheChannelListensOn) {
    TestTempDir dir;
    Form lots;
    lots.onMessage = [](uint32_t message, int32_t, int32_t) {
        if (message == 0x804B && ReplySink::Current()) ReplySink::Current()->SendText("Lots;");
        return 0;
    };
    AutomationChannel channel([&](const std::string& title) { return title == "Lots" ? lots.Handle() : 0u; });
    ASSERT_TRUE(channel.Open(dir.Path()));
    LogRecorder log;
    ASSERT_TRUE(log.installed);
    // The undefined-behaviour checker reads an object's type through descriptors of its own the
    // first time a virtual call meets that type: let it meet the types of the failing accept (the
    // log receiver and the listener's notifier) while descriptors are still free.
    MLOG(6, "The descriptors are about to be taken");
    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);
    {
        QSocketNotifier notifier(ends[0], QSocketNotifier::Read);
        notifier.setEnabled(false);
    }
    ::close(ends[0]);
    ::close(ends[1]);

    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &saved), 0);
    rlimit low = saved;
    low.rlim_cur = std::min<rlim_t>(saved.rlim_cur, 1024);
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &low), 0);
    TestClient client(channel.Path());
    ASSERT_TRUE(client.connected);
    std::vector<int> taken;
    for (int fd; (fd = ::fcntl(0, F_DUPFD_CLOEXEC, 0)) >= 0;) taken.push_back(fd);
    EXPECT_TRUE(WaitUntil([&] { return log.Has(3, "accept failed on " + channel.Path()); }));
    for (int fd : taken) ::close(fd);
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &saved), 0);

    EXPECT_TRUE(channel.IsOpen());
    EXPECT_TRUE(std::filesystem::exists(channel.Path()));
    client.Send(Request(0x804B, 0, 0, "Lots"));
    EXPECT_EQ(client.Receive(20), "\x01\x00\x00\x00\x0C\x00\x00\x00L\x00o\x00t\x00s\x00;\x00\x00\x00"s);
    EXPECT_EQ(std::count_if(
                  log.messages.begin(), log.messages.end(),
                  [](const LoggedMessage& m) { return m.text.find("accept failed") != std::string::npos; }),
              1);
}

TEST(AutomationChannel, TheSocketLivesInTheRuntimeDirectoryElseInADirectoryOfTheUsersOwn) {
    ScopedEnvironment environment;
    TestTempDir temp;
    const std::string own = temp.File("korvane-" + std::to_string(::geteuid()));
    environment.Set("XDG_RUNTIME_DIR", "/run/user/4242");
    EXPECT_EQ(AutomationChannel::DefaultDirectory(), "/run/user/4242");
    environment.Set("TMPDIR", temp.Path().c_str());
    for (const char* runtime : {"", static_cast<const char*>(nullptr)}) {
        environment.Set("XDG_RUNTIME_DIR", runtime);
        EXPECT_EQ(AutomationChannel::DefaultDirectory(), own);
    }

    // Missing, the directory is made the user's alone; the socket goes in it.
    AutomationChannel channel([](const std::string&) { return 0u; });
    ASSERT_TRUE(channel.Open());
    EXPECT_EQ(channel.Path(), own + "/korvane-automation");
    struct stat info {};
    ASSERT_EQ(::lstat(own.c_str(), &info), 0);
    EXPECT_TRUE(S_ISDIR(info.st_mode));
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    EXPECT_EQ(info.st_uid, ::geteuid());
    TestClient client(channel.Path());
    EXPECT_TRUE(client.connected);
}

// A directory another user could reach or put there: refused, logged, nothing listens.
TEST(AutomationChannel, ADirectoryNotTheUsersAloneIsRefused) {
    TestTempDir temp;
    const std::string good = temp.File("good");
    ASSERT_EQ(::mkdir(good.c_str(), 0700), 0);
    struct Case {
        const char* name;
        std::function<void(const std::string&)> make;
        std::string logged;
    };
    auto directory = [](mode_t mode) {
        return [mode](const std::string& path) {
            ASSERT_EQ(::mkdir(path.c_str(), 0700), 0);
            ASSERT_EQ(::chmod(path.c_str(), mode), 0);
        };
    };
    std::vector<Case> cases = {
        {"open to all", directory(0777), "is not a directory of the user's own with mode 0700"},
        {"readable by others", directory(0755), "(owner " + std::to_string(::geteuid()) + ", mode 0755)"},
        {"usable by the group", directory(0710), "mode 0710"},
        {"sticky, open to all", directory(01777), "mode 1777"},
        {"a link to the user's own",
         [&](const std::string& path) { ASSERT_EQ(::symlink(good.c_str(), path.c_str()), 0); },
         "is not a directory of the user's own"},
        {"a file", [](const std::string& path) { TestTempDir::Write(path, ""); }, "is not a directory"},
        {"under a missing parent", [](const std::string&) {}, "cannot create the directory"},
    };
    if (::geteuid() == 0)  // only the superuser can give a directory away
        cases.push_back({"another user's",
                         [&](const std::string& path) {
                             directory(0700)(path);
                             ASSERT_EQ(::chown(path.c_str(), 4242, 4242), 0);
                         },
                         "(owner 4242, mode 0700)"});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path =
            temp.File(std::string(c.name).find("missing") != std::string::npos ? "missing/run" : c.name);
        c.make(path);
        LogRecorder log;
        ASSERT_TRUE(log.installed);
        AutomationChannel channel([](const std::string&) { return 0u; });
        EXPECT_FALSE(channel.Open(path));
        EXPECT_FALSE(channel.IsOpen());
        EXPECT_TRUE(log.Has(3, c.logged));
        EXPECT_TRUE(log.Has(3, "running without the channel"));
        EXPECT_FALSE(std::filesystem::exists(path + "/korvane-automation"));
        EXPECT_FALSE(std::filesystem::exists(good + "/korvane-automation"));
    }
}

}  // namespace
