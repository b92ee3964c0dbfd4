#pragma once
// The 24-byte header of the server's standard acknowledgment (KO) and error notice (ER). The
// client reads only AnsweredSequenceID, the sequence number of the command answered; the session
// also builds one itself, with only that number set, when a historical query ends without a KO.
// Lives inside its message or on the stack; nothing owned.
#include "brae/BraeFieldTypes.h"
#include "brae/BraeMsgBase.h"
#include "fields/MLPString.h"
#include "fields/MStringInt.h"
#include "fields/MTimeText.h"

class BraeHeaderOutgoing : public BraeMsgBase {
public:
    MTimeHHMMSS ServerTime;
    BraeNb8 AnsweredSequenceID;
    MLPString<6, 32, MValAccept> ServerInfo;
    BraeGapSequenceID GapSequenceID;

    // "??", six blanks, "00000000", six blanks, "00".
    BraeHeaderOutgoing() = default;

    // The header of a received message of length bytes. A field that the message does not hold
    // whole keeps its default, and the short message is logged at level 3.
    static BraeHeaderOutgoing FromReceived(const char* message, int length);
};

static_assert(sizeof(BraeHeaderOutgoing) == 24);
