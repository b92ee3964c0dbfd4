#include <gtest/gtest.h>

#include "core/BaseIniFile.h"
#include "grid/BaseGridOption.h"

namespace {

using Lines = std::vector<std::string>;

TEST(BaseGridOption, ASectionWithoutKeysGivesTheDefaults) {
    BaseIniFile file("");
    file.WriteString("Other", "RowHeight", "50");
    BaseGridOption options;
    options.SetGridSelection(0);
    options.SetRowHeight(40);
    options.SetCellLeftOffset(7);
    options.SetCellTopOffset(8);
    FontSpec bold;
    bold.bold = true;
    bold.name = "Courier";
    bold.color = clRed;
    options.SetFont(bold);
    options.LoadFromFile(file, "Grid");
    EXPECT_EQ(options.GetGridSelection(), 1);
    EXPECT_EQ(options.GetRowHeight(), 24);
    EXPECT_EQ(options.GetCellLeftOffset(), 3);
    EXPECT_EQ(options.GetCellTopOffset(), 3);
    const FontSpec& font = options.GetFont();
    EXPECT_EQ(font.name, "MS Sans Serif");
    EXPECT_EQ(font.height, -11);
    EXPECT_EQ(font.charset, 1);
    EXPECT_FALSE(font.bold || font.italic || font.underline || font.strikeOut);
    EXPECT_EQ(font.color, clWindowText);
    EXPECT_EQ(font, FontSpec());
}

TEST(BaseGridOption, ReadsGridSelectionAsADecimalIntegerElseOne) {
    const std::pair<const char*, int32_t> cases[] = {
        {"0", 0},   {"1", 1},  {"2", 2},  {"-5", -5},         {"", 1},    {"abc", 1},
        {"0x0", 1}, {" 0", 1}, {"0 ", 1}, {"99999999999", 1}, {"1.5", 1},
    };
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(text);
        BaseIniFile file("");
        file.WriteString("Grid", "GridSelection", text);
        BaseGridOption options;
        options.SetGridSelection(7);
        options.LoadFromFile(file, "Grid");
        EXPECT_EQ(options.GetGridSelection(), expected);
    }
}

TEST(BaseGridOption, ARowHeightOutsideOneTo1000LoadsAsTheDefault) {
    const std::pair<const char*, int32_t> cases[] = {
        {"0", 24}, {"-3", 24},     {"1", 1},     {"2", 2},          {"150", 150},
        {"x", 24}, {"1000", 1000}, {"1001", 24}, {"100000000", 24}, {"2147483647", 24},
    };
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(text);
        BaseIniFile file("");
        file.WriteString("Grid", "RowHeight", text);
        BaseGridOption options;
        options.LoadFromFile(file, "Grid");
        EXPECT_EQ(options.GetRowHeight(), expected);
    }
}

TEST(BaseGridOption, SavesItsKeysInOrderWithoutTheFontColourAndLoadsThemBack) {
    BaseGridOption options;
    options.SetGridSelection(0);
    options.SetRowHeight(30);
    options.SetCellLeftOffset(5);
    options.SetCellTopOffset(0);
    FontSpec font;
    font.name = "Courier New";
    font.height = -13;
    font.charset = 0;
    font.bold = true;
    font.underline = true;
    font.color = clRed;
    options.SetFont(font);
    BaseIniFile file("");
    options.SaveToFile(file, "Grid");
    Lines lines;
    file.ReadSectionValues("Grid", lines);
    EXPECT_EQ(lines, (Lines{"GridSelection=0", "RowHeight=30", "CellLeftOffset=5", "CellTopOffset=0",
                            "Charset=0", "FontHeight=-13", "FontName=Courier New", "Bold=1", "Italic=0",
                            "Underline=1", "StrikeOut=0"}));

    BaseGridOption loaded;
    loaded.LoadFromFile(file, "Grid");
    EXPECT_EQ(loaded.GetGridSelection(), 0);
    EXPECT_EQ(loaded.GetRowHeight(), 30);
    EXPECT_EQ(loaded.GetCellLeftOffset(), 5);
    EXPECT_EQ(loaded.GetCellTopOffset(), 0);
    font.color = clWindowText;
    EXPECT_EQ(loaded.GetFont(), font);
}

TEST(BaseGridOption, CopiesAreIndependent) {
    BaseGridOption options;
    options.SetRowHeight(40);
    BaseGridOption copy(options);
    FontSpec italic;
    italic.italic = true;
    copy.SetFont(italic);
    copy.SetRowHeight(20);
    EXPECT_EQ(options.GetRowHeight(), 40);
    EXPECT_FALSE(options.GetFont().italic);
    options.Assign(copy);
    EXPECT_EQ(options.GetRowHeight(), 20);
    EXPECT_TRUE(options.GetFont().italic);
}

TEST(FontManager, DescribesAFontsNameStyleAndSize) {
    struct Case {
        bool bold, italic, underline, strikeOut;
        const char* style;
    };
    const Case cases[] = {
        {false, false, false, false, "[]"},
        {true, false, false, false, "[Bold]"},
        {false, true, true, false, "[Italic, Underline]"},
        {false, false, false, true, "[StrikeOut]"},
        {true, true, true, true, "[Bold, Italic, Underline, StrikeOut]"},
    };
    for (const Case& c : cases) {
        FontSpec font;
        font.bold = c.bold;
        font.italic = c.italic;
        font.underline = c.underline;
        font.strikeOut = c.strikeOut;
        EXPECT_EQ(BaseGridOption::GetFontStyleText(font), c.style);
    }
    const std::pair<int, const char*> sizes[] = {{-11, "8"}, {-13, "10"}, {-16, "12"},
                                                 {-2, "2"},  {0, "0"},    {16, "12"}};
    for (const auto& [height, size] : sizes) {
        FontSpec font;
        font.height = height;
        EXPECT_EQ(BaseGridOption::GetFontSizeText(font), size) << height;
    }
    FontSpec named;
    named.name = "Arial";
    EXPECT_EQ(BaseGridOption::GetFontNameText(named), "Arial");
}

TEST(FontManager, TheDefaultFontResetsTheGivenFontAndTakesIt) {
    FontSpec font;
    font.name = "Arial";
    font.height = -20;
    font.charset = 0;
    font.bold = font.italic = font.underline = font.strikeOut = true;
    font.color = clRed;
    BaseGridOption options;
    options.SetFont(font);
    options.SetDefaultFont(font);
    EXPECT_EQ(font, FontSpec());
    EXPECT_EQ(options.GetFont(), FontSpec());
}

}  // namespace
