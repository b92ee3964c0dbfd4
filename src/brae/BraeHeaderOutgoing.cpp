#include "brae/BraeHeaderOutgoing.h"

#include "brae/ReceivedMessage.h"

BraeHeaderOutgoing BraeHeaderOutgoing::FromReceived(const char* message, int length) {
    BraeHeaderOutgoing header;
    const bool whole = ReadReceivedField(header.MsgType, message, length, 0) &
                       ReadReceivedField(header.ServerTime, message, length, 2) &
                       ReadReceivedField(header.AnsweredSequenceID, message, length, 8) &
                       ReadReceivedField(header.ServerInfo, message, length, 16) &
                       ReadReceivedField(header.GapSequenceID, message, length, 22);
    if (!whole) LogShortMessage(length, static_cast<int>(sizeof(BraeHeaderOutgoing)));
    return header;
}
