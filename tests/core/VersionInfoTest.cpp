#include <gtest/gtest.h>

#include "core/IniFileLocation.h"
#include "core/VersionInfo.h"

namespace {

TEST(VersionInfo, GivesTheCompiledInTexts) {
    VersionInfo info(GetExecutableDirectory() + "core_tests");
    EXPECT_EQ(info.GetProductName(), "Korvane");
    EXPECT_EQ(info.GetFileVersion(), "1.0.0.0");
    EXPECT_EQ(info.GetFileDescription(), "Korvane position reporting client");
    EXPECT_EQ(info.GetLegalCopyright(), "(C) 2026 KelpTools");  // the About box puts "Copyright " before it
}

TEST(VersionInfo, GivesEmptyTextsWithoutAVersionBlock) {
    VersionInfo::InstallVersionBlock({});
    VersionInfo info("program");
    EXPECT_EQ(info.GetProductName(), "");
    EXPECT_EQ(info.GetFileVersion(), "");
    EXPECT_EQ(info.GetFileDescription(), "");
    EXPECT_EQ(info.GetLegalCopyright(), "");

    VersionInfo::InstallVersionBlock({"", "2.1.0.7", "", "Other"});  // a block without some values
    EXPECT_EQ(info.GetFileVersion(), "2.1.0.7");                     // each call reads the block again
    EXPECT_EQ(info.GetProductName(), "Other");
    EXPECT_EQ(info.GetLegalCopyright(), "");
    VersionInfo::RestoreVersionBlock();
    EXPECT_EQ(info.GetFileVersion(), "1.0.0.0");
}

}  // namespace
