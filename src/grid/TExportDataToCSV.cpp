#include "grid/TExportDataToCSV.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <random>
#include <thread>
#include <utility>
#include <vector>

#include "core/MError.h"

namespace {

constexpr std::size_t kBlock = 1 << 20;

// The writer threads of the process; finished ones are joined as new ones start, the rest when
// the program ends.
class WriterThreads {
public:
    ~WriterThreads() { JoinAll(); }
    void Add(std::unique_ptr<TExportDataToCSV> writer) {
        auto done = std::make_shared<std::atomic<bool>>(false);
        std::lock_guard lock(mutex_);
        std::erase_if(threads_, [](Entry& entry) {
            if (!entry.done->load()) return false;
            entry.thread.join();
            return true;
        });
        threads_.push_back({std::thread([w = std::move(writer), done]() mutable {
                                // A refusal to lower the priority is of no consequence.
                                (void)setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 5);
                                w->Execute();
                                w.reset();
                                done->store(true);
                            }),
                            done});
    }
    void JoinAll() {
        std::vector<Entry> threads;
        {
            std::lock_guard lock(mutex_);
            threads.swap(threads_);
        }
        for (Entry& entry : threads) entry.thread.join();
    }

private:
    struct Entry {
        std::thread thread;
        std::shared_ptr<std::atomic<bool>> done;
    };
    std::mutex mutex_;
    std::vector<Entry> threads_;
};

std::mutex spareMutex;
std::string spare;

void KeepSpare(std::string&& buffer) {
    buffer.clear();
    std::lock_guard lock(spareMutex);
    if (buffer.capacity() > spare.capacity()) spare.swap(buffer);
}

WriterThreads& Threads() {
    static WriterThreads threads;
    return threads;
}

// Creates a file of a new name beside fileName for writing, open with the mode 0666 less the
// user's umask, as any file the user makes. Its name is the final name's, cut where needed to
// keep within the directory's limit on a name, then '.' and six random characters. -1 with errno
// set when nothing could be created.
int CreateTemporary(const std::string& fileName, std::string& temporary) {
    constexpr std::size_t kSuffix = 7;
    const std::size_t slash = fileName.rfind('/');
    const std::string directory = slash == std::string::npos ? std::string() : fileName.substr(0, slash + 1);
    std::string name = fileName.substr(directory.size());
    const long limit = ::pathconf(directory.empty() ? "." : directory.c_str(), _PC_NAME_MAX);
    const std::size_t nameMax = limit > 0 ? static_cast<std::size_t>(limit) : std::size_t{NAME_MAX};
    if (name.size() + kSuffix > nameMax) name.resize(nameMax > kSuffix ? nameMax - kSuffix : 0);
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    thread_local std::mt19937 random{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kLetters - 2);
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = directory + name + '.';
        for (std::size_t i = 1; i < kSuffix; ++i) temporary += kLetters[pick(random)];
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

bool WriteAll(int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, std::min(kBlock, text.size() - done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

TExportDataToCSV::TExportDataToCSV(std::string fileName) : fileName_(std::move(fileName)) {}

TExportDataToCSV::~TExportDataToCSV() = default;

void TExportDataToCSV::AddLines(std::string&& lines) {
    if (lines_.empty())
        lines_ = std::move(lines);
    else
        lines_ += lines;
}

bool TExportDataToCSV::Execute() {
    std::string temporary;
    const int fd = CreateTemporary(fileName_, temporary);
    if (fd < 0) {
        MLOG(LOG_ERROR, "CSV export: cannot create %s: %s", fileName_.c_str(), std::strerror(errno));
        KeepSpare(std::move(lines_));
        lines_ = std::string();
        return false;
    }
    const bool written = WriteAll(fd, lines_);
    const int writeError = errno;
    KeepSpare(std::move(lines_));
    lines_ = std::string();
    const bool closed = ::close(fd) == 0;
    if (!written || !closed) {
        MLOG(LOG_ERROR, "CSV export: cannot write %s: %s", fileName_.c_str(),
             std::strerror(written ? errno : writeError));
        ::unlink(temporary.c_str());
        return false;
    }
    if (std::rename(temporary.c_str(), fileName_.c_str()) != 0) {
        MLOG(LOG_ERROR, "CSV export: cannot write %s: %s", fileName_.c_str(), std::strerror(errno));
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}

void TExportDataToCSV::Start(std::unique_ptr<TExportDataToCSV> writer) {
    Threads().Add(std::move(writer));
}

void TExportDataToCSV::JoinAll() {
    Threads().JoinAll();
}

std::string TExportDataToCSV::TakeSpareBuffer() {
    std::lock_guard lock(spareMutex);
    return std::exchange(spare, std::string());
}
