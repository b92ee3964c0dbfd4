#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

#include "guisupport/Keyboard.h"
#include "toolkit/Edit.h"
#include "toolkit/QtText.h"

namespace {

TEST(QtText, EveryByteRoundTripsAndTheHighLettersMapToUnicode) {
    std::string all;
    for (int b = 1; b < 256; ++b) all += char(b);
    EXPECT_EQ(FromQt(ToQt(all)), all);
    EXPECT_EQ(FromQt(ToQt(std::string("a\0b", 3))), std::string("a\0b", 3));

    struct Case {
        unsigned char byte;
        char16_t unicode;
    } cases[] = {{0x41, u'A'},   {0x80, 0x20AC}, {0x8A, 0x0160}, {0x92, 0x2019}, {0x9F, 0x0178},
                 {0xA0, 0x00A0}, {0xE9, 0x00E9}, {0xFF, 0x00FF}, {0x81, 0x0081}};
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.byte));
        QString q = ToQt(std::string(1, char(c.byte)));
        ASSERT_EQ(q.size(), 1);
        EXPECT_EQ(q.at(0).unicode(), c.unicode);
    }
}

TEST(QtText, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    EXPECT_EQ(FromQt(QString::fromUtf8("x\u20ACy\u0100z\u4E2D\u0080")), "x\x80y?z??");
    EXPECT_TRUE(IsWin1252Char(0x20AC));
    EXPECT_TRUE(IsWin1252Char(u'e'));
    EXPECT_FALSE(IsWin1252Char(0x0100));
    EXPECT_FALSE(IsWin1252Char(0x0081));
}

TEST(QtText, AnEditRefusesCharactersOutsideTheCodePage) {
    Edit edit;
    TypeText(&edit, QString::fromUtf8("a\u4E2Db\u20AC"));
    EXPECT_EQ(edit.Text(), "ab\x80");
    edit.selectAll();
    edit.insert(QString::fromUtf8("paste\u0101"));  // a paste goes through the same check
    EXPECT_EQ(edit.Text(), "ab\x80");
}

}  // namespace
