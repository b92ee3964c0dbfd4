// The test server against a raw socket client: every frame sent and expected is written out
// here byte by byte.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

#include "support/LogRecorder.h"
#include "support/ScopedTimeZone.h"
#include "testserver/ServerMessages.h"
#include "testserver/TestServer.h"

using namespace std::chrono_literals;
using testserver::TestServer;

namespace {

std::string Bytes(const char* text, std::size_t size) {
    return std::string(text, size);
}

const std::string kSubscribed = "KBKRKFKABIKLERBPJYIUJZTYQRKXPHOHRAPUKONF";

// A user connection frame: 80 bytes of message, end byte, 3 blanks.
std::string LoginFrame(const std::string& name8, const std::string& proof) {
    return Bytes("\x50\x00\x00\x00", 4) + "TCL2" + name8 + proof + "    " + "120000" + "     0" + "99" +
           "20" + kSubscribed + "\x03   ";
}
// "part" with password "secret" at 12:00:00.
const std::string kGoodLogin = LoginFrame("    part", "MzCbMlAW");
const std::string kTK = Bytes("\x14\x00\x00\x00", 4) + "TKTOK1000010000030NP" + "\x03   ";
// Component notice: 104 bytes, header with sequence 00001001.
const std::string kTF = Bytes("\x68\x00\x00\x00", 4) + "TF" + std::string(14, ' ') + "00001001" +
                        std::string(80, ' ') + "\x03   ";

class RawClient {
public:
    explicit RawClient(uint16_t port) {
        fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = htons(port);
        connected_ = ::connect(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    }
    ~RawClient() { ::close(fd_); }
    bool IsConnected() const { return connected_; }
    void Send(const std::string& bytes) {
        ASSERT_EQ(::send(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL), ssize_t(bytes.size()));
    }
    // Reads until count bytes came, the peer closed or the wait ended.
    std::string Read(std::size_t count, std::chrono::milliseconds wait = 2000ms) {
        std::string bytes;
        const auto end = std::chrono::steady_clock::now() + wait;
        while (bytes.size() < count) {
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(end - std::chrono::steady_clock::now());
            pollfd p{fd_, POLLIN, 0};
            if (left.count() <= 0 || ::poll(&p, 1, int(left.count())) <= 0) break;
            char buffer[4096];
            const ssize_t got = ::recv(fd_, buffer, std::min(sizeof buffer, count - bytes.size()), 0);
            if (got <= 0) {
                closed_ = true;
                break;
            }
            bytes.append(buffer, std::size_t(got));
        }
        return bytes;
    }
    bool WaitForClose(std::chrono::milliseconds wait = 2000ms) {
        Read(1 << 20, wait);
        return closed_;
    }

private:
    int fd_ = -1;
    bool connected_ = false;
    bool closed_ = false;
};

// A heartbeat question frame up to its time field (22 bytes of message: end byte, one blank).
std::string HeartbeatPrefix(const char* number, const char* counter) {
    return Bytes("\x16\x00\x00\x00", 4) + "TH" + number + counter;
}

struct TestServerTest : ::testing::Test {
    void SetUp() override {
        TestServer::Options options;
        options.heartbeatInterval = 100ms;
        server = std::make_unique<TestServer>(options);
        server->AddDemoUsers();
        ASSERT_TRUE(server->Start());
    }
    // Logs "part" in and reads the TK; with the TF, also the load's two heartbeat questions.
    void LogIn(RawClient& client) {
        ASSERT_TRUE(client.IsConnected());
        client.Send(kGoodLogin);
        ASSERT_EQ(client.Read(kTK.size()), kTK);
    }
    void CheckHeartbeat(const std::string& frame, const char* number, const char* counter) {
        const std::string prefix = HeartbeatPrefix(number, counter);
        ASSERT_EQ(frame.size(), 28u);
        EXPECT_EQ(frame.substr(0, prefix.size()), prefix);
        EXPECT_EQ(frame.substr(26), "\x03 ");
    }
    // The load after a TF up to its end: TH, BI, BP, TH, NF; then the end-of-load TH unless held.
    void ReadLoad(RawClient& client, const char* first, const char* second, const char* counter1,
                  const char* counter2) {
        CheckHeartbeat(client.Read(28), first, counter1);
        EXPECT_EQ(client.Read(kBI.size()), kBI);
        EXPECT_EQ(client.Read(kBP.size()), kBP);
        CheckHeartbeat(client.Read(28), second, counter2);
        EXPECT_EQ(client.Read(52), NF());
        // The demo accounts (KR, 417 bytes) and positions (KB, 122 bytes), unsolicited.
        for (int i = 0; i < 5; ++i) {
            const std::string frame = client.Read(424);
            EXPECT_EQ(frame.substr(0, 28), Bytes("\xa1\x01\x00\x00", 4) + "KR      00000000        ");
            EXPECT_EQ(frame.substr(421), "\x03  ");
        }
        for (int i = 0; i < 2; ++i) {
            const std::string frame = client.Read(128);
            EXPECT_EQ(frame.substr(0, 28), Bytes("\x7a\x00\x00\x00", 4) + "KB      00000000        ");
            EXPECT_EQ(frame.substr(126), "\x03 ");
        }
    }
    // The reportable dates: yesterday and today, oldest first.
    static std::string NF() {
        const std::time_t now = std::time(nullptr);
        std::tm local{};
        localtime_r(&now, &local);
        const std::chrono::sys_days today{std::chrono::year_month_day{
            std::chrono::year(local.tm_year + 1900), std::chrono::month(unsigned(local.tm_mon + 1)),
            std::chrono::day(unsigned(local.tm_mday))}};
        return Bytes("\x2c\x00\x00\x00", 4) + "NF" + std::string(22, ' ') + " 002" +
               DateText(today - std::chrono::days(1)) + DateText(today) + "\x03   ";
    }
    static std::string DateText(std::chrono::sys_days day) {
        const std::chrono::year_month_day date(day);
        char text[16];
        std::snprintf(text, sizeof text, "%04d%02u%02u", int(date.year()), unsigned(date.month()),
                      unsigned(date.day()));
        return text;
    }
    const std::string kBI = Bytes("\xb2\x00\x00\x00", 4) + "BI" + std::string(22, ' ') + "0002" +
                            "OPABC1C200001250020301220ABC" + std::string(17, ' ') + "ABC 20301220 C 125.00" +
                            std::string(9, ' ') + "OPABP1P200001100020301220ABC" + std::string(17, ' ') +
                            "ABC 20301220 P 110.00" + std::string(9, ' ') + "\x03 ";
    const std::string kBP = Bytes("\x78\x00\x00\x00", 4) + "BP" + std::string(22, ' ') + "0002" +
                            "Northwind Trading        NWT1NWT00001PNORTHWND" +
                            "Harbour Securities       HBS1HBS00001PHARBOUR " + "\x03   ";
    std::unique_ptr<TestServer> server;
};

}  // namespace

TEST(ServerMessagesTest, FramesAndCutsAsTheWireLaysThem) {
    EXPECT_EQ(testserver::FrameMessage("TL"), Bytes("\x02\x00\x00\x00TL\x03 ", 8));
    EXPECT_EQ(testserver::FrameMessage("ABC"), Bytes("\x03\x00\x00\x00"
                                                     "ABC\x03",
                                                     8));
    EXPECT_EQ(testserver::FrameMessage("ABCD"), Bytes("\x04\x00\x00\x00"
                                                      "ABCD\x03   ",
                                                      12));
    EXPECT_EQ(testserver::FrameMessage(std::string(256, 'x')).substr(0, 4), Bytes("\x00\x01\x00\x00", 4));

    struct Case {
        std::string bytes;
        testserver::FrameCut cut;
        std::string message;
    } const cases[] = {
        {Bytes("\x02\x00\x00", 3), testserver::FrameCut::Incomplete, ""},
        {Bytes("\x02\x00\x00\x00TL\x03", 7), testserver::FrameCut::Incomplete, ""},
        {Bytes("\x02\x00\x00\x00TL\x03 rest", 12), testserver::FrameCut::Message, "TL"},
        {Bytes("\x02\x00\x00\x00TLx ", 8), testserver::FrameCut::Bad, ""},
        {Bytes("\x00\x00\x01\x00", 4), testserver::FrameCut::Bad, ""},
        {Bytes("\x00\x00\x00\x00\x03   ", 8), testserver::FrameCut::Message, ""},
    };
    for (const Case& c : cases) {
        std::string message;
        std::size_t consumed = 0;
        EXPECT_EQ(testserver::CutFrame(c.bytes, message, consumed), c.cut) << c.bytes;
        if (c.cut == testserver::FrameCut::Message) {
            EXPECT_EQ(message, c.message);
            EXPECT_EQ(consumed, 8u);
        }
    }
}

// Oldest first, the day before found through the calendar: across a month's, a year's and a leap
// month's end, and after a day of 23 hours (summer time began the day before).
TEST(TestServerDataTest, TheReportableDatesAreTheDayBeforeThenTheDay) {
    ScopedTimeZone zone(kZoneBerlin);
    const struct {
        int year, month, day, hour, minute;
        std::vector<std::string> dates;
    } cases[] = {
        {2026, 3, 1, 0, 30, {"20260228", "20260301"}},    {2024, 3, 1, 9, 0, {"20240229", "20240301"}},
        {2027, 1, 1, 23, 59, {"20261231", "20270101"}},   {2026, 3, 30, 0, 30, {"20260329", "20260330"}},
        {2026, 10, 26, 23, 30, {"20261025", "20261026"}}, {2026, 12, 11, 12, 0, {"20261210", "20261211"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.dates.back());
        std::tm local{};
        local.tm_year = c.year - 1900;
        local.tm_mon = c.month - 1;
        local.tm_mday = c.day;
        local.tm_hour = c.hour;
        local.tm_min = c.minute;
        local.tm_isdst = -1;
        EXPECT_EQ(TestServer::ReportableDates(std::mktime(&local)), c.dates);
    }
}

TEST(ServerMessagesTest, LoadCounterIsBase62AfterItsFirstCharacter) {
    EXPECT_EQ(testserver::LoadCounterText(0), "000000");
    EXPECT_EQ(testserver::LoadCounterText(1), "000001");
    EXPECT_EQ(testserver::LoadCounterText(61), "00000z");
    EXPECT_EQ(testserver::LoadCounterText(62), "000010");
}

TEST_F(TestServerTest, AcceptedLoginGetsTheConnectionAcknowledgment) {
    RawClient client(server->GetPort());
    LogIn(client);
    ASSERT_TRUE(server->WaitForReceived(1));
    EXPECT_EQ(server->GetReceived()[0].bytes, kGoodLogin.substr(4, 80));
}

TEST_F(TestServerTest, RefusedLoginGetsTechnicalErrorThenDisconnection) {
    const std::string refusedTE = Bytes("\x78\x00\x00\x00", 4) + "TE" + std::string(18, ' ') +
                                  "Login refused: unknown user or wrong password" + std::string(55, ' ') +
                                  "\x03   ";
    const std::string tl = Bytes("\x18\x00\x00\x00", 4) + "TL" + std::string(22, ' ') + "\x03   ";
    for (const std::string& frame :
         {LoginFrame("    part", "ffoMzFoT"), LoginFrame("  nobody", "MzCbMlAW")}) {
        RawClient client(server->GetPort());
        ASSERT_TRUE(client.IsConnected());
        client.Send(frame);
        EXPECT_EQ(client.Read(refusedTE.size() + tl.size()), refusedTE + tl);
    }
}

TEST_F(TestServerTest, InitialLoadEndsWithARepeatedCounterThatGrowsOverLogins) {
    server->StopHeartbeats(true);
    const struct {
        const char* numbers[3];
        const char* counters[2];
    } loads[] = {{{"00000001", "00000002", "00000003"}, {"000001", "000002"}},
                 {{"00000004", "00000005", "00000006"}, {"000003", "000004"}}};
    for (const auto& load : loads) {
        RawClient client(server->GetPort());
        LogIn(client);
        client.Send(kTF);
        ReadLoad(client, load.numbers[0], load.numbers[1], load.counters[0], load.counters[1]);
        CheckHeartbeat(client.Read(28), load.numbers[2], load.counters[1]);
    }
}

TEST_F(TestServerTest, HeldEndOfLoadIsSentOnRelease) {
    server->StopHeartbeats(true);
    server->HoldEndOfLoad(true);
    RawClient client(server->GetPort());
    LogIn(client);
    client.Send(kTF);
    ReadLoad(client, "00000001", "00000002", "000001", "000002");
    EXPECT_EQ(client.Read(1, 200ms), "");
    server->HoldEndOfLoad(false);
    CheckHeartbeat(client.Read(28), "00000003", "000002");
}

TEST_F(TestServerTest, HeartbeatsFollowTheLoadAtTheInterval) {
    RawClient client(server->GetPort());
    LogIn(client);
    client.Send(kTF);
    ReadLoad(client, "00000001", "00000002", "000001", "000002");
    client.Read(28);
    CheckHeartbeat(client.Read(28), "00000004", "000002");
    server->StopHeartbeats(true);
    client.Read(28, 150ms);  // one may have been under way
    EXPECT_EQ(client.Read(1, 300ms), "");
}

TEST_F(TestServerTest, CommandsAreAnsweredWithTheirSequenceNumber) {
    server->StopHeartbeats(true);
    server->AnswerWithError("AD", "No such account");
    server->LeaveUnanswered("PD");
    RawClient client(server->GetPort());
    LogIn(client);
    // A command: "XX", UserTime 6, TraderID 8, UserSequenceID 8 at 16, then its fields.
    const auto command = [](const char* type, const char* sequence) {
        const std::string message =
            std::string(type) + std::string(14, ' ') + sequence + std::string(32, ' ');
        return Bytes("\x38\x00\x00\x00", 4) + message + "\x03   ";
    };
    const std::string ko = Bytes("\x18\x00\x00\x00", 4) + "KO      00000042        " + "\x03   ";
    // The delimiter of a day without positions is answered with KO.
    const std::string er = Bytes("\x80\x00\x00\x00", 4) + "ER      00000043            " + "No such account" +
                           std::string(85, ' ') + "\x03   ";
    const std::string ko44 = Bytes("\x18\x00\x00\x00", 4) + "KO      00000045        " + "\x03   ";
    client.Send(command("PU", "00000042"));
    EXPECT_EQ(client.Read(ko.size()), ko);
    client.Send(command("AD", "00000043"));
    EXPECT_EQ(client.Read(er.size()), er);
    client.Send(command("PD", "00000044") + command("PU", "00000045") + command("IU", "00000046"));
    EXPECT_EQ(client.Read(ko44.size()), ko44);
    EXPECT_EQ(client.Read(1, 200ms), "");
    ASSERT_TRUE(server->WaitForReceived(6));
    const auto received = server->GetReceived();
    EXPECT_EQ(received[5].bytes.substr(0, 2), "IU");
    for (std::size_t i = 1; i < received.size(); ++i) EXPECT_LE(received[i - 1].at, received[i].at);
}

TEST_F(TestServerTest, UserDisconnectionGetsDisconnectionThenClose) {
    const std::string tl = Bytes("\x18\x00\x00\x00", 4) + "TL" + std::string(22, ' ') + "\x03   ";
    RawClient client(server->GetPort());
    LogIn(client);
    client.Send(Bytes("\x0e\x00\x00\x00", 4) + "TD    partTOK1" + "\x03 ");
    EXPECT_EQ(client.Read(tl.size()), tl);
    EXPECT_TRUE(client.WaitForClose());
}

TEST_F(TestServerTest, ScenarioSendsOnRequest) {
    const std::string te = Bytes("\x78\x00\x00\x00", 4) + "TE" + std::string(18, ' ') + "Maintenance" +
                           std::string(89, ' ') + "\x03   ";
    const std::string tl = Bytes("\x18\x00\x00\x00", 4) + "TL" + std::string(22, ' ') + "\x03   ";
    server->StopHeartbeats(true);
    RawClient client(server->GetPort());
    LogIn(client);
    server->SendTechnicalError("Maintenance");
    EXPECT_EQ(client.Read(te.size()), te);
    server->SendRaw("ZZ12");
    EXPECT_EQ(client.Read(12), Bytes("\x04\x00\x00\x00ZZ12\x03   ", 12));
    server->DropConnections(true);
    EXPECT_EQ(client.Read(tl.size()), tl);
    EXPECT_TRUE(client.WaitForClose());

    RawClient silent(server->GetPort());
    LogIn(silent);
    server->DropConnections(false);
    EXPECT_TRUE(silent.WaitForClose());
    EXPECT_EQ(server->GetConnectionCount(), 2);
}

TEST_F(TestServerTest, UnreadableFrameClosesThatConnectionOnly) {
    LogRecorder log;
    RawClient other(server->GetPort());
    LogIn(other);
    RawClient client(server->GetPort());
    ASSERT_TRUE(client.IsConnected());
    client.Send(Bytes("\x00\x00\x01\x00", 4));
    EXPECT_TRUE(client.WaitForClose());
    EXPECT_TRUE(log.Has(LOG_ERROR, "unreadable frame"));
    server->SendRaw("ZZ12");
    EXPECT_EQ(other.Read(12), Bytes("\x04\x00\x00\x00ZZ12\x03   ", 12));
}

TEST_F(TestServerTest, HistoricalQueriesGetTheirRowsBetweenDelimitersOrAnError) {
    server->StopHeartbeats(true);
    server->AnswerSequenceWithError("00000054", "No data for the period");
    RawClient client(server->GetPort());
    LogIn(client);
    char today[16];
    char yesterday[16];
    const std::time_t now = std::time(nullptr);
    const std::time_t before = now - 86400;
    std::strftime(today, sizeof today, "%Y%m%d", std::localtime(&now));
    std::strftime(yesterday, sizeof yesterday, "%Y%m%d", std::localtime(&before));
    // A query: 24-byte header with the sequence number at 16, user 25, dates 8 and 8, firm 4: 69
    // bytes, end byte, 2 blanks.
    const auto query = [&](const char* type, const char* sequence, const char* firm) {
        return Bytes("\x45\x00\x00\x00", 4) + type + std::string(14, ' ') + sequence + std::string(25, ' ') +
               yesterday + today + firm + "\x03  ";
    };
    // Delimiter: 29 bytes of message, end byte, 2 blanks.
    const auto delimiter = [](const char* sequence, const char* code) {
        return Bytes("\x1d\x00\x00\x00", 4) + "IU      " + sequence + "        " + "   " + code + "\x03  ";
    };

    // Accounts of one firm, named by the first four characters of its firm name: JZ of 433 bytes
    // (frame 440), the KR layout then date and firm unit member.
    client.Send(query("HV", "00000050", "HARB"));
    EXPECT_EQ(client.Read(36), delimiter("00000050", "SH"));
    for (const char* number : {"HB-200          ", "HB-M1           "}) {
        const std::string jz = client.Read(440);
        ASSERT_EQ(jz.size(), 440u);
        EXPECT_EQ(jz.substr(0, 28), Bytes("\xb1\x01\x00\x00", 4) + "JZ      00000050        ");
        EXPECT_EQ(jz.substr(4 + 49, 16), number);
        EXPECT_EQ(jz.substr(4 + 347, 4), "HBS1");
        EXPECT_EQ(jz.substr(4 + 417), std::string(today) + "HBS00001" + "\x03  ");
    }
    EXPECT_EQ(client.Read(36), delimiter("00000050", "EH"));

    // Positions reported in the range: PH of 199 bytes (frame 204), the KB layout, the firm unit
    // member and the instrument's call/put, strike, expiry, class and external symbols.
    client.Send(query("PQ", "00000051", "HARB"));
    EXPECT_EQ(client.Read(36), delimiter("00000051", "SO"));
    const std::string ph = client.Read(204);
    ASSERT_EQ(ph.size(), 204u);
    EXPECT_EQ(ph.substr(0, 4 + 72), Bytes("\xc7\x00\x00\x00", 4) + "PH      00000051        " + yesterday +
                                        " " + "HB-200          " + "OPABC1" + "00000010" + "00000000" + " ");
    EXPECT_EQ(ph.substr(4 + 104, 4), "HBS1");
    EXPECT_EQ(ph.substr(4 + 122), std::string("HBS00001") + "C" + "2000012500" + "20301220" + "ABC" +
                                      std::string(17, ' ') + "ABC 20301220 C 125.00" + std::string(9, ' ') +
                                      "\x03");
    EXPECT_EQ(client.Read(36), delimiter("00000051", "EO"));

    // Submission outcomes: OH of 81 bytes (frame 88), written out whole.
    client.Send(query("OR", "00000052", "HARB"));
    const std::string oh = Bytes("\x51\x00\x00\x00", 4) + "OH      00000052        " + today +
                           "Harbour Securities      " + "HBS00001" + "HARBOUR " + "S" + "00000001" + "\x03  ";
    const std::string outcomes = delimiter("00000052", "SU") + oh + delimiter("00000052", "EU");
    EXPECT_EQ(client.Read(outcomes.size()), outcomes);

    // The command history: none yet, then one RA of 360 bytes (frame 368) for the command sent.
    client.Send(query("AR", "00000053", "    "));
    const std::string empty = delimiter("00000053", "SC") + delimiter("00000053", "EC");
    EXPECT_EQ(client.Read(empty.size()), empty);
    client.Send(Bytes("\x22\x00\x00\x00", 4) + "PU" + std::string(14, ' ') + "00000055" + "EP" + today +
                "\x03 ");
    EXPECT_EQ(client.Read(32), Bytes("\x18\x00\x00\x00", 4) + "KO      00000055        " + "\x03   ");
    client.Send(query("AR", "00000056", "    "));
    EXPECT_EQ(client.Read(36), delimiter("00000056", "SC"));
    const std::string ra = client.Read(368);
    ASSERT_EQ(ra.size(), 368u);
    EXPECT_EQ(ra.substr(0, 4 + 32), Bytes("\x68\x01\x00\x00", 4) + "RA      00000056        " + today);
    EXPECT_EQ(ra.substr(4 + 38), std::string("EPC") + "PU 00000055" + std::string(289, ' ') + "part       " +
                                     std::string(8, ' ') + "\x03   ");
    EXPECT_EQ(client.Read(36), delimiter("00000056", "EC"));

    const std::string er = Bytes("\x80\x00\x00\x00", 4) + "ER      00000054            " +
                           "No data for the period" + std::string(78, ' ') + "\x03   ";
    client.Send(query("HV", "00000054", "    "));
    EXPECT_EQ(client.Read(er.size()), er);
}

TEST_F(TestServerTest, LateAnswersComeAfterLaterOnes) {
    server->StopHeartbeats(true);
    server->AnswerLate("AD", 300ms);
    server->LeaveSequenceUnanswered("00000061");
    server->AnswerSequenceLate("00000063", 300ms);
    RawClient client(server->GetPort());
    LogIn(client);
    const auto command = [](const char* type, const char* sequence) {
        return Bytes("\x38\x00\x00\x00", 4) + type + std::string(14, ' ') + sequence + std::string(32, ' ') +
               "\x03   ";
    };
    const auto ko = [](const char* sequence) {
        return Bytes("\x18\x00\x00\x00", 4) + "KO      " + sequence + "        " + "\x03   ";
    };
    client.Send(command("AD", "00000060") + command("PU", "00000061") + command("PU", "00000062"));
    const std::string ka =
        Bytes("\x38\x00\x00\x00", 4) + "KA      00000060        " + std::string(32, ' ') + "\x03   ";
    EXPECT_EQ(client.Read(32 + 64), ko("00000062") + ka);
    // Late by sequence number: only that command waits.
    client.Send(command("PU", "00000063") + command("PU", "00000064"));
    EXPECT_EQ(client.Read(64), ko("00000064") + ko("00000063"));
}

TEST_F(TestServerTest, RecordCommandsGetTheirAcknowledgmentsAndChangeTheData) {
    server->StopHeartbeats(true);
    RawClient client(server->GetPort());
    LogIn(client);
    const std::string b16 = std::string(16, ' ');
    // An account entry: header, action, AffiliatedCie 24, AccountNumber 16, type, owner type, OwnerId
    // 24, NormalizedOwnerId 24, HedgeSpec, Name 25, Address 48, City 24, State 24, Zip 12, Phone
    // 24, Fax 24, Email 48, CountryCode 2, ApprovedParticipantId 4: 351 bytes.
    const std::string fields = " " + std::string("Acme") + std::string(20, ' ') + "NW-300          " + "1A" +
                               "OWN1" + std::string(20, ' ') + std::string(24, ' ') + " " + "New Client" +
                               std::string(15, ' ') + std::string(48 + 24 + 24 + 12 + 24 + 24 + 48, ' ') +
                               "CA" + "NWT1";
    ASSERT_EQ(fields.size(), 327u);
    const std::string an = std::string("AN") + std::string(14, ' ') + "00000070" + fields;
    // Frame sizes: 351 -> 356 (end byte, no blanks); 417 -> 424.
    client.Send(Bytes("\x5f\x01\x00\x00", 4) + an + "\x03");
    const std::string kr = Bytes("\xa1\x01\x00\x00", 4) + "KR      00000070        " + fields + " " +
                           "1006            " + "C" + b16 + std::string(32, 'N') + "\x03  ";
    EXPECT_EQ(client.Read(kr.size()), kr);

    // Monitoring flags: AccountNumber, AccountId, participant, type, flags 32: 93 bytes -> 100.
    const std::string flags = "YN" + std::string(30, 'N');
    client.Send(Bytes("\x5d\x00\x00\x00", 4) + "MC" + std::string(14, ' ') + "00000071" + "NW-300          " +
                "1006            " + "NWT1" + "1" + flags + "\x03  ");
    const std::string kx = Bytes("\x5d\x00\x00\x00", 4) + "KX      00000071        " + "NW-300          " +
                           "1006            " + "NWT1" + "1" + flags + "\x03  ";
    EXPECT_EQ(client.Read(kx.size()), kx);

    // Position entry: ReportDate, filler, AccountNumber, Group, Instrument, long, short: 71 -> 76
    // (end byte, no blanks).
    client.Send(Bytes("\x47\x00\x00\x00", 4) + "PN" + std::string(14, ' ') + "00000072" + "20261201" + " " +
                "NW-300          " + "OPABC1" + "00000005" + "00000002" + "\x03");
    const std::string kb = client.Read(128);
    EXPECT_EQ(kb.substr(0, 4 + 108), Bytes("\x7a\x00\x00\x00", 4) + "KB      00000072        " + "20261201" +
                                         " " + "NW-300          " + "OPABC1" + "00000005" + "00000002" + " " +
                                         b16 + "1006            " + "NWT1");
    EXPECT_EQ(kb.substr(126), "\x03 ");

    // Position delete: AccountNumber, Group, Instrument, ReportDate: 54 -> 60; KF of 90 -> 96.
    client.Send(Bytes("\x36\x00\x00\x00", 4) + "PD" + std::string(14, ' ') + "00000073" + "NW-300          " +
                "OPABC1" + "20261201" + "\x03 ");
    const std::string kf = Bytes("\x5a\x00\x00\x00", 4) + "KF      00000073        " + "NW-300          " +
                           "OPABC1" + b16 + "1006            " + "    " + "20261201" + "\x03 ";
    EXPECT_EQ(client.Read(kf.size()), kf);

    // A later login loads the new account with its flags, and not the deleted position.
    RawClient later(server->GetPort());
    LogIn(later);
    later.Send(kTF);
    later.Read(28 + kBI.size() + kBP.size() + 28 + 52);
    bool found = false;
    for (int i = 0; i < 6; ++i) {
        const std::string frame = later.Read(424);
        if (frame.substr(4 + 49, 6) != "NW-300") continue;
        found = true;
        EXPECT_EQ(frame.substr(4 + 385, 32), flags);
    }
    EXPECT_TRUE(found);
    for (int i = 0; i < 2; ++i) EXPECT_NE(later.Read(128).substr(4 + 33, 6), "NW-300");
}

TEST_F(TestServerTest, PasswordResetTakesEffectOnlyWithTheRightCurrentPassword) {
    server->StopHeartbeats(true);
    RawClient client(server->GetPort());
    LogIn(client);
    // "secret" and "newpass1", each one AES-128 block under "0123456789abcdef", in Base64.
    const std::string secret = "iNo+4RE7nEnpk338CYGhcw==", newPassword = "RaNb7ilTVmVa184VCf4FgA==";
    const auto reset = [](const char* sequence, const std::string& oldText, const std::string& newText) {
        return Bytes("\x50\x00\x00\x00", 4) + "TR" + std::string(14, ' ') + sequence + "    part" + oldText +
               newText + "\x03   ";
    };
    const std::string ty = Bytes("\x18\x00\x00\x00", 4) + "TY      00000080        " + "\x03   ";
    const std::string er = Bytes("\x80\x00\x00\x00", 4) + "ER      00000081            " +
                           "Password reset refused: the current password is wrong" + std::string(47, ' ') +
                           "\x03   ";
    const std::string er82 = er.substr(0, 12) + "00000082" + er.substr(20);
    client.Send(reset("00000080", secret, newPassword));
    EXPECT_EQ(client.Read(ty.size()), ty);
    client.Send(reset("00000081", secret, newPassword));
    EXPECT_EQ(client.Read(er.size()), er);
    client.Send(reset("00000082", "not base64 at all!!!!!==", newPassword));
    EXPECT_EQ(client.Read(er82.size()), er82);

    RawClient withOld(server->GetPort());
    withOld.Send(kGoodLogin);
    EXPECT_EQ(withOld.Read(4).substr(0, 4), Bytes("\x78\x00\x00\x00", 4));  // a TE: refused
    RawClient withNew(server->GetPort());
    withNew.Send(LoginFrame("    part", "UMUriDii"));
    EXPECT_EQ(withNew.Read(kTK.size()), kTK);
}

TEST(TestServerDataTest, AGeneratedDataSetLoadsItsAccountsAndPositions) {
    TestServer::Options options;
    options.generatedAccounts = 40;
    TestServer server(options);
    server.AddDemoUsers();
    server.StopHeartbeats(true);
    ASSERT_TRUE(server.Start());
    RawClient client(server.GetPort());
    client.Send(kGoodLogin);
    ASSERT_EQ(client.Read(kTK.size()), kTK);
    client.Send(kTF);
    client.Read(28 + 184 + 128 + 28 + 52);  // TH, BI, BP, TH, NF
    int accounts = 0, positions = 0;
    for (;;) {
        const std::string length = client.Read(4);
        ASSERT_EQ(length.size(), 4u);
        const std::string rest = client.Read(length[0] == '\xa1' ? 420 : length[0] == '\x7a' ? 124 : 24);
        if (rest.substr(0, 2) == "KR")
            ++accounts;
        else if (rest.substr(0, 2) == "KB")
            ++positions;
        else
            break;  // the end-of-load TH
    }
    EXPECT_EQ(accounts, 40);
    EXPECT_EQ(positions, 40);
}

// A client that sends its last message and closes at once: the message arrives with the end of
// the stream and is still taken.
TEST_F(TestServerTest, LastMessageBeforeTheCloseIsTaken) {
    {
        RawClient client(server->GetPort());
        ASSERT_TRUE(client.IsConnected());
        client.Send(Bytes("\x0e\x00\x00\x00", 4) + "TD    partTOK1" + "\x03 ");
    }
    ASSERT_TRUE(server->WaitForReceived(1));
    EXPECT_EQ(server->GetReceived().at(0).bytes, "TD    partTOK1");
}

// A record load: a heartbeat of a new counter before every group of position acknowledgments,
// then the end-of-load heartbeat repeating the last counter.
TEST(TestServerDataTest, ARecordLoadSendsItsRecordsBetweenHeartbeats) {
    TestServer::Options options;
    options.loadRecords = 25;
    options.loadHeartbeatEvery = 10;
    TestServer server(options);
    server.AddDemoUsers();
    server.StopHeartbeats(true);
    ASSERT_TRUE(server.Start());
    RawClient client(server.GetPort());
    client.Send(kGoodLogin);
    ASSERT_EQ(client.Read(kTK.size()), kTK);
    client.Send(kTF);
    std::string shape;  // H per heartbeat (with its counter), one '.' per record
    for (int i = 0; i < 29; ++i) {
        const std::string frame = client.Read(4);
        ASSERT_EQ(frame.size(), 4u);
        const bool heartbeat = frame[0] == '\x16';
        const std::string rest = client.Read(heartbeat ? 24 : 124);
        if (heartbeat) {
            shape += "H" + rest.substr(10, 6);
        } else {
            EXPECT_EQ(rest.substr(0, 24), "KB      00000000        ");
            shape += '.';
        }
    }
    EXPECT_EQ(shape, "H000001..........H000002..........H000003.....H000003");
}

// The load captured for a replay is the whole load, also when it is several times the megabyte
// that the server generates ahead of the socket.
TEST(TestServerDataTest, ACapturedLoadHoldsEveryRecord) {
    TestServer::Options options;
    options.generatedAccounts = 4000;  // about 2.2 MB of records
    const std::string bytes = TestServer(options).CaptureLoad();
    std::size_t at = 28 + 184 + 128 + 28 + 52;  // TH, BI, BP, TH, NF
    int accounts = 0, positions = 0;
    while (at + 4 < bytes.size()) {
        const std::size_t size = bytes[at] == '\xa1' ? 420 : bytes[at] == '\x7a' ? 124 : 24;
        const std::string type = bytes.substr(at + 4, 2);
        accounts += type == "KR";
        positions += type == "KB";
        at += 4 + size;
    }
    EXPECT_EQ(accounts, 4000);
    EXPECT_EQ(positions, 4000);
    EXPECT_EQ(at, bytes.size());
    EXPECT_EQ(bytes.substr(bytes.size() - 24, 2), "TH");  // the end of the load
}
