#pragma once
// The user titles and column colours of one window kind, keyed by the column's field name. The
// map orders names by plain byte comparison (upper-case letters before lower-case), and every
// walk over it (saving, searching by title, the title dialog) goes in that order.
#include <map>
#include <string>

#include "store/TitleProperty.h"

using TitleMap = std::map<std::string, TitleProperty>;
