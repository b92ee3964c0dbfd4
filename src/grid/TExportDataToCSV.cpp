#include "grid/TExportDataToCSV.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <mutex>
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
    std::string temporary = fileName_ + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) {
        MLOG(LOG_ERROR, "CSV export: cannot create %s: %s", fileName_.c_str(), std::strerror(errno));
        KeepSpare(std::move(lines_));
        lines_ = std::string();
        return false;
    }
    (void)::fchmod(fd, 0644);
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
