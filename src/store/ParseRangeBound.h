#pragma once
// Reads one bound of a range's text form from the front of text: "<bound>" (included) or
// "{bound}" (excluded). On success stores the bound and its inclusion, removes everything up to
// and including the closing bracket from text and returns true; otherwise (empty text, another
// first character, no closing bracket) returns false and changes nothing.
#include <string>

bool ParseRangeBound(std::string& text, bool& included, std::string& bound);
