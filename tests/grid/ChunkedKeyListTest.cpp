#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/BaseIniFile.h"
#include "grid/ChunkedKeyList.h"
#include "support/TestTempDir.h"

namespace {

using Texts = std::vector<std::string>;

// A settings file with a given text, edited through BaseIniFile and read back as bytes.
class ChunkedKeys : public ::testing::Test {
protected:
    // Runs edit on the file holding text and returns the file's bytes afterwards.
    std::string Edit(const std::string& text, const std::function<void(BaseIniFile&)>& edit) {
        TestTempDir::Write(path, text);
        {
            BaseIniFile file(path);
            edit(file);
        }
        return TestTempDir::Read(path);
    }
    // Saves the entries as the list base of section W of a file holding text.
    std::string Save(const std::string& text, const std::string& base, const Texts& entries) {
        return Edit(text, [&](BaseIniFile& file) {
            ChunkedKeyList list(file, "W", base);
            for (const std::string& entry : entries) list.Add(entry);
            list.Save();
        });
    }
    Texts ReadKeys(const std::string& text, const std::string& base) {
        TestTempDir::Write(path, text);
        BaseIniFile file(path);
        Texts keys;
        for (const KeyData& entry : ChunkedKeyList(file, "W", base).ReadKeyList(";"))
            keys.push_back(entry.Key);
        return keys;
    }

