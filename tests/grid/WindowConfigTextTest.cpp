#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "grid/WindowConfigText.h"

namespace {

ColumnFilter Filter(const std::string& name, int32_t condition) {
    ColumnFilter filter;
    filter.ColumnName = name;
    filter.Condition = condition;
    return filter;
}

// The fields of the known columns: Id 0, Name 1, Amount 2; -1 for any other.
int FindField(const std::string& name) {
    static const std::map<std::string, int> fields{{"Id", 0}, {"Name", 1}, {"Amount", 2}};
    const auto field = fields.find(name);
    return field == fields.end() ? -1 : field->second;
}

std::string Describe(const ColumnFilter& f) {
    std::ostringstream out;
    out << f.ColumnName << "@" << f.Column << " c" << f.Condition << " n" << f.Negation << " v[" << f.Value
        << "] e" << f.MatchEmpty << " [" << f.MinValue << "," << f.MinIncluded << "," << f.MaxValue << ","
        << f.MaxIncluded << "] cmp" << f.CompareColumn << "[" << f.CompareColumnName << "@"
        << f.CompareColumnIndex << "] d" << f.UseDeltaTime << " values";
    for (const std::string& value : f.Values) out << " " << value;
    return out.str();
}

}  // namespace

TEST(WindowConfigText, EachFilterShapeWritesItsEntries) {
    struct Case {
        const char* name;
        ColumnFilter filter;
        std::vector<std::string> listValues;
        std::string operands, condition, delta;
    };
    ColumnFilter list = Filter("Name", 2);
    list.Values = StringVector{std::vector<std::string>{"B", "A;B"}};
    ColumnFilter listCompared = Filter("Name", 2);
    listCompared.Values = StringVector{std::vector<std::string>{"ignored"}};
    listCompared.CompareColumn = true;
    listCompared.CompareColumnName = "Id";
    ColumnFilter range = Filter("Id", 5);
    range.MinValue = "1";
    range.MinIncluded = true;
    range.MaxValue = "9";
    range.UseDeltaTime = true;
    ColumnFilter rangeCompared = range;
    rangeCompared.CompareColumn = true;
    rangeCompared.MinIncluded = false;
    rangeCompared.MaxIncluded = true;
    ColumnFilter having = Filter("Name", 6);
    having.Negation = true;
    having.MatchEmpty = true;
    having.Value = "N*";
    ColumnFilter havingCompared = having;
    havingCompared.CompareColumn = true;
    havingCompared.CompareColumnName = "Id";
    ColumnFilter compared = Filter("Id", 0);
    compared.CompareColumn = true;
    compared.CompareColumnName = "Amount";
    compared.Value = "ignored";
    const Case cases[] = {
        {"list values, one entry each", list, {"Name(B);", "Name(A;B);"}, "", "Name(2);", "Name(0);"},
        {"list compared with a column", listCompared, {}, "Name(@);Name(Id);", "Name(2);", "Name(0);"},
        {"range, delta time", range, {}, "Id(<1>{9});", "Id(5);", "Id(1);"},
        {"range compared, the flag first", rangeCompared, {}, "Id(@);Id({1}<9>);", "Id(5);", "Id(1);"},
        {"negated having, empty matches", having, {}, "Name(+);Name(N*);", "Name(!6);", "Name(0);"},
        {"having compared with a column: the compare flag instead of the empty match",
         havingCompared,
         {},
         "Name(@);Name(Id);",
         "Name(!6);",
         "Name(0);"},
        {"compared with a column", compared, {}, "Id(@);Id(Amount);", "Id(0);", "Id(0);"},
        {"an empty operand is still written",
         Filter("Amount", 4),
         {},
         "Amount();",
         "Amount(4);",
         "Amount(0);"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const WindowConfigText::FilterEntries entries = WindowConfigText::FilterToEntries(c.filter);
        EXPECT_EQ(entries.ListValues, c.listValues);
        EXPECT_EQ(entries.Operands, c.operands);
        EXPECT_EQ(entries.Condition, c.condition);
        EXPECT_EQ(entries.Delta, c.delta);
    }
}

// The lists as a hand-edited section may hold them: the conditions decide which filters exist and
// how their values read.
TEST(WindowConfigText, FiltersReadFromTheirListsByCondition) {
    const Key1ValueDataVector conditions{{"Name", "!6"}, {"Ghost", "2"},  {"Amount", "x"},
                                         {"Id", "4"},    {"Amount", "2"}, {"Id", "5"},
                                         {"Name", "6"},  {"Other", "0"},  {"Amount", "!2"}};
    const Key1ValueDataVector values{{"Name", "@"},     {"Name", "+"},    {"Name", "Amount"}, {"Amount", "b"},
                                     {"Amount", "a;c"}, {"Id", "<1>{9}"}, {"Ghost", "g"},     {"Other", "o"}};
    const Key1ValueDataVector deltas{{"Id", "1"}, {"Name", "1"}, {"Name", "0"}, {"Amount", "yes"}};
    FilterData filters;
    WindowConfigText::ReadFilters(conditions, values, deltas, FindField, filters);
    std::vector<std::string> described;
    for (const ColumnFilter& f : filters) described.push_back(Describe(f));
    EXPECT_EQ(described, (std::vector<std::string>{
                             // A later condition entry replaces the earlier one (its negation too);
                             // "+" marks empty matches only for condition 6, and not beside "@".
                             "Name@1 c6 n0 v[] e0 [,0,,0] cmp1[Amount@2] d0 values",
                             "Id@0 c5 n0 v[] e0 [1,1,9,0] cmp0[@0] d1 values",
                             // The non-numeric code is passed over; the list values come sorted.
                             "Amount@2 c2 n1 v[] e0 [,0,,0] cmp0[@0] d0 values a;c b",
                         }));

    // "+" is a plain operand of other conditions, and a range that does not read keeps no bounds.
    FilterData others;
    WindowConfigText::ReadFilters({{"Id", "4"}, {"Amount", "5"}}, {{"Id", "+"}, {"Amount", "10,20"}}, {},
                                  FindField, others);
    ASSERT_EQ(others.size(), 2u);
    EXPECT_EQ(Describe(others[0]), "Id@0 c4 n0 v[+] e0 [,0,,0] cmp0[@0] d0 values");
    EXPECT_EQ(Describe(others[1]), "Amount@2 c5 n0 v[] e0 [,0,,0] cmp0[@0] d0 values");
}

TEST(WindowConfigText, ColumnOptionsPassOverBadNumbersAndBringWidthsIntoRange) {
    const Key2ValueDataVector entries{{"Id", "1", "50"},   {"Name", "x", "50"},   {"Amount", "2", "4097"},
                                      {"Date", "3", "-1"}, {"Time", "4", "4096"}, {"Id", "5", "0"},
                                      {"Kind", "6", " 7"}};
    ColumnOptionMap saved;
    std::vector<std::string> names;
    WindowConfigText::ReadColumnOptions(entries, 64, saved, names);
    EXPECT_EQ(names, (std::vector<std::string>{"Id", "Amount", "Date", "Time", "Id"}));
    std::vector<std::string> options;
    for (const auto& [name, option] : saved)
        options.push_back(name + " " + std::to_string(option.Position) + "," + std::to_string(option.Width));
    EXPECT_EQ(options, (std::vector<std::string>{"Amount 2,64", "Date 3,64", "Id 5,0", "Time 4,4096"}));
}

TEST(WindowConfigText, TheColumnOrderFillsAsManyPlacesAsTheViewHas) {
    const std::vector<std::string> titles{"Id", "Name", "Amount"};
    const ColumnOptionMap saved{{"Amount", {1, 50}}, {"Gone", {1, 50}}, {"Name", {3, 50}}};
    const std::vector<std::string> names{"Gone", "Amount", "Name", "Gone"};
    // Gone's place closes: Amount 1 -> 0 (unplaced), Name 3 -> 2; the unplaced follow in field order.
    EXPECT_EQ(WindowConfigText::ColumnOrder(titles, saved, names, 4), (std::vector<int32_t>{0, 2, 1, 3}));
    EXPECT_EQ(WindowConfigText::ColumnOrder(titles, saved, names, 2), (std::vector<int32_t>{0, 2}));
    EXPECT_EQ(WindowConfigText::ColumnOrder(titles, {}, {}, 4), (std::vector<int32_t>{0, 1, 2, 3}));
}

TEST(WindowConfigText, EntriesAndQuotedTexts) {
    EXPECT_EQ(WindowConfigText::Entry("Name", "a;b"), "Name(a;b);");
    EXPECT_EQ(WindowConfigText::Unquoted("\"ding.wav\""), "ding.wav");
    EXPECT_EQ(WindowConfigText::Unquoted("\"\""), "");
    EXPECT_EQ(WindowConfigText::Unquoted("\"half"), "\"half");
    EXPECT_EQ(WindowConfigText::Unquoted("\""), "\"");
}
