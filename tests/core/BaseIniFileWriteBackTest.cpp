// The write-back of settings files against odd line ends, other processes writing the same file,
// interrupted writes, links and permissions. Other processes are forked children; every wait for
// them is bounded.
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include "core/BaseIniFile.h"
#include "core/MIniStore.h"
#include "support/LogRecorder.h"
#include "support/TestTempDir.h"

namespace {

using Triple = std::tuple<std::string, std::string, std::string>;

// Every (section, key, value) a load of the file finds, in file order.
std::vector<Triple> Content(const std::string& path) {
    MIniStore store;
    std::string error;
    EXPECT_TRUE(store.LoadFromFile(path, error)) << error;
    std::vector<Triple> content;
    store.ForEach([&](const std::string& s, const std::string& k, const std::string& v) {
        content.emplace_back(s, k, v);
    });
    return content;
}

mode_t Mode(const std::string& path) {
    struct stat status {};
    EXPECT_EQ(::lstat(path.c_str(), &status), 0) << path;
    return status.st_mode & 07777;
}

std::set<std::string> Names(const std::string& directory) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(directory))
        names.insert(entry.path().filename());
    return names;
}

// Runs body in a child process that ends with its result as exit code.
pid_t Spawn(const std::function<int()>& body) {
    const pid_t pid = ::fork();
    if (pid == 0) ::_exit(body());
    return pid;
}

