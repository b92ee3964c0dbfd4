#pragma once
// The status tables of the trace dumps (scheduler rules, events): a header of one column per
// state of a state table and, per row, one cell per state showing the row's status letter. Each
// line is written as one entry with an empty value through a describer (the trace describer in
// the dumps).
#include <cstdint>
#include <cstring>
#include <string>

#include "fields/MDescFormat.h"
#include "net/MStateDef.h"

// Writes firstColumns followed by "%c%s |" for every state with a name ('*' before the marked
// state's name, a blank before the others), then a line of '=' as long as the header.
void WriteTableHeader(const MStateDefs& states, MDescFormat& format, const std::string& firstColumns,
                      int64_t markedIndex);

// Appends to line one cell " %c%c%*s |" per state whose name has 2 characters or more: '*' for
// the marked state (else a blank), the state's letter (a blank for 'c') and blanks up to the width
// of the state's name, so that the cells stand under the header's columns. letterAt(index) gives
// the row's letter for a state.
template <class LetterAt>
void AppendStateCells(std::string& line, const MStateDefs& states, int64_t markedIndex, LetterAt letterAt) {
    for (std::size_t i = 0; i < states.size(); ++i) {
        const std::size_t nameLength = std::strlen(states[i].Name);
        if (nameLength < 2) continue;
        const char letter = letterAt(i);
        line += ' ';
        line += static_cast<int64_t>(i) == markedIndex ? '*' : ' ';
        line += letter == 'c' ? ' ' : letter;
        line.append(nameLength - 2, ' ');
        line += " |";
    }
}
