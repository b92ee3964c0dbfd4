#pragma once
// Text tests of the column filters: the wildcard match and the sorted-list lookup.
#include <string>
#include <vector>

// True when the whole zero-terminated text matches the whole pattern. Every pattern character
// must equal the text character (case counts), except the escapes: \* any run of characters,
// \. any one character, \0 a digit, \9 a non-digit, \A or \a an ASCII letter, \Z or \z anything
// but an ASCII letter, \\ a backslash; a backslash before any other character never matches a
// character. A \* that ends the pattern matches the rest of the text; one followed by more pattern
// needs that pattern to match a non-empty rest of the text. Once the text is used up, trailing \*
// pairs are skipped and then the end of the pattern, or a lone backslash ending it, is a match.
// Runs in O(text x pattern) time; a pattern without \* or with one \* at its end in one pass
// over the text, without allocating. A null text or pattern counts as empty.
bool MatchPattern(const char* text, const char* pattern);

// True when text is an element of list, which must be sorted in std::string order.
bool IsInSortedList(const std::string& text, const std::vector<std::string>& sortedList);
