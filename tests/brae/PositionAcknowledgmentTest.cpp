#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <typeindex>
#include <vector>

#include "brae/BraeFieldTypes.h"
#include "brae/Brae_KB_PositionAcknowledgment.h"
#include "fields/MObjectClassFunction.h"
#include "fields/MObjectFormat.h"
#include "fields/MObjectFunction.h"
#include "fields/MStaticClassFunction.h"
#include "fields/MStaticFormat.h"
#include "fields/MTStaticFunction.h"
#include "support/LogRecorder.h"

namespace {

template <class T>
std::string Bytes(const T& message) {
    return std::string(reinterpret_cast<const char*>(&message), sizeof(T));
}

// A received acknowledgment, field by field.
const std::string kReceived = std::string("KB") + "093015" + "TRADER01" + "00000042" +  // header
                              "20240315" + " " + "ACC-1           " + "GX" + "ABC " + "00000005" +
                              "00000000" + "C" + "MASTER-9        " + "ID-77           " + "P123" +
                              "20240316" + "101112";

TEST(Brae_KB_PositionAcknowledgment, NewAcknowledgmentHoldsTheDefaults) {
    const Brae_KB_PositionAcknowledgment kb;
    EXPECT_EQ(static_cast<int>(Brae_KB_PositionAcknowledgment::GetMsgType()), 231);
    EXPECT_EQ(Bytes(kb), std::string("KB") + std::string(14, ' ') + "00000000" + std::string(8, ' ') + " " +
                             std::string(16, ' ') + "  " + "    " + "00000000" + "00000000" + " " +
                             std::string(36, ' ') + std::string(14, ' '));
}

TEST(Brae_KB_PositionAcknowledgment, ReadsEveryFieldAtItsOffset) {
    ASSERT_EQ(kReceived.size(), 122u);
    Brae_KB_PositionAcknowledgment kb;
    kb.Read(kReceived.data(), static_cast<int>(kReceived.size()));
    EXPECT_EQ(Bytes(kb), kReceived);
    EXPECT_EQ(Brae_KB_PositionAcknowledgment::GetUserSequenceID(kb.UserSequenceID), 42);
    EXPECT_EQ(kb.AccountNumber.ToString(), "ACC-1");
    EXPECT_EQ(kb.Instrument.ToString(), "ABC");
    EXPECT_EQ(kb.LongQuantity.GetValue(), 5);
    EXPECT_TRUE(kb.ResponseStatus.Is(EnumBraeKTSStatus::EntrySucessfullyCreated));
    EXPECT_EQ(kb.MasterAccountId.ToString(), "MASTER-9");
    EXPECT_EQ(kb.ApprovedParticipantId.ToString(), "P123");
    EXPECT_EQ(kb.SubmissionTime.ToString(), "101112");
}

// A whole message is read in one copy: over random bytes (high bytes and zeros included) it must
// agree with the field-by-field reading that a message one byte short takes, which keeps every
// field but the last.
TEST(Brae_KB_PositionAcknowledgment, AWholeMessageReadsAsFieldByField) {
    const Brae_KB_PositionAcknowledgment defaults;
    for (unsigned seed = 1; seed <= 500; ++seed) {
        std::mt19937 random(seed);
        std::string received(122 + random() % 3, ' ');
        for (char& c : received) c = static_cast<char>(random() % 4 == 0 ? ' ' : random() % 256);
        Brae_KB_PositionAcknowledgment whole;
        whole.Read(received.data(), static_cast<int>(received.size()));
        Brae_KB_PositionAcknowledgment fieldByField;
        LogRecorder log;
        fieldByField.Read(received.data(), 121);
        ASSERT_EQ(Bytes(whole), received.substr(0, 122)) << "seed " << seed;
        ASSERT_EQ(Bytes(fieldByField), received.substr(0, 116) + Bytes(defaults).substr(116))
            << "seed " << seed;
    }
}

TEST(Brae_KB_PositionAcknowledgment, FillerThatIsNotBlankIsKept) {
    std::string received = kReceived;
    received[32] = 'Z';
    Brae_KB_PositionAcknowledgment kb;
    LogRecorder log;
    kb.Read(received.data(), static_cast<int>(received.size()));
    EXPECT_EQ(kb.Filler1.ToString(), "Z");
    EXPECT_EQ(Bytes(kb), received);
    EXPECT_TRUE(log.messages.empty());
}

TEST(Brae_KB_PositionAcknowledgment, NothingIsReadBeyondTheReceivedLength) {
    const Brae_KB_PositionAcknowledgment defaults;
    const struct {
        int length;
        int keptBytes;  // the received bytes kept: fields wholly within the length
    } cases[] = {{60, 55}, {55, 55}, {54, 51}, {121, 116}, {1, 0}, {0, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.length);
        Brae_KB_PositionAcknowledgment kb;
        LogRecorder log;
        kb.Read(kReceived.data(), c.length);
        EXPECT_EQ(Bytes(kb), kReceived.substr(0, c.keptBytes) + Bytes(defaults).substr(c.keptBytes));
        EXPECT_TRUE(log.Has(3, "Received message of " + std::to_string(c.length) + " bytes"));
    }
    // A second read starts again from the defaults.
    Brae_KB_PositionAcknowledgment kb;
    kb.Read(kReceived.data(), 122);
    LogRecorder log;
    kb.Read(kReceived.data(), 24);
    EXPECT_EQ(Bytes(kb), kReceived.substr(0, 24) + Bytes(defaults).substr(24));
}

TEST(Brae_KB_PositionAcknowledgment, FieldNamesAndTags) {
    const char* const names[] = {"ReportDate",      "Filler1",      "AccountNumber",         "Group",
                                 "Instrument",      "LongQuantity", "ShortQuantity",         "ResponseStatus",
                                 "MasterAccountId", "AccountId",    "ApprovedParticipantId", "SubmissionDate",
                                 "SubmissionTime"};
    const char* const tags[] = {"827", nullptr, "1",  "6004", "2164", "196", "197",
                                "127", "5310",  "30", "26",   "6143", "70"};
    for (int i = 0; i < 13; ++i) {
        SCOPED_TRACE(i);
        EXPECT_STREQ(Brae_KB_PositionAcknowledgment::GetFieldName(i), names[i]);
        EXPECT_EQ(Brae_KB_PositionAcknowledgment::GetFieldNameLength(i),
                  static_cast<int>(std::strlen(names[i])));
        if (tags[i]) {
            EXPECT_STREQ(Brae_KB_PositionAcknowledgment::GetFieldTag(i), tags[i]);
        } else {
            EXPECT_EQ(Brae_KB_PositionAcknowledgment::GetFieldTag(i), nullptr);
        }
    }
    EXPECT_EQ(Brae_KB_PositionAcknowledgment::GetFieldName(13), nullptr);
    EXPECT_EQ(Brae_KB_PositionAcknowledgment::GetFieldTagLength(1), 0);
}

// Records the levels and field types handed to a type-level format.
class TypeRecorder : public MStaticFormat {
public:
    void BeginObject(MStaticClassFunction& names) override {
        names_ = &names;
        next_ = 0;
        events.push_back("begin");
    }
    bool NextField() override { return limit < 0 || fields++ < limit; }
    void ProcessField(MStaticFunction& field) override {
        events.push_back(names_->GetFieldName(next_++));
        types.emplace_back(typeid(field));
    }
    void EndObject() override { events.push_back("end"); }

