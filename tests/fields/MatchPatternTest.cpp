#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "fields/MatchPattern.h"

namespace {

// The wildcard match as a plain recursion, the rule that MatchPattern must keep.
bool ReferenceMatch(const char* t, const char* p) {
    for (; *t; ++t) {
        if (*p == '\\') {
            const char c = p[1];
            if (c == '*') {
                if (p[2] == 0) return true;
                for (const char* s = t; *s; ++s) {
                    if (ReferenceMatch(s, p + 2)) return true;
                }
                return false;
            }
            const bool digit = *t >= '0' && *t <= '9';
            const bool letter = (*t >= 'A' && *t <= 'Z') || (*t >= 'a' && *t <= 'z');
            bool ok;
            switch (c) {
                case '.':
                    ok = true;
                    break;
                case '0':
                    ok = digit;
                    break;
                case '9':
                    ok = !digit;
                    break;
                case 'A':
                case 'a':
                    ok = letter;
                    break;
                case 'Z':
                case 'z':
                    ok = !letter;
                    break;
                case '\\':
                    ok = *t == '\\';
                    break;
                default:
                    ok = false;
            }
            if (!ok) return false;
            p += 2;
        } else {
            if (*p != *t) return false;
            ++p;
        }
    }
    while (p[0] == '\\' && p[1] == '*') p += 2;
    return *p == 0 || (p[0] == '\\' && p[1] == 0);
}

TEST(MatchPattern, Escapes) {
    const struct {
        const char* pattern;
        const char* text;
        bool expected;
    } cases[] = {
        {"\\A\\0\\*", "B7", true},  {"\\A\\0\\*", "B7xyz", true},
        {"\\A\\0\\*", "7B", false}, {"\\A\\0\\*", "B", false},
        {"AB\\*", "AB", true},      {"AB\\.", "AB", false},
        {"A\\", "A", true},         {"A\\", "AB", false},
        {"\\Q", "Q", false},        {"\\Q", "", false},
        {"\\9\\9", "a-", true},     {"\\9", "5", false},
        {"\\a\\A", "zQ", true},     {"\\a", "1", false},
        {"\\Z\\z", "1 ", true},     {"\\Z", "x", false},
        {"\\\\", "\\", true},       {"\\\\", "x", false},
        {"\\.\\.", "x\xe9", true},  {"ab", "AB", false},
        {"ab", "ab", true},         {"ab", "abc", false},
        {"abc", "ab", false},       {"", "", true},
        {"", "a", false},           {"\\*", "", true},
        {"\\*", "anything", true},  {"A\\*B", "AB", true},
        {"A\\*B", "AxxB", true},    {"A\\*B", "A", false},
        {"A\\*B", "ABx", false},    {"\\*\\.", "", false},
        {"\\*\\.", "x", true},      {"A\\*\\*", "A", true},
        {"A\\*\\*", "AB", true},    {"A\\*\\", "A", true},
        {"A\\*\\", "AB", false},    {"A\\*\\0", "A", false},
        {"\\*1\\*1", "x1y1", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.pattern) + " on " + c.text);
        EXPECT_EQ(MatchPattern(c.text, c.pattern), c.expected);
        EXPECT_EQ(ReferenceMatch(c.text, c.pattern), c.expected);
    }
    EXPECT_TRUE(MatchPattern(nullptr, ""));
    EXPECT_TRUE(MatchPattern("", nullptr));
    EXPECT_FALSE(MatchPattern("a", nullptr));
}

TEST(MatchPattern, AgreesWithTheRecursiveRuleOnRandomInputs) {
    std::mt19937 random(12345);
    const std::string textAlphabet = "ab1\\ *";
    const std::vector<std::string> tokens = {"a",   "b",   "1",   "\\*",  "\\*", "\\.", "\\0",
                                             "\\9", "\\A", "\\Z", "\\\\", "\\Q", "\\"};
    for (int round = 0; round < 20000; ++round) {
        std::string text;
        for (int i = random() % 7; i > 0; --i) text += textAlphabet[random() % textAlphabet.size()];
        std::string pattern;
        for (int i = random() % 6; i > 0; --i) pattern += tokens[random() % tokens.size()];
        ASSERT_EQ(MatchPattern(text.c_str(), pattern.c_str()), ReferenceMatch(text.c_str(), pattern.c_str()))
            << "pattern " << pattern << " on " << text;
    }
}

TEST(MatchPattern, LongPatternsAndTexts) {
    const std::string text(300, 'a');
    std::string pattern;
    for (int i = 0; i < 100; ++i) pattern += "\\*a";
    EXPECT_TRUE(MatchPattern(text.c_str(), pattern.c_str()));
    EXPECT_FALSE(MatchPattern(text.c_str(), (pattern + "b").c_str()));
}

TEST(IsInSortedList, FindsExactElementsOnly) {
    const std::vector<std::string> list{"AB", "XY"};
    EXPECT_TRUE(IsInSortedList("XY", list));
    EXPECT_TRUE(IsInSortedList("AB", list));
    EXPECT_FALSE(IsInSortedList("X", list));
    EXPECT_FALSE(IsInSortedList("XYZ", list));
    EXPECT_FALSE(IsInSortedList("", list));
    EXPECT_FALSE(IsInSortedList("AB", {}));
}

}  // namespace
