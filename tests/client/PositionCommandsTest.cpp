// The position commands without a window: the delete and the entry of a position, checked against
// their bytes written out in full, and the description of an entry sent from the screen.
#include <gtest/gtest.h>

#include <string>

#include "client/PositionCommands.h"

namespace {

template <class M>
std::string Bytes(const M& message) {
    return std::string(reinterpret_cast<const char*>(&message),
                       static_cast<std::size_t>(message.GetMsgLength()));
}

// Type, then six blanks, eight blanks and the sequence number not yet set.
std::string Header(const char* type) {
    return std::string(type) + std::string(14, ' ') + "00000000";
}

KB_PositionLong Position() {
    KB_PositionLong position;
    position.AccountNumber.SetText("NW-100");
    position.Group.SetText("OP");
    position.Instrument.SetText("ABC1");
    position.ReportDate.SetText("20261201");
    position.LongQuantity.SetValue(1234);
    position.ShortQuantity.SetValue(7);
    return position;
}

}  // namespace

TEST(PositionCommandsTest, TheDeleteNamesAccountInstrumentAndReportDate) {
    const Brae_PD_PositionDelete message = PositionCommands::MakeDelete(Position());
    EXPECT_EQ(Bytes(message), Header("PD") + "NW-100          " + "OP" + "ABC1" + "20261201");
    EXPECT_EQ(Bytes(message).size(), 54u);
}

TEST(PositionCommandsTest, TheEntryCarriesTheQuantitiesAndTheScreensCaptionAsItsText) {
    const Brae_PN_PositionEntry message = PositionCommands::MakeEntry(Position());
    EXPECT_EQ(Bytes(message),
              Header("PN") + "20261201" + " " + "NW-100          " + "OP" + "ABC1" + "00001234" + "00000007");
    EXPECT_EQ(Bytes(message).size(), 71u);
    for (const EnumActionType action : {EnumActionType::Add, EnumActionType::Update}) {
        const CommandDescription description =
            PositionCommands::EntryDescription(action, "Modify a position");
        EXPECT_EQ(description.Action, action);
        EXPECT_EQ(description.BusinessItem, EnumBusinessItemType::Position);
        EXPECT_EQ(description.Text, "Modify a position");
        EXPECT_FALSE(description.TextComplete);
    }
}