    int limit = -1;
    int fields = 0;
    std::vector<std::string> events;
    std::vector<std::type_index> types;

private:
    MStaticClassFunction* names_ = nullptr;
    int next_ = 0;
};

// Records the fields with their data handed to an object-level format.
class DataRecorder : public MObjectFormat {
public:
    void BeginObject(MObjectClassFunction& names) override {
        names_ = &names;
        next_ = 0;
        events.push_back("begin");
    }
    void ProcessField(MObjectFunction& field) override {
        int length = 0;
        bool terminated = false;
        const char* text = field.GetText(&length, &terminated);
        events.push_back(std::string(names_->GetFieldName(next_)) + "[" +
                         std::to_string(names_->GetFieldNameLength(next_)) +
                         "]=" + std::string(text, length));
        ++next_;
    }
    void EndObject() override { events.push_back("end"); }

    std::vector<std::string> events;

private:
    MObjectClassFunction* names_ = nullptr;
    int next_ = 0;
};

template <class T>
std::type_index TypeOf() {
    return typeid(MTStaticFunction<T>);
}

TEST(Brae_KB_PositionAcknowledgment, DescribeClassHandsTheHeaderPartsFirst) {
    TypeRecorder format;
    Brae_KB_PositionAcknowledgment::DescribeClass(format);
    EXPECT_EQ(format.events, (std::vector<std::string>{"begin",
                                                       "MsgType",
                                                       "end",
                                                       "begin",
                                                       "UserTime",
                                                       "TraderID",
                                                       "UserSequenceID",
                                                       "end",
                                                       "begin",
                                                       "ReportDate",
                                                       "Filler1",
                                                       "AccountNumber",
                                                       "Group",
                                                       "Instrument",
                                                       "LongQuantity",
                                                       "ShortQuantity",
                                                       "ResponseStatus",
                                                       "MasterAccountId",
                                                       "AccountId",
                                                       "ApprovedParticipantId",
                                                       "SubmissionDate",
                                                       "SubmissionTime",
                                                       "end"}));
    using Text16 = MRPString<16, 32, MValAccept>;
    const std::vector<std::type_index> own(format.types.begin() + 4, format.types.end());
    EXPECT_EQ(own, (std::vector<std::type_index>{
                       TypeOf<MDateYYYYMMDD>(), TypeOf<MChar>(), TypeOf<BraeKTSAccountNumber>(),
                       TypeOf<MRPString<2, 32, MValAccept> >(), TypeOf<MRPString<4, 32, MValAccept> >(),
                       TypeOf<BraeNb8>(), TypeOf<BraeNb8>(), TypeOf<BraeKTSStatus>(), TypeOf<Text16>(),
                       TypeOf<Text16>(), TypeOf<MRPString<4, 32, MValAccept> >(), TypeOf<MDateYYYYMMDD>(),
                       TypeOf<MTimeHHMMSS>()}));
}

TEST(Brae_KB_PositionAcknowledgment, DescribeClassStopsWhenTheFormatAsksNoMore) {
    TypeRecorder format;
    format.limit = 6;
    Brae_KB_PositionAcknowledgment::DescribeClass(format);
    EXPECT_EQ(format.events,
              (std::vector<std::string>{"begin", "MsgType", "end", "begin", "UserTime", "TraderID",
                                        "UserSequenceID", "end", "begin", "ReportDate", "Filler1", "end"}));
}

TEST(Brae_KB_PositionAcknowledgment, FormatObjectHandsTheFieldsWithTheirData) {
    Brae_KB_PositionAcknowledgment kb;
    kb.Read(kReceived.data(), static_cast<int>(kReceived.size()));
    DataRecorder format;
    kb.FormatObject(format);
    ASSERT_EQ(format.events.size(), 23u);
    EXPECT_EQ(format.events[1], "MsgType[7]=BraePositionAcknowledgment");
    EXPECT_EQ(format.events[6], "UserSequenceID[14]=42");
    EXPECT_EQ(format.events[9], "ReportDate[10]=20240315");
    EXPECT_EQ(format.events[11], "AccountNumber[13]=ACC-1");
    EXPECT_EQ(format.events[16], "ResponseStatus[14]=EntrySucessfullyCreated");
    EXPECT_EQ(format.events[21], "SubmissionTime[14]=101112");
    EXPECT_EQ(format.events[22], "end");
}

}  // namespace
