#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "core/MError.h"
#include "core/MTrace.h"

namespace {

class Collector : public MPublishErrorBase {
public:
    void Publish(int level, const char* text) override { lines.push_back({level, text}); }
    struct Line {
        int level;
        std::string text;
    };
    std::vector<Line> lines;
};

// A trace stream that counts its flushes.
class CountingBuffer : public std::stringbuf {
public:
    int flushes = 0;

protected:
    int sync() override {
        ++flushes;
        return std::stringbuf::sync();
    }
};

// Points the trace at a counting string stream with the given level; puts both back afterwards.
class TraceTo {
public:
    explicit TraceTo(int level) : stream_(&buffer_) {
        SetTraceStream(&stream_);
        SetTraceLevel(level);
    }
    ~TraceTo() {
        SetTraceLevel(0);
        SetTraceStream(nullptr);
    }
    std::string Text() const { return buffer_.str(); }
    int Flushes() const { return buffer_.flushes; }

private:
    CountingBuffer buffer_;
    std::ostream stream_;
};

constexpr int kThreads = 4;
constexpr int kLinesPerThread = 300;

// Logs from several threads at once, each line numbered by thread and line.
void LogFromThreads() {
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([t] {
            for (int i = 0; i < kLinesPerThread; ++i)
                MLOG(t % 2 ? LOG_ERROR : LOG_INFO, "thread %d line %d", t, i);
        });
    }
    for (std::thread& thread : threads) thread.join();
}

// Each thread's lines arrive whole and in the order that thread logged them.
void ExpectWholeLinesInOrder(const std::vector<std::string>& texts) {
    ASSERT_EQ(texts.size(), static_cast<std::size_t>(kThreads * kLinesPerThread));
    std::vector<int> next(kThreads, 0);
    for (const std::string& text : texts) {
        int t = -1, i = -1;
        char rest = 0;
        ASSERT_EQ(std::sscanf(text.c_str(), "thread %d line %d%c", &t, &i, &rest), 2) << text;
        ASSERT_TRUE(t >= 0 && t < kThreads) << text;
        EXPECT_EQ(i, next[t]++) << text;
    }
}

TEST(LogCallThreads, LinesFromSeveralThreadsReachTheReceiverWhole) {
    MErrorInit init("KELP", "Korvane", "", "", "h");
    std::vector<std::string> texts;
    {
        Collector collector;
        ASSERT_EQ(RegisterErrorPublisher(&collector), nullptr);
        LogFromThreads();
        for (const Collector::Line& line : collector.lines) texts.push_back(line.text);
    }
    ExpectWholeLinesInOrder(texts);
}

TEST(LogCallThreads, TracedLinesFromSeveralThreadsAreWrittenWhole) {
    TraceTo trace(1);
    {
        MErrorInit init("KELP", "Korvane", "", "", "h");
        LogFromThreads();
    }
    // Every traced line: time text, blank, the whole log line; only the messages are kept here.
    std::vector<std::string> texts;
    std::istringstream lines(trace.Text());
    for (std::string line; std::getline(lines, line);) {
        const std::size_t at = line.find("] thread ");
        if (at != std::string::npos) texts.push_back(line.substr(at + 2));
    }
    ExpectWholeLinesInOrder(texts);
}

TEST(LogCallThreads, TracedLinesAreFlushedAtErrorLevelAndAtTheEndOnly) {
    TraceTo trace(1);
    {
        MErrorInit init("KELP", "Korvane", "", "", "h");
        const int atStart = trace.Flushes();
        MLOG(LOG_INFO, "info");
        MLOG(LOG_DEBUG, "debug");
        MLOG(LOG_WARNING, "warning");
        EXPECT_EQ(trace.Flushes(), atStart);
        MLOG(LOG_ERROR, "error");
        EXPECT_EQ(trace.Flushes(), atStart + 1);
        MLOG(LOG_CRITICAL, "critical");
        EXPECT_EQ(trace.Flushes(), atStart + 2);
    }
    EXPECT_GT(trace.Flushes(), 2);
    EXPECT_NE(trace.Text().find("Logging disabled in KELP, Korvane on Host h\n"), std::string::npos);
}

TEST(LogCallThreads, ALineNobodySeesIsNotBuilt) {
    MErrorInit init("KELP", "Korvane", "", "", "h");
    {
        Collector collector;
        ASSERT_EQ(RegisterErrorPublisher(&collector), nullptr);
        MLOG(LOG_INFO, "seen");
    }
    MLOG(LOG_INFO, "unseen");
    EXPECT_NE(std::string(GetLastLogLine(LOG_INFO)).find("] seen"), std::string::npos);

    // A pending notice follows the very next line, seen or not: it is not held for a later one.
    SetPendingLogNotice("notice");
    MLOG(LOG_INFO, "unseen");
    Collector collector;
    ASSERT_EQ(RegisterErrorPublisher(&collector), nullptr);
    MLOG(LOG_INFO, "next");
    ASSERT_EQ(collector.lines.size(), 1u);
    EXPECT_EQ(collector.lines[0].text, "next");
}

}  // namespace
