#pragma once
// The login user name as the historical requests carry it: 25 characters, left-aligned and padded
// with blanks.
#include "fields/MRPString.h"

using BraeUserName = MRPString<25, 32, MValAccept>;
