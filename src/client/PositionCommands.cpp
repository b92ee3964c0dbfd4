#include "client/PositionCommands.h"

#include "session/KVNEventManager.h"

Brae_PD_PositionDelete PositionCommands::MakeDelete(const KB_PositionLong& position) {
    Brae_PD_PositionDelete message;
    message.AccountNumber = position.AccountNumber;
    message.Group = position.Group;
    message.Instrument = position.Instrument;
    message.ReportDate = position.ReportDate;
    return message;
}

void PositionCommands::SendDelete(KVNEventManager& session, const KB_PositionLong& position) {
    Brae_PD_PositionDelete message = MakeDelete(position);
    session.SendCommand(
        message, CommandDescription{EnumActionType::Delete, EnumBusinessItemType::Position, "Delete", false});
}

Brae_PN_PositionEntry PositionCommands::MakeEntry(const KB_PositionLong& position) {
    Brae_PN_PositionEntry message;
    message.ReportDate = position.ReportDate;
    message.AccountNumber = position.AccountNumber;
    message.Group = position.Group;
    message.Instrument = position.Instrument;
    message.LongQuantity = position.LongQuantity;
    message.ShortQuantity = position.ShortQuantity;
    return message;
}

CommandDescription PositionCommands::EntryDescription(EnumActionType action, const std::string& caption) {
    return CommandDescription{action, EnumBusinessItemType::Position, caption, false};
}