// The child's wait status; a child still running after the timeout is killed and fails the test.
int WaitFor(pid_t pid, std::chrono::seconds timeout = std::chrono::seconds(60)) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    int status = 0;
    while (::waitpid(pid, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
            ADD_FAILURE() << "child " << pid << " did not end in time";
            return -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return status;
}

bool ExitedWith(int status, int code) {
    return WIFEXITED(status) && WEXITSTATUS(status) == code;
}

class ScopedLockTimeout {
public:
    explicit ScopedLockTimeout(std::chrono::milliseconds timeout)
        : saved_(BaseIniFile::SetLockTimeout(timeout)) {}
    ~ScopedLockTimeout() { BaseIniFile::SetLockTimeout(saved_); }

private:
    std::chrono::milliseconds saved_;
};

class BaseIniFileWriteBack : public ::testing::Test {
protected:
    void WriteKey(const std::string& section, const std::string& key, const std::string& value) {
        BaseIniFile ini(path);
        ini.WriteString(section, key, value);
    }

    TestTempDir dir;
    std::string path = dir.File("Korvane.ini");
};

TEST_F(BaseIniFileWriteBack, CarriageReturnsBeforeTheLineFeedEndTheLineOnEveryLoad) {
    const struct {
        const char* file;
        const char* saved;  // after one key was written and saved
    } cases[] = {
        {"[S]\n[a=b]\r\r\nK=1\n", "[S]\n[a=b]\r\r\nK=1\n\n[N]\nX=1\n\n"},
        {"[S]\nK=v\r\r\n", "[S]\nK=v\r\r\n\n[N]\nX=1\n\n"},
        {"[S]\r\r\r\nK=a\rb\r\n", "[S]\r\r\r\nK=a\rb\r\n\n[N]\nX=1\n\n"},
        {"[S]\nK=v\r \r\n", "[S]\nK=v\r \r\n\n[N]\nX=1\n\n"},
        {"[S]\nK=v\r\r", "[S]\nK=v\r\r\n\n[N]\nX=1\n\n"},
        {"\r\n[S]\r\n\r\nK=1\r\n[T]\r\r\nL=\r\r\n", "\r\n[S]\r\n\r\nK=1\r\n[T]\r\r\nL=\r\r\n\n[N]\nX=1\n\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        TestTempDir::Write(path, c.file);
        std::vector<Triple> first = Content(path);
        WriteKey("N", "X", "1");
        EXPECT_EQ(TestTempDir::Read(path), c.saved);
        first.emplace_back("N", "X", "1");
        EXPECT_EQ(Content(path), first);
        WriteKey("N", "X", "1");  // a second save changes nothing
        EXPECT_EQ(TestTempDir::Read(path), c.saved);
    }
}

TEST_F(BaseIniFileWriteBack, AChangedKeyLeavesCommentsBlankLinesAndEveryOtherLineInPlace) {
    TestTempDir::Write(path,
                       "; Korvane settings\n"
                       "\n"
                       "[Config]\n"
                       "; where the logs go\n"
                       "LoggingDir=/var/log/korvane\n"
                       "  EncryptionKey = old key\n"
                       "\n"
                       "   \n"
                       "# not a comment to the reader, kept all the same\n"
                       "[Other]\n"
                       "; last line without a line feed");
    WriteKey("config", "encryptionkey", "0123456789ABCDEF");
    EXPECT_EQ(TestTempDir::Read(path),
              "; Korvane settings\n"
              "\n"
              "[Config]\n"
              "; where the logs go\n"
              "LoggingDir=/var/log/korvane\n"
              "  EncryptionKey =0123456789ABCDEF\n"
              "\n"
              "   \n"
              "# not a comment to the reader, kept all the same\n"
              "[Other]\n"
              "; last line without a line feed");
}

TEST_F(BaseIniFileWriteBack, OnlyTheLinesOfChangedKeysChange) {
    const char* const file =
        ";head\r\n"
        "[A]\r\n"
        "K=1\r\n"
        ";between\r\n"
        "L=2\r\n"
        "K=duplicate, never read\r\n"
        "\r\n"
        ";about B\r\n"
        "[B]\r\n"
        "M=3\r\n";
    const struct {
        const char* name;
        std::function<void(BaseIniFile&)> change;
        const char* saved;
    } cases[] = {
        {"the same value again", [](BaseIniFile& ini) { ini.WriteString("A", "L", "2"); }, file},
        {"a changed value keeps its line end", [](BaseIniFile& ini) { ini.WriteString("A", "K", "9"); },
         ";head\r\n[A]\r\nK=9\r\n;between\r\nL=2\r\nK=duplicate, never read\r\n\r\n;about B\r\n[B]\r\n"
         "M=3\r\n"},
        {"a deleted key loses every line of it", [](BaseIniFile& ini) { ini.DeleteKey("A", "K"); },
         ";head\r\n[A]\r\n;between\r\nL=2\r\n\r\n;about B\r\n[B]\r\nM=3\r\n"},
        {"a new key follows the section's last key", [](BaseIniFile& ini) { ini.WriteString("a", "N", "4"); },
         ";head\r\n[A]\r\nK=1\r\n;between\r\nL=2\r\nK=duplicate, never read\r\nN=4\n\r\n;about B\r\n"
         "[B]\r\nM=3\r\n"},
        {"a new section goes at the end after a blank line",
         [](BaseIniFile& ini) {
             ini.WriteString("C", "X", "5");
             ini.WriteString("C", "Y", "6");
         },
         ";head\r\n[A]\r\nK=1\r\n;between\r\nL=2\r\nK=duplicate, never read\r\n\r\n;about B\r\n[B]\r\n"
         "M=3\r\n\n[C]\nX=5\nY=6\n\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TestTempDir::Write(path, file);
        {
            BaseIniFile ini(path);
            c.change(ini);
        }
        EXPECT_EQ(TestTempDir::Read(path), c.saved);
    }
}

// A section written in two places in the file is one section: its first key line counts and a new
// key follows its last key, wherever that is.
TEST_F(BaseIniFileWriteBack, ASectionInTwoPlacesIsChangedWhereItsKeysAre) {
    TestTempDir::Write(path, "[A]\nK=1\n[B]\nM=2\n[a]\nL=3\nk=4\n; end\n");
    {
        BaseIniFile ini(path);
        ini.WriteString("A", "k", "5");
        ini.WriteString("A", "N", "6");
        ini.DeleteKey("A", "L");
    }
    EXPECT_EQ(TestTempDir::Read(path), "[A]\nK=5\n[B]\nM=2\n[a]\nk=4\nN=6\n; end\n");
    EXPECT_EQ(BaseIniFile(path).ReadString("A", "K", ""), "5");
}

TEST_F(BaseIniFileWriteBack, AWrittenKeyComesBackAsTheSameKey) {
    const struct {
        const char* section;
        const char* key;
        const char* value;
        const char* file;
        const char* stored;  // the key as the object and a later load find it
    } cases[] = {
        {"S", "[a", "b]", "[S]\na=b]\n\n", "a"},
        {"S", ";Hidden", "1", "[S]\nHidden=1\n\n", "Hidden"},
        {"S", "k=x", "y", "[S]\nk x=y\n\n", "k x"},
        {"S", " K\r\n", " v ", "[S]\nK= v \n\n", "K"},
        {" T ", "[[;K]", "[x]", "[T]\nK]=[x]\n\n", "K]"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        std::filesystem::remove(path);
        std::vector<std::string> before;
        {
            BaseIniFile ini(path);
            ini.WriteString(c.section, c.key, c.value);
            ini.ReadSection(c.section, before);
            EXPECT_EQ(ini.ReadString(c.section, c.key, "absent"), c.value);
        }
        EXPECT_EQ(TestTempDir::Read(path), c.file);
        EXPECT_EQ(before, std::vector<std::string>{c.stored});
        BaseIniFile ini(path);
        std::vector<std::string> after;
        ini.ReadSection(c.section, after);
        EXPECT_EQ(after, before);
        EXPECT_EQ(ini.ReadString(c.section, c.key, "absent"), c.value);
    }
}

TEST_F(BaseIniFileWriteBack, ProcessesWritingAtOnceLoseNoKey) {
    constexpr int kProcesses = 6, kRounds = 30;
    std::vector<pid_t> children;
    for (int p = 0; p < kProcesses; ++p)
        children.push_back(Spawn([&, p] {
            ScopedLockTimeout patient(std::chrono::seconds(30));  // a busy machine is no lock failure
            for (int r = 0; r < kRounds; ++r) {
                BaseIniFile ini(path);
                ini.WriteInteger("Process" + std::to_string(p), "Key" + std::to_string(r), r);
            }
            return 0;
        }));
    for (pid_t child : children) EXPECT_TRUE(ExitedWith(WaitFor(child), 0));

    BaseIniFile ini(path);
    for (int p = 0; p < kProcesses; ++p) {
        std::vector<std::string> keys;
        ini.ReadSection("Process" + std::to_string(p), keys);
        EXPECT_EQ(keys.size(), static_cast<size_t>(kRounds)) << p;
        for (int r = 0; r < kRounds; ++r)
            EXPECT_EQ(ini.ReadInteger("Process" + std::to_string(p), "Key" + std::to_string(r), -1), r);
    }
    EXPECT_EQ(Names(dir.Path()), std::set<std::string>{"Korvane.ini"});
}

TEST_F(BaseIniFileWriteBack, ALockHeldTooLongIsLoggedAndTheChangesGoWithTheNextWrite) {
    TestTempDir::Write(path, "[S]\nOld=1\n");
    int toChild[2], fromChild[2];
    ASSERT_EQ(::pipe(toChild), 0);
    ASSERT_EQ(::pipe(fromChild), 0);
    const pid_t holder = Spawn([&] {
        ::close(toChild[1]);
        ::close(fromChild[0]);
        const int fd = ::open(path.c_str(), O_RDONLY);
        char byte = ::flock(fd, LOCK_EX) == 0 ? 'L' : 'F';
        if (::write(fromChild[1], &byte, 1) != 1) return 2;
        pollfd release{toChild[0], POLLIN, 0};
        return ::poll(&release, 1, 30000) == 1 ? 0 : 3;  // holds the lock until told, at most 30 s
    });
    ::close(toChild[0]);
    ::close(fromChild[1]);
    // Closing the pipe tells the holder to let go, also when the test stops early.
    struct Release {
        int fd;
        pid_t holder;
        ~Release() {
            if (holder < 0) return;
            ::close(fd);
            EXPECT_TRUE(ExitedWith(WaitFor(holder), 0));
        }
    } release{toChild[1], holder};
    char byte = 0;
    ASSERT_EQ(::read(fromChild[0], &byte, 1), 1);
    ::close(fromChild[0]);
    ASSERT_EQ(byte, 'L');

    LogRecorder log;
    {
        ScopedLockTimeout timeout(std::chrono::milliseconds(200));
        BaseIniFile ini(path);
        ini.WriteString("S", "First", "1");
        ini.DeleteKey("S", "Old");
    }
    EXPECT_EQ(TestTempDir::Read(path), "[S]\nOld=1\n");
    ASSERT_EQ(log.messages.size(), 1u);
    EXPECT_EQ(log.messages[0].level, LOG_ERROR);
    EXPECT_EQ(log.messages[0].text,
              "Unable to lock the file " + path + " within 200 ms, changes kept for the next write");

    ::close(release.fd);
    release.fd = -1;
    EXPECT_TRUE(ExitedWith(WaitFor(holder), 0));
    release.holder = -1;

    WriteKey("S", "Second", "2");
    EXPECT_EQ(TestTempDir::Read(path), "[S]\nFirst=1\nSecond=2\n");
    EXPECT_EQ(log.messages.size(), 1u);
    std::filesystem::remove(path);
    WriteKey("S", "Third", "3");  // the kept changes went with the write that carried them
    EXPECT_EQ(TestTempDir::Read(path), "[S]\nThird=3\n\n");
}

TEST_F(BaseIniFileWriteBack, AnInterruptedWriteLeavesAPrivateTemporaryThatTheNextWriteRemoves) {
    const std::string original = "[Config]\nEncryptionKey=0123456789abcdef\n";
    TestTempDir::Write(path, original);
    ::chmod(path.c_str(), 0600);
    TestTempDir::Write(dir.File("Korvane.ini.tmp-old"), "not ours");
    TestTempDir::Write(dir.File("Korvane.ini.bak"), "not ours");

    // The child's file size limit stops it in the middle of writing the temporary.
    const pid_t writer = Spawn([&] {
        const rlimit noCore{0, 0}, small{64, 64};
        ::setrlimit(RLIMIT_CORE, &noCore);
        ::setrlimit(RLIMIT_FSIZE, &small);
        BaseIniFile ini(path);
        ini.WriteString("Grid", "Columns", std::string(100000, 'c'));
        return 0;
    });
    const int status = WaitFor(writer);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(WTERMSIG(status), SIGXFSZ);

    EXPECT_EQ(TestTempDir::Read(path), original);
    std::set<std::string> names = Names(dir.Path());
    ASSERT_EQ(names.size(), 4u);
    names.erase("Korvane.ini");
    names.erase("Korvane.ini.tmp-old");
    names.erase("Korvane.ini.bak");
    const std::string left = *names.begin();
    EXPECT_EQ(left.rfind("Korvane.ini.tmp-", 0), 0u) << left;
    EXPECT_EQ(Mode(dir.File(left)), 0600u);
    EXPECT_EQ(TestTempDir::Read(dir.File(left)),
              "[Config]\nEncryptionKey=0123456789abcdef\n\n[Grid]\nColumns=cccccccc");

    WriteKey("Config", "Other", "1");
    EXPECT_EQ(Names(dir.Path()),
              (std::set<std::string>{"Korvane.ini", "Korvane.ini.tmp-old", "Korvane.ini.bak"}));
    EXPECT_EQ(TestTempDir::Read(path), original + "Other=1\n");
    EXPECT_EQ(Mode(path), 0600u);
}

TEST_F(BaseIniFileWriteBack, ANewFileIsReadableByItsOwnerOnly) {
    const mode_t saved = ::umask(0);
    WriteKey("Config", "EncryptionKey", "k");
    ::umask(saved);
    EXPECT_EQ(Mode(path), 0600u);
    EXPECT_EQ(TestTempDir::Read(path), "[Config]\nEncryptionKey=k\n\n");

    // A write-back that fails (here: the file size limit refuses the temporary's bytes) leaves no
    // file behind, neither the new one nor a temporary.
    std::filesystem::remove(path);
    const pid_t writer = Spawn([&] {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit small{16, 16};
        ::setrlimit(RLIMIT_FSIZE, &small);
        LogRecorder log;
        {
            BaseIniFile ini(path);
            ini.WriteString("Config", "EncryptionKey", "0123456789abcdef");
        }
        return log.Has(LOG_ERROR, "Unable to write the file " + path + ": File too large") ? 0 : 1;
    });
    EXPECT_TRUE(ExitedWith(WaitFor(writer), 0));
    EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));
}

TEST_F(BaseIniFileWriteBack, AFileReachedThroughLinksIsWrittenThroughThem) {
    std::filesystem::create_directory(dir.File("real"));
    const std::string target = dir.File("real/Korvane.ini");
    const struct {
        const char* name;
        std::string to;
        bool chain;  // a link to a link
    } cases[] = {
        {"relative.ini", "real/Korvane.ini", false},
        {"absolute.ini", target, false},
        {"chained.ini", "relative.ini", true},
    };
    std::filesystem::create_symlink("real/Korvane.ini", dir.File("relative.ini"));
    std::filesystem::create_symlink(target, dir.File("absolute.ini"));
    std::filesystem::create_symlink("relative.ini", dir.File("chained.ini"));
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string link = dir.File(c.name);
        std::filesystem::remove(target);  // a link to nothing yet makes its target
        {
            BaseIniFile ini(link);
            ini.WriteInteger("S", "N", ++n);
        }
        TestTempDir::Write(target, TestTempDir::Read(target));
        ::chmod(target.c_str(), 0640);
        {
            BaseIniFile ini(link);
            EXPECT_EQ(ini.ReadInteger("S", "N", 0), n);
            ini.WriteString("S", "Via", c.name);
        }
        EXPECT_TRUE(std::filesystem::is_symlink(link));
        EXPECT_EQ(std::filesystem::read_symlink(link), c.to);
        EXPECT_EQ(TestTempDir::Read(target), "[S]\nN=" + std::to_string(n) + "\nVia=" + c.name + "\n\n");
        EXPECT_EQ(Mode(target), 0640u);
        EXPECT_EQ(Names(dir.File("real")), std::set<std::string>{"Korvane.ini"});
    }
    EXPECT_EQ(Names(dir.Path()),
              (std::set<std::string>{"real", "relative.ini", "absolute.ini", "chained.ini"}));
}

TEST_F(BaseIniFileWriteBack, AFileWithoutWritePermissionIsNotRewritten) {
    const mode_t modes[] = {0444, 0400, 0500};
    for (const mode_t mode : modes) {
        SCOPED_TRACE(mode);
        const std::string original = "[Config]\nEncryptionKey=k\n";
        ::chmod(path.c_str(), 0600);
        TestTempDir::Write(path, original);
        ::chmod(path.c_str(), mode);
        LogRecorder log;
        {
            BaseIniFile ini(path);
            ini.WriteString("Config", "EncryptionKey", "changed");
        }
        EXPECT_EQ(TestTempDir::Read(path), original);
        EXPECT_EQ(Mode(path), mode);
        EXPECT_EQ(Names(dir.Path()), std::set<std::string>{"Korvane.ini"});
        ASSERT_EQ(log.messages.size(), 1u);
        EXPECT_EQ(log.messages[0].level, LOG_ERROR);
        EXPECT_EQ(log.messages[0].text, "Unable to write the file " + path + ": the file is read-only");
    }
}

}  // namespace
