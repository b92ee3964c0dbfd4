#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/MFileBaseOStream.h"
#include "core/MFileBaseText.h"
#include "core/MFileLineSplitter.h"
#include "support/LogRecorder.h"
#include "support/TestTempDir.h"
#include "support/TraceCapture.h"

namespace {

class FileTest : public ::testing::Test {
protected:
    TestTempDir dir_;
    LogRecorder log_;
    TraceCapture trace_;

    std::string LoggedText() const {
        std::string text;
        for (const LoggedMessage& m : log_.messages) text += std::to_string(m.level) + ":" + m.text + "|";
        return text;
    }
};

// A file past 2 GiB (sparse, so nothing is written to disk) keeps its count and mark in 64 bits.
TEST_F(FileTest, CountsAndMarksBeyondTwoGigabytes) {
    const std::string path = dir_.File("large.txt");
    const int64_t size = (int64_t{3} << 30) + 7;
    TestTempDir::Write(path, "");
    std::filesystem::resize_file(path, static_cast<std::uintmax_t>(size));
    MFileBaseText file(0);
    file.SetFileName(path);
    EXPECT_EQ(file.GetSize(), size);
    ASSERT_TRUE(file.OpenWithMode(2, false));  // "a"
    EXPECT_EQ(file.GetByteCount(), size);
    EXPECT_TRUE(file.Write("tail", 4));
    EXPECT_EQ(file.GetByteCount(), size + 4);
    file.MarkPosition();
    EXPECT_EQ(file.GetMark(), size + 4);
    ASSERT_TRUE(file.Close(false));
    EXPECT_EQ(file.GetSize(), size + 4);

    ASSERT_TRUE(file.OpenWithMode(0, false));  // "r": the mark is taken at the end, past 2 GiB
    file.MarkPosition();
    ASSERT_TRUE(file.SeekToMark());
    char byte = 0;
    EXPECT_EQ(file.Read(&byte, 1), 0);
    EXPECT_TRUE(file.IsEof());
    EXPECT_TRUE(file.Close(false));
    EXPECT_TRUE(log_.messages.empty());
}

// Lines go out in blocks of 64 KiB: less than that stays in the buffer until the file is flushed.
TEST_F(FileTest, WritesGoThroughA64KiBBuffer) {
    const std::string path = dir_.File("buffered.txt");
    MFileBaseText file(0);
    file.SetFileName(path);
    ASSERT_TRUE(file.OpenWithMode(1, false));  // "w"
    const std::string line(99, 'x');
    for (int i = 0; i < 650; ++i) {
        ASSERT_TRUE(file.Write(line.data(), 99));
        ASSERT_TRUE(file.Write("\n", 1));
    }
    EXPECT_EQ(std::filesystem::file_size(path), 0u);
    EXPECT_TRUE(file.Flush());
    EXPECT_EQ(std::filesystem::file_size(path), 65000u);
    EXPECT_TRUE(file.Close(false));
}

TEST_F(FileTest, WritesAndAppendsCountingEveryByte) {
    const std::string path = dir_.File("a.txt");
    MFileBaseText file(1024);
    file.SetFileName(path);
    ASSERT_TRUE(file.Open(MFileMode(1), false));  // "w"
    EXPECT_TRUE(file.IsOpen());
    EXPECT_TRUE(file.Write("hello", 5));
    EXPECT_TRUE(file.Write("", 0));
    EXPECT_EQ(file.GetByteCount(), 5);
    EXPECT_TRUE(file.Close(false));
    EXPECT_FALSE(file.IsOpen());
    EXPECT_TRUE(file.Close(false));  // closing a closed file is fine
    EXPECT_EQ(TestTempDir::Read(path), "hello");

    TestTempDir::Write(path, std::string(100, 'x'));
    EXPECT_EQ(file.GetSize(), 100);
    ASSERT_TRUE(file.OpenWithMode(2, false));  // "a"
    EXPECT_EQ(file.GetByteCount(), 100);
    EXPECT_TRUE(file.Write("01234567890123456789", 20));
    EXPECT_EQ(file.GetByteCount(), 120);
    // Already open: true, and the mode stays "a".
    EXPECT_TRUE(file.Open(MFileMode(0), false));
    EXPECT_STREQ(file.GetMode().GetText(), "a");
    EXPECT_TRUE(file.Flush());
    EXPECT_TRUE(file.Close(false));
    EXPECT_EQ(TestTempDir::Read(path), std::string(100, 'x') + "01234567890123456789");
    EXPECT_FALSE(file.Flush());
    EXPECT_TRUE(log_.messages.empty());
}

TEST_F(FileTest, ReadsToTheEndAndSeeksToTheMark) {
    const std::string path = dir_.File("r.txt");
    TestTempDir::Write(path, "abcdef");
    MFileBaseText file(16);
    file.SetFileName(path);
    ASSERT_TRUE(file.Open(MFileMode::FromBinaryLetter('r'), false));
    char buffer[8] = {};
    EXPECT_EQ(file.Read(buffer, 4), 4);
    EXPECT_FALSE(file.IsEof());
    EXPECT_EQ(file.Read(buffer, 4), 2);
    EXPECT_EQ(std::string(buffer, 2), "ef");
    EXPECT_TRUE(file.IsEof());
    EXPECT_TRUE(file.Close(false));

    ASSERT_TRUE(file.OpenWithMode(4, false));  // "w+"
    EXPECT_TRUE(file.Write("abc", 3));
    file.MarkPosition();
    EXPECT_EQ(file.GetMark(), 3);
    EXPECT_TRUE(file.Write("def", 3));
    EXPECT_TRUE(file.SeekToMark());
    EXPECT_EQ(file.Read(buffer, 3), 3);
    EXPECT_EQ(std::string(buffer, 3), "def");
    EXPECT_TRUE(log_.messages.empty());
}

TEST_F(FileTest, EveryFailureIsLoggedWithItsText) {
    MFileBaseText file(16);
    EXPECT_FALSE(file.Open(MFileMode(0), true));  // no name: logged even when quiet
    EXPECT_FALSE(file.Write("x", 1));
    char buffer[4];
    EXPECT_EQ(file.Read(buffer, 4), 0);

    const std::string missing = dir_.File("no/such/file");
    file.SetFileName(missing);
    EXPECT_FALSE(file.Open(MFileMode(0), true));  // quiet: not logged
    EXPECT_FALSE(file.Open(MFileMode(9), false));
    EXPECT_FALSE(file.IsOpen());
    EXPECT_FALSE(file.OpenWithMode(12, false));
    EXPECT_FALSE(file.OpenWithMode(-1, false));

    const std::string path = dir_.File("read-only.txt");
    TestTempDir::Write(path, "abc");
    file.SetFileName(path);
    ASSERT_TRUE(file.Open(MFileMode(0), false));  // "r": writing fails
    EXPECT_FALSE(file.Write("xyz", 3));
    EXPECT_EQ(file.GetByteCount(), 3);

    EXPECT_EQ(LoggedText(),
              "3:File has no name|3:File is not opened|3:File is not opened|"
              "3:Error opening file \"" +
                  missing +
                  "\" in mode \"r+b\"|"
                  "3:Error writing to file \"" +
                  path + "\"|");
}

TEST_F(FileTest, OpeningAndClosingAreTracedFromLevelTwo) {
    const std::string path = dir_.File("t.txt");
    MFileBaseText file(16);
    file.SetFileName(path);
    SetTraceLevel(1);
    ASSERT_TRUE(file.Open(MFileMode(7), false));
    ASSERT_TRUE(file.Close(false));
    EXPECT_EQ(trace_.Text(), "");
    SetTraceLevel(2);
    ASSERT_TRUE(file.Open(MFileMode(7), true));
    ASSERT_TRUE(file.Close(true));
    EXPECT_EQ(trace_.Text(), "");
    ASSERT_TRUE(file.Open(MFileMode(7), false));
    ASSERT_TRUE(file.Close(false));
    EXPECT_EQ(trace_.Text(), "Open file [" + path + "] in mode [wb]\nClose file [" + path + "]\n");
}

class StandardOutputFile : public MFileBaseText {
public:
    StandardOutputFile() : MFileBaseText(16) {
        SetFileName("stdout");
        stream_ = stdout;
        open_ = true;
    }
};

TEST_F(FileTest, ClosingStandardOutputLeavesItOpen) {
    StandardOutputFile file;
    EXPECT_TRUE(file.Close(false));
    EXPECT_FALSE(file.IsOpen());
    EXPECT_FALSE(file.Flush());
    EXPECT_EQ(std::fflush(stdout), 0);
    EXPECT_NE(std::fputs("", stdout), EOF);
}

TEST_F(FileTest, PatternTakesThePathNameQuotedForPipes) {
    const struct {
        const char* pattern;
        const char* name;
        bool pipe;
        const char* expanded;
    } cases[] = {
        {"", "out.txt", true, "out.txt"},
        {"gzip -c > %FILE%.gz", "out.txt", false, "gzip -c > out.txt.gz"},
        {"gzip -c > %FILE%.gz", "out.txt", true, "gzip -c > out.txt.gz"},
        {"%FILE%-%FILE%", "%FILE%", false, "%FILE%-%FILE%"},  // an inserted name is not scanned again
        {"%FIL%FILE%E%", "x", false, "%FILxE%"},
        {"cat > %FILE%", "a b;rm -rf x", true, "cat > 'a b;rm -rf x'"},
        {"cat > %FILE%", "it's $(id)", true, "cat > 'it'\\''s $(id)'"},
        {"cat > %FILE%", "a b", false, "cat > a b"},
        {"cat > %FILE%", "", true, "cat > ''"},
        {"no marker", "out.txt", true, "no marker"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expanded);
        MFileBaseText file(16);
        file.SetFileName(c.name);
        file.SetPipe(c.pipe);
        file.SetCommandPattern(c.pattern);
        EXPECT_EQ(file.ExpandPattern(), c.expanded);
    }
}

TEST_F(FileTest, PipeRunsTheExpandedCommand) {
    MFileBaseText file(16);
    file.SetPipe(true);
    file.SetCommandPattern("cd '" + dir_.Path() + "' && gzip -c > %FILE%.gz");
    file.SetFileName("out.txt");
    ASSERT_TRUE(file.OpenWithMode(1, false));  // "w": the command reads what is written
    EXPECT_TRUE(file.Write("hello pipe", 10));
    EXPECT_TRUE(file.Close(false));
    EXPECT_TRUE(std::filesystem::exists(dir_.File("out.txt.gz")));

    // A name that tries to run a command stays a file name.
    file.SetCommandPattern("cd '" + dir_.Path() + "' && cat > %FILE%");
    file.SetFileName("x;touch pwned");
    ASSERT_TRUE(file.OpenWithMode(7, false));
    EXPECT_TRUE(file.Write("data", 4));
    EXPECT_TRUE(file.Close(false));
    EXPECT_EQ(TestTempDir::Read(dir_.File("x;touch pwned")), "data");
    EXPECT_FALSE(std::filesystem::exists(dir_.File("pwned")));

    // Any other mode reads the command's output.
    file.SetCommandPattern("printf 'a\\nb'");
    ASSERT_TRUE(file.OpenWithMode(0, false));
    char buffer[8] = {};
    EXPECT_EQ(file.Read(buffer, 8), 3);
    EXPECT_EQ(std::string(buffer, 3), "a\nb");
    EXPECT_TRUE(file.Close(false));

    // A failing command is reported when the pipe closes.
    file.SetCommandPattern("exit 3");
    ASSERT_TRUE(file.OpenWithMode(0, false));
    EXPECT_FALSE(file.Close(false));
    ASSERT_EQ(log_.messages.size(), 1u);
    EXPECT_EQ(log_.messages[0].text, "Error closing file \"x;touch pwned\" which was opened in mode \"r\"");
}

TEST_F(FileTest, OutputStreamWritesThroughTheFile) {
    const std::string path = dir_.File("s.txt");
    MFileBaseText file(16);
    file.SetFileName(path);
    MFileBaseOStream stream(file);
    stream << "x";
    EXPECT_TRUE(stream.fail());  // not open
    stream.clear();
    log_.messages.clear();
    ASSERT_TRUE(file.Open(MFileMode(1), false));
    stream << "abc" << 42 << '\n';
    EXPECT_TRUE(stream.good());
    EXPECT_EQ(file.GetByteCount(), 6);
    file.Close(false);
    EXPECT_EQ(TestTempDir::Read(path), "abc42\n");
}

TEST(MFileMode, ModesByIndexAndByLetter) {
    const char* texts[] = {"r", "w", "a", "r+", "w+", "a+", "rb", "wb", "ab", "r+b", "w+b", "a+b"};
    for (int i = 0; i < MFileMode::kCount; ++i) {
        SCOPED_TRACE(i);
        EXPECT_STREQ(MFileMode(i).GetText(), texts[i]);
        EXPECT_EQ(MFileMode(i).GetIndex(), i);
    }
    EXPECT_EQ(MFileMode(12).GetIndex(), 0);
    EXPECT_EQ(MFileMode().GetIndex(), 0);
    EXPECT_STREQ(MFileMode::GetDescription(1), "Truncate to  zero  length or create file for writing");
    EXPECT_STREQ(MFileMode::GetDescription(11),
                 "Append; open or create file for update, writing  at EOF in binary mode");
    const struct {
        char letter;
        const char* text;
    } letters[] = {{'r', "rb"},  {'w', "wb"},  {'a', "ab"}, {'R', "r+b"},
                   {'W', "w+b"}, {'A', "a+b"}, {'x', "rb"}};
    for (const auto& l : letters) {
        SCOPED_TRACE(l.letter);
        EXPECT_STREQ(MFileMode::FromBinaryLetter(l.letter).GetText(), l.text);
    }
}

TEST(MFileBase, NamesAreCutAndSplitIntoTheirLastPart) {
    MFileBaseText file(0);
    file.SetFileName(std::string(300, 'n'));
    EXPECT_EQ(std::string(file.GetFileName()), std::string(260, 'n'));
    EXPECT_EQ(file.GetDelimiter(), '\n');
    EXPECT_EQ(&file.GetLineSplitter(), &GetFileLineSplitter());
    EXPECT_EQ(file.GetSize(), 0);

    const struct {
        const char* path;
        const char* part;
    } cases[] = {{"a/b/c.txt", "c.txt"}, {"a\\b.txt", "b.txt"}, {"d/x\\y", "x\\y"},
                 {"plain", "plain"},     {"dir/", ""},          {"", ""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_STREQ(GetFileNamePart(c.path), c.part);
    }
    EXPECT_STREQ(GetFileNamePart(nullptr), "");
}

TEST(MFileLineSplitter, SplitsOnLineFeedAndCarriageReturnLineFeed) {
    const struct {
        std::string text;
        int delimiter;
        bool found;
        int line;
        int consumed;
    } cases[] = {
        {"ab\r\ncd", '\n', true, 2, 4}, {"ab\ncd", '\n', true, 2, 3}, {"abcd", '\n', false, 0, 0},
        {"\n", '\n', true, 0, 1},       {"\r\n", '\n', true, 0, 2},   {"a\r;b", ';', true, 2, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        std::string text = c.text;
        int line = -1;
        int consumed = -1;
        EXPECT_EQ(GetFileLineSplitter().Split(text.data(), c.delimiter, static_cast<int>(text.size()), &line,
                                              &consumed),
                  c.found);
        if (!c.found) continue;
        EXPECT_EQ(line, c.line);
        EXPECT_EQ(consumed, c.consumed);
        EXPECT_EQ(text[static_cast<std::size_t>(line)], '\0');
    }
    // Only the given length is searched.
    char text[] = "ab\ncd";
    int line = 0;
    int consumed = 0;
    EXPECT_FALSE(GetFileLineSplitter().Split(text, '\n', 2, &line, &consumed));
}

}  // namespace
