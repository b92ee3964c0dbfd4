#pragma once
// The bulk link (AL) that links up to 100 accounts to a master account, or unlinks them: the
// master account id, the link action ('A' link, 'D' unlink), and the account ids with their
// 4-digit count. 1,645 bytes, of which the first 45 and the ids in use (16 bytes each) are sent.
// A longer selection goes out in batches: after each send the count is set back to "0000" and
// the next ids overwrite the old ones, which stay in their slots meanwhile but are not sent.
#include <string>

#include "brae/BraeBulkAccountId.h"
#include "brae/BraeFieldTypes.h"
#include "brae/BraeHeaderIncoming.h"
#include "brae/BraeLetterEnumerations.h"
#include "fields/MEnumAlpha.h"
#include "fields/MRPString.h"
#include "fields/MStringInt.h"
#include "fields/MVArray.h"

class Brae_AL_BulkLinkAccount : public BraeHeaderIncoming {
public:
    static constexpr int kMaxAccounts = 100;
    static constexpr int kFixedLength = 45;

    MRPString<16, 32, MValAccept> MasterAccountId;
    MEnumAlpha<EnumBraeKTSLinkAction, 2> LinkAction;
    // The count of AccountIds in use, four digits just before them.
    BraeNb4 AccountCount;
    MVArray<BraeBulkAccountId, kMaxAccounts, TMVArrayNb<BraeBulkAccountId, MStringInt<4, 48, 0, MBase10>, 4> >
        AccountIds;

    // "AL", the header's defaults, blanks, "A", "0000" and 100 blank ids.
    Brae_AL_BulkLinkAccount() : BraeHeaderIncoming(GetMsgType()) {}

    static constexpr EnumBraeMsgType GetMsgType() { return EnumBraeMsgType::AL; }
    // 45 bytes and the ids in use (never more than the 100 the message holds).
    int GetMsgLength() const { return kFixedLength + AccountIds.GetUsedLength(); }
    // " - " and the master account id up to its last non-blank character.
    void AppendDescription(std::string& description) const;
};

static_assert(sizeof(Brae_AL_BulkLinkAccount) == 1645);
BRAE_COUNTED_ARRAY_LAYOUT(Brae_AL_BulkLinkAccount, AccountCount, AccountIds,
                          Brae_AL_BulkLinkAccount::kFixedLength)
