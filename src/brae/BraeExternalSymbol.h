#pragma once
// An instrument's external symbol: 30 characters, left-aligned and padded with blanks.
#include "fields/MRPString.h"

using BraeExternalSymbol = MRPString<30, 32, MValAccept>;
