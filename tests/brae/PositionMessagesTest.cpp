#include <gtest/gtest.h>

#include <string>

#include "brae/Brae_AR_HistoricalCommandHistoryAuditRequest.h"
#include "brae/Brae_HV_HistoricalAccountRequest.h"
#include "brae/Brae_OR_HistoricalPositionSubmissionOutcomeRequest.h"
#include "brae/Brae_PD_PositionDelete.h"
#include "brae/Brae_PN_PositionEntry.h"
#include "brae/Brae_PQ_HistoricalPositionRequest.h"
#include "brae/Brae_PU_PositionDelimiter.h"

namespace {

template <class T>
std::string Bytes(const T& message) {
    return std::string(reinterpret_cast<const char*>(&message), sizeof(T));
}
template <class T>
std::string Sent(const T& message) {
    return std::string(reinterpret_cast<const char*>(&message),
                       static_cast<std::size_t>(message.GetMsgLength()));
}
template <class T>
std::string Described(const T& message) {
    std::string text = "Text";
    message.AppendDescription(text);
    return text;
}
std::string Blanks(int n) {
    return std::string(static_cast<std::size_t>(n), ' ');
}
std::string NewHeader(const char* code) {
    return code + Blanks(14) + "00000000";
}

TEST(PositionMessages, NewMessagesHoldTheirDefaults) {
    const Brae_PN_PositionEntry pn;
    EXPECT_EQ(static_cast<int>(Brae_PN_PositionEntry::GetMsgType()), 228);
    EXPECT_EQ(pn.GetMsgLength(), 71);
    EXPECT_EQ(Sent(pn),
              NewHeader("PN") + Blanks(8) + " " + Blanks(16) + "  " + "    " + "00000000" + "00000000");
    const Brae_PD_PositionDelete pd;
    EXPECT_EQ(static_cast<int>(Brae_PD_PositionDelete::GetMsgType()), 227);
    EXPECT_EQ(pd.GetMsgLength(), 54);
    EXPECT_EQ(Sent(pd), NewHeader("PD") + Blanks(30));
    const Brae_PU_PositionDelimiter pu;
    EXPECT_EQ(static_cast<int>(Brae_PU_PositionDelimiter::GetMsgType()), 229);
    EXPECT_EQ(pu.GetMsgLength(), 34);
    EXPECT_EQ(Sent(pu), NewHeader("PU") + "ST" + Blanks(8));
}

TEST(Brae_PN_PositionEntry, CarriesThePositionAtItsOffsets) {
    Brae_PN_PositionEntry pn;
    pn.ReportDate.SetText("20240315", 8);
    pn.AccountNumber.SetText("ACC-0001");
    pn.Group.SetText("GX");
    pn.Instrument.SetText("ABC");
    pn.LongQuantity.SetValue(5);
    pn.ShortQuantity.SetValue(0);
    EXPECT_EQ(Sent(pn), NewHeader("PN") + "20240315" + " " + "ACC-0001        " + "GX" + "ABC " + "00000005" +
                            "00000000");
    EXPECT_EQ(Described(pn), "Text - 20240315 - ABC - ACC-0001");
}

TEST(Brae_PD_PositionDelete, CarriesThePositionAtItsOffsets) {
    Brae_PD_PositionDelete pd;
    pd.AccountNumber.SetText("ACC-7");
    pd.Group.SetText("G");
    pd.Instrument.SetText("WXYZ");
    pd.ReportDate.SetText("20231231", 8);
    EXPECT_EQ(Sent(pd), NewHeader("PD") + "ACC-7           " + "G " + "WXYZ" + "20231231");
    EXPECT_EQ(Described(pd), "Text - ACC-7");
}

TEST(Brae_PU_PositionDelimiter, SendsStartByDefaultAndEndOfPositionDeclaration) {
    Brae_PU_PositionDelimiter pu;
    EXPECT_EQ(Described(pu), "Text - " + Blanks(8));  // a date keeps its 8 characters
    pu.ReportDate.SetText("20240102", 8);
    EXPECT_EQ(Sent(pu), NewHeader("PU") + "ST" + "20240102");
    pu.SetDelimiterType(EnumBraeDelimiterType::EndOfPositionDeclaration);
    EXPECT_EQ(Sent(pu), NewHeader("PU") + "EP" + "20240102");
    EXPECT_EQ(Described(pu), "Text - 20240102");
    pu.SetDelimiterType(33u);
    EXPECT_EQ(Sent(pu).substr(24, 2), "ST");
}

template <class T>
std::string FilledRequest() {
    T request;
    request.UserName.SetText("A User Name Of 25 Chars!!and more");
    request.StartDate.SetText("20240101", 8);
    request.EndDate.SetText("20240131", 8);
    request.Firm.SetText("FRM");
    EXPECT_EQ(Described(request), "Text");
    EXPECT_EQ(Bytes(T()).substr(2), NewHeader("") + Blanks(45));
    return Sent(request);
}

TEST(HistoricalRequests, ShareOneLayoutUnderTheirOwnTypes) {
    const std::string fields = std::string("A User Name Of 25 Chars!!") + "20240101" + "20240131" + "FRM ";
    const struct {
        int type;
        int expectedType;
        std::string sent;
        const char* code;
    } cases[] = {
        {static_cast<int>(Brae_HV_HistoricalAccountRequest::GetMsgType()), 255,
         FilledRequest<Brae_HV_HistoricalAccountRequest>(), "HV"},
        {static_cast<int>(Brae_PQ_HistoricalPositionRequest::GetMsgType()), 281,
         FilledRequest<Brae_PQ_HistoricalPositionRequest>(), "PQ"},
        {static_cast<int>(Brae_OR_HistoricalPositionSubmissionOutcomeRequest::GetMsgType()), 283,
         FilledRequest<Brae_OR_HistoricalPositionSubmissionOutcomeRequest>(), "OR"},
        {static_cast<int>(Brae_AR_HistoricalCommandHistoryAuditRequest::GetMsgType()), 285,
         FilledRequest<Brae_AR_HistoricalCommandHistoryAuditRequest>(), "AR"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(c.type, c.expectedType);
        EXPECT_EQ(c.sent, NewHeader(c.code) + fields);  // 69 bytes
    }
    EXPECT_EQ(Sent(Brae_PQ_HistoricalPositionRequest(285)).substr(0, 2), "AR");
}

}  // namespace
