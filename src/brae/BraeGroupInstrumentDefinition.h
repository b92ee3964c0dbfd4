#pragma once
// One instrument of the server's bulk instrument message (BI): its group and instrument, call/put
// code, strike price, expiration date and symbols. 75 plain bytes exactly as received; copying
// copies every byte.
#include "brae/BraeFieldTypes.h"
#include "brae/BraeLetterEnumerations.h"
#include "fields/MDateText.h"
#include "fields/MFieldList.h"
#include "fields/MRPString.h"
#include "fields/MStringFloat.h"

class BraeGroupInstrumentDefinition {
public:
    MRPString<2, 32, MValAccept> Group;
    MRPString<4, 32, MValAccept> Instrument;
    BraeInstrumentCallPutCode CallPutCode;
    BraePrice StrikePrice;
    MDateYYYYMMDD ExpirationDate;
    MRPString<20, 32, MValAccept> ClassSymbol;
    BraeExternalSymbol ExternalSymbol;

    static constexpr auto Fields() {
        using S = BraeGroupInstrumentDefinition;
        return MFieldsWithLength(
            MField("Group", &S::Group), MField("Instrument", &S::Instrument),
            MField("CallPutCode", &S::CallPutCode), MField("StrikePrice", &S::StrikePrice),
            MField("ExpirationDate", &S::ExpirationDate), MField("ClassSymbol", &S::ClassSymbol),
            MField("ExternalSymbol", &S::ExternalSymbol));
    }
};

static_assert(sizeof(BraeGroupInstrumentDefinition) == 75 && alignof(BraeGroupInstrumentDefinition) == 1);
