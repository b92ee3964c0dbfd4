#pragma once
// The protocol's names of its fixed-width text and number fields.
#include "fields/MRPString.h"
#include "fields/MStringFloat.h"
#include "fields/MStringInt.h"
#include "fields/MValAccept.h"

using BraeConnectionID = MRPString<11, 32, MValAccept>;
using BraeFirmUnitName = MRPString<24, 32, MValAccept>;
using BraeUserName = MRPString<25, 32, MValAccept>;
using BraeExternalSymbol = MRPString<30, 32, MValAccept>;
using BraeInformation = MRPString<48, 32, MValAccept>;
using BraeKTSOperationDescription = MRPString<300, 32, MValAccept>;
using BraePrice = MStringFloat<MStringFractionData<9, 32>, 100, 0, 0>;
using BraeNb8 = MStringInt<8, 48, 0, MBase10>;
using BraeNb4 = MStringInt<4, 48, 0, MBase10>;
using BraeGapSequenceID = MStringInt<2, 48, 0, MBase10>;
