#pragma once
// The position commands the positions window and its screen send, built from a position without a
// window: the entry (PN) of a new or changed position and the delete (PD) of a shown one.
#include "brae/Brae_PD_PositionDelete.h"
#include "brae/Brae_PN_PositionEntry.h"
#include "session/CommandDescription.h"
#include "store/KB_PositionLong.h"

class KVNEventManager;

class PositionCommands {
public:
    // The delete of the position: its account number, group, instrument and report date.
    static Brae_PD_PositionDelete MakeDelete(const KB_PositionLong& position);
    // Sends the delete with action Delete, the position business item and the text "Delete", the
    // account number appended by the send.
    static void SendDelete(KVNEventManager& session, const KB_PositionLong& position);
    // The entry of the position's account, group, instrument and report date, with the quantities.
    static Brae_PN_PositionEntry MakeEntry(const KB_PositionLong& position);
    // The description of a position entry sent from the screen whose caption is given.
    static CommandDescription EntryDescription(EnumActionType action, const std::string& caption);
};
