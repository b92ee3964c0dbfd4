#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <string>
#include <vector>

#include "core/BaseIniFile.h"
#include "grid/TemplateManager.h"
#include "support/TestTempDir.h"

namespace {

TEST(TemplateManager, EachWindowKindWithATemplateHasItsSection) {
    const char* sections[] = {"AccountTemplate",
                              "PositionTemplate",
                              "CommandHistoryTemplate",
                              "",
                              "HistoricalAccountTemplate",
                              "HistoricalPositionTemplate",
                              "HistoricalSubmissionTemplate",
                              "HistoricalCommandTemplate",
                              ""};
    for (int kind = 0; kind < int(std::size(sections)); ++kind)
        EXPECT_EQ(TemplateManager::SectionOfKind(kind), sections[kind]);
    EXPECT_EQ(TemplateManager::SectionOfKind(-1), "");
}

TEST(TemplateManager, LoadsTheSectionInFileOrderAndWritesItIntoAnotherFileWhole) {
    TestTempDir dir;
    const std::string source = dir.File("source.wrk");
    TestTempDir::Write(source,
                       "[AccountTemplate]\r\nSort=Name(Up);\r\nFilter=Qty>=5;Flag=Y\r\nHidden=Fax;\r\n"
                       "[PositionTemplate]\r\nSort=Qty(Down);\r\n");
    TemplateManager accounts("AccountTemplate");
    {
        BaseIniFile file(source);
        accounts.LoadFromFile(file);
    }
    EXPECT_EQ(accounts.GetLines(),
              (std::vector<std::string>{"Sort=Name(Up);", "Filter=Qty>=5;Flag=Y", "Hidden=Fax;"}));

    // Saved into a file whose section holds keys the template lacks: those stay, the others are
    // replaced, and a value holding "=" comes back whole.
    const std::string target = dir.File("target.wrk");
    TestTempDir::Write(target, "[AccountTemplate]\nHidden=Zip;\nWidths=Name(1,80);\n");
    {
        BaseIniFile file(target);
        accounts.SaveToFile(file);
        ASSERT_TRUE(file.Flush());
    }
    EXPECT_EQ(TestTempDir::Read(target),
              "[AccountTemplate]\nHidden=Fax;\nWidths=Name(1,80);\nSort=Name(Up);\nFilter=Qty>=5;Flag=Y\n");

    // An absent section, and a clear, leave no template.
    TemplateManager history("CommandHistoryTemplate");
    {
        BaseIniFile file(source);
        history.LoadFromFile(file);
        accounts.Clear();
    }
    EXPECT_TRUE(history.GetLines().empty());
    EXPECT_TRUE(accounts.GetLines().empty());
    {
        BaseIniFile file(dir.File("empty.wrk"));
        accounts.SaveToFile(file);
        history.SaveToFile(file);
        EXPECT_TRUE(file.Flush());
    }
    EXPECT_FALSE(std::filesystem::exists(dir.File("empty.wrk")));  // nothing was written
}

}  // namespace
