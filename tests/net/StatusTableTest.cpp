#include <gtest/gtest.h>

#include <string>

#include "net/StatusTable.h"

namespace {

TEST(StatusTable, CellsStandUnderTheirHeaderColumns) {
    MStateDefs states;
    states.push_back(MStateDef("Initializing"));
    states.push_back(MStateDef(""));  // no column
    states.push_back(MStateDef("Master"));
    states.push_back(MStateDef("Op"));
    std::string text;
    MDescFormat format("\n", 0, false);
    format.SetOutput(&text);
    WriteTableHeader(states, format, " Name                 | Status |", 2);
    const char letters[] = {'c', 'o', 'A', 'o'};
    std::string row = " rule                 | Open   |";
    AppendStateCells(row, states, 2, [&](std::size_t i) { return letters[i]; });
    format.WriteText(row, "");
    EXPECT_EQ(text,
              " Name                 | Status | Initializing |*Master | Op | []\n"
              "============================================================= []\n"
              " rule                 | Open   |              | *A     |  o | []");
}

}  // namespace