    TestTempDir directory;
    std::string path = directory.File("settings.ini");
};

// Numbered keys base1= to baseN= holding "n;" each, one a line.
std::string NumberedKeys(const std::string& base, int from, int to) {
    std::string lines;
    for (int n = from; n <= to; ++n) lines += base + std::to_string(n) + "=" + std::to_string(n) + ";\n";
    return lines;
}

TEST_F(ChunkedKeys, AShortListIsOneChunkAndAnEmptyListAnEmptyBaseKey) {
    EXPECT_EQ(Save("", "Sort", {"Name(1);", "Amount(0);"}), "[W]\nSort=Name(1);Amount(0);\nSortCount=1\n\n");
    EXPECT_EQ(Save("[W]\nSort=Old(1);\nSortCount=1\n", "Sort", {}), "[W]\nSort=\nSortCount=1\n");
}

TEST_F(ChunkedKeys, NoLineIsMadeLongerThan1024Characters) {
    // "Sort=" leaves 1019 characters: 101 entries of 10 and one of 9 fill the line exactly.
    const std::string ten = "Column(1);";
    Texts entries(101, ten);
    entries.push_back("Colum(1);");
    entries.push_back("Last(0);");
    std::string first;
    for (int i = 0; i < 101; ++i) first += ten;
    first += "Colum(1);";
    const std::string saved = Save("", "Sort", entries);
    EXPECT_EQ(saved, "[W]\nSort=" + first + "\nSort1=Last(0);\nSortCount=2\n\n");
    EXPECT_EQ(saved.find('\n', 4) - 4, 1024u);  // the first key's line
}

TEST_F(ChunkedKeys, AnEntryTooLongForALineStartsAChunkOfItsOwn) {
    const std::string huge = std::string(1100, 'x') + ";";
    EXPECT_EQ(Save("", "HiddenColumns", {huge, "a;", huge}),
              "[W]\nHiddenColumns=\nHiddenColumns1=" + huge + "\nHiddenColumns2=a;\nHiddenColumns3=" + huge +
                  "\nHiddenColumnsCount=4\n\n");
    // Read back whole.
    TestTempDir::Write(path, Save("", "HiddenColumns", {huge, "a;"}));
    EXPECT_EQ(ReadKeys(TestTempDir::Read(path), "HiddenColumns"), (Texts{std::string(1100, 'x'), "a"}));
}

TEST_F(ChunkedKeys, SavingDeletesTheStaleChunksBelowTheOldCountOrTwenty) {
    struct Case {
        const char* name;
        std::string before, after;
    };
    for (const Case& c : {
             Case{"count 25", "[W]\nSortCount=25\n" + NumberedKeys("Sort", 1, 25),
                  "[W]\nSortCount=1\nSort25=25;\nSort=a(1);\n"},
             Case{"no count", "[W]\n" + NumberedKeys("Sort", 1, 21),
                  "[W]\nSort20=20;\nSort21=21;\nSort=a(1);\nSortCount=1\n"},
             Case{"count 3", "[W]\nSortCount=3\n" + NumberedKeys("Sort", 1, 21),
                  "[W]\nSortCount=1\nSort20=20;\nSort21=21;\nSort=a(1);\n"},
             Case{"count not a number", "[W]\nSortCount=x\nSort19=19;\nSort20=20;\n",
                  "[W]\nSortCount=1\nSort20=20;\nSort=a(1);\n"},
             // An edited count of two thousand million: only the keys that exist are visited.
             Case{"one high key", "[W]\nSortCount=20000000\nSort19999999=x;\n",
                  "[W]\nSortCount=1\nSort=a(1);\n"},
             Case{"huge count", "[W]\nSortCount=2000000000\nSort3=3;\nSort40=40;\nSortKept=1\nsort41x=1\n",
                  "[W]\nSortCount=1\nSortKept=1\nsort41x=1\nSort=a(1);\n"},
         }) {
        EXPECT_EQ(Save(c.before, "Sort", {"a(1);"}), c.after) << c.name;
    }
}

TEST_F(ChunkedKeys, ReadingFollowsTheCountOrProbesTheFirstTwentyKeys) {
    struct Case {
        const char* name;
        std::string text;
        Texts expected;
    };
    const std::string keys = "Sort=a;b;\n" + NumberedKeys("Sort", 1, 1) + NumberedKeys("Sort", 5, 5) +
                             NumberedKeys("Sort", 19, 21);
    for (const Case& c : {
             Case{"no count", "[W]\n" + keys, {"a", "b", "1", "5", "19"}},
             Case{"count 2", "[W]\nSortCount=2\n" + keys, {"a", "b", "1"}},
             Case{"count 22", "[W]\nSortCount=22\n" + keys, {"a", "b", "1", "5", "19", "20", "21"}},
             Case{"count 0", "[W]\nSortCount=0\n" + keys, {}},
             Case{"count -1", "[W]\nSortCount=-1\n" + keys, {}},
             Case{"huge count",
                  "[W]\nSortCount=2000000000\n" + keys + "sort900=900;\n",
                  {"a", "b", "1", "5", "19", "20", "21", "900"}},
             Case{"no section", "[X]\n" + keys, {}},
             // Only the keys present are read: one key just below a count of twenty million.
             Case{"one high key", "[W]\nSortCount=20000000\nSort19999999=high;\nSort=a;\n", {"a", "high"}},
             Case{"high key beyond the count", "[W]\nSortCount=20000000\nSort20000000=out;\n", {}},
         }) {
        EXPECT_EQ(ReadKeys(c.text, "Sort"), c.expected) << c.name;
    }
}

TEST_F(ChunkedKeys, ChunksAreSplitByTheListReaders) {
    TestTempDir::Write(
        path,
        "[W]\nColumnOptions=Name(1,80);Id(2,40);\nColumnOptions1=Amount(3,60);Bad(4);Gone(5,5);\n"
        "Sort=Name(1);Id(x);\nSort1=Amount(0;\nSortCount=2\n");
    BaseIniFile file(path);
    const Key2ValueDataVector options =
        ChunkedKeyList(file, "W", "ColumnOptions").ReadKey2ValueList(";", "(", ",", ")");
    ASSERT_EQ(options.size(), 3u);  // the malformed entry ends its chunk
    EXPECT_EQ(options[2].Key, "Amount");
    EXPECT_EQ(options[2].Value, "3");
    EXPECT_EQ(options[2].SecondValue, "60");
    const Key1ValueDataVector sort = ChunkedKeyList(file, "W", "Sort").ReadKey1ValueList(";", "(", ")");
    ASSERT_EQ(sort.size(), 2u);
    EXPECT_EQ(sort[1].Key, "Id");
    EXPECT_EQ(sort[1].Value, "x");
}

TEST_F(ChunkedKeys, ListsWrittenTogetherWriteEachChunkWhenItFills) {
    // Several lists saved side by side, the last chunks and counts in the caller's order, as the
    // filter settings are.
    // "B=first;" leaves no room for big, "B1=" + big does for "b2;".
    const std::string big = std::string(1015, 'v') + ");";
    const std::string saved = Edit("[W]\nBCount=30\nB25=old\n", [&](BaseIniFile& file) {
        ChunkedKeyList a(file, "W", "A"), b(file, "W", "B");
        b.Add("first;");
        a.Add("first;");
        b.Add(big);
        a.Add(big);
        b.Add("b2;");
        b.WriteChunk();
        a.WriteChunk();
        a.WriteCount();
        b.WriteCount();
        a.DeleteStaleChunks();
        b.DeleteStaleChunks();
    });
    EXPECT_EQ(saved, "[W]\nBCount=2\nB=first;\nA=first;\nB1=" + big + "b2;\nA1=" + big + "\nACount=2\n");
}

}  // namespace
