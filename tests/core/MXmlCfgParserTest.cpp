#include <gtest/gtest.h>

#include "core/MXmlCfgParser.h"

namespace {

TEST(MXmlCfgParser, FirstTagOfTheExactNameGivesTheValue) {
    EXPECT_TRUE(GetXmlCfgParser().GetTags().empty());
    EXPECT_EQ(GetXmlTagValue(GetXmlCfgParser(), "MulticastBindAddress"), "");

    MXmlCfgParser parser;
    parser.AddTag({"Port", "7000", {{"unit", "tcp"}}});
    parser.AddTag({"Host", "", {}});
    parser.AddTag({"Port", "7001", {}});
    EXPECT_EQ(GetXmlTagValue(parser, "Port"), "7000");
    EXPECT_EQ(GetXmlTagValue(parser, "port"), "");
    EXPECT_EQ(GetXmlTagValue(parser, "Por"), "");
    EXPECT_EQ(GetXmlTagValue(parser, "Host"), "");  // an empty value reads as not configured

    MXmlCfgParser copy = parser;
    parser.Clear();
    EXPECT_EQ(GetXmlTagValue(parser, "Port"), "");
    ASSERT_EQ(copy.GetTags().size(), 3u);
    EXPECT_EQ(copy.GetTags()[0].attributes[0].value, "tcp");
}

}  // namespace
