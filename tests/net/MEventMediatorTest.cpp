#include <gtest/gtest.h>

#include <cstring>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "StateTablesFixture.h"
#include "fields/MDescFormat.h"
#include "net/MEvent.h"
#include "net/MEventMediator.h"
#include "net/MEventMediatorLegacy.h"
#include "net/MEventProcessWinMsg.h"
#include "net/MEventRecorder.h"
#include "net/MEventSocketSelect.h"

namespace {

// Answers a script of action codes (then 0, or the repeat code forever) with messages "<id>:<n>"
// or of a fixed size; its notification is "N<n>" in its own buffer.
class ScriptedEvent : public MEvent {
public:
    ScriptedEvent(int32_t id, MEventMediator* mediator, std::deque<int32_t> codes, int32_t repeat = 0)
        : MEvent(id, mediator), codes_(std::move(codes)), repeat_(repeat) {}

    int32_t ProcessInput(bool) override {
        ++asked;
        ++count_;
        // Earlier messages stay where they are, as in a buffer that keeps its data.
        messages_.push_back(messageSize
                                ? std::string(static_cast<std::size_t>(messageSize), char('a' + count_ % 26))
                                : std::to_string(GetId()) + ":" + std::to_string(count_));
        if (onInput) onInput();
        if (codes_.empty()) return repeat_;
        const int32_t code = codes_.front();
        codes_.pop_front();
        return code;
    }
    const char* GetInputMessage(int32_t& length) override {
        length = static_cast<int32_t>(messages_.back().size());
        return messages_.back().data();
    }
    const char* GetNotification(int32_t& length) override {
        const std::string text = "N" + std::to_string(count_);
        std::memcpy(GetNotificationBuffer(), text.c_str(), text.size() + 1);
        SetNotification(GetNotificationBuffer(), static_cast<int32_t>(text.size()));
        return MEvent::GetNotification(length);
    }
    int32_t ProcessOutput(MEventRecorder*) override {
        ++outputs;
        return outputAnswer;
    }
    void KeepData() { SetKeepsData(true); }
    const char* MessageAt(std::size_t i) const { return messages_[i].data(); }

    int asked = 0;
    int outputs = 0;
    int32_t outputAnswer = 0;
    int32_t messageSize = 0;
    std::function<void()> onInput;

private:
    std::deque<int32_t> codes_;
    int32_t repeat_;
    int count_ = 0;
    std::deque<std::string> messages_;
};

std::vector<std::string> QueuedTexts(const MEventMediator& mediator) {
    std::vector<std::string> texts;
    for (const EventEntry& entry : mediator.GetQueue()) {
        texts.push_back(std::string(1, static_cast<char>(entry.Type)) + std::to_string(entry.EventId) + " " +
                        std::string(entry.Data, static_cast<std::size_t>(entry.Length)));
    }
    return texts;
}

struct ActionCase {
    int32_t code;
    std::vector<std::string> queued;  // after one input pass over [event 1, event 2]
    bool firstStaysListed;
    int32_t indexAfter;
};

TEST(MEventMediatorActions, EachCodeQueuesAndMovesAsTheTableSays) {
    const ActionCase cases[] = {
        {0, {"I2 2:1"}, true, 2},           {1, {"I2 2:1"}, false, 1},
        {2, {"I1 1:1"}, true, 1},           {5, {"I1 1:1"}, true, 1},
        {3, {"I1 1:1", "I1 1:2"}, true, 1},  // then 0: the pass ends with entries
        {4, {"I2 2:1"}, true, 2},            // the 'J' goes to the recorder only
        {6, {"I1 1:1"}, true, 0},           {7, {"T1 N1"}, true, 0},
        {9, {"I2 2:1"}, true, 2},  // asked again, then 0
    };
    for (const ActionCase& c : cases) {
        SCOPED_TRACE(c.code);
        MEventMediator mediator;
        mediator.ApplySettings(MEventMediatorSettings());
        std::deque<int32_t> first{c.code};
        if (c.code == 3) first.push_back(3);
        ScriptedEvent one(1, &mediator, first);
        ScriptedEvent two(2, &mediator, {2});
        mediator.AddInputEvent(&one);
        mediator.AddInputEvent(&two);
        mediator.WaitForInput();  // no waiter: sets the index to 0
        EXPECT_TRUE(mediator.RunInputRound());
        EXPECT_EQ(QueuedTexts(mediator), c.queued);
        EXPECT_EQ(mediator.GetInputEvents().size(), c.firstStaysListed ? 2u : 1u);
        EXPECT_EQ(mediator.GetCurrentInputIndex(), c.indexAfter);
    }
}

TEST(MEventMediatorActions, InactiveEventsAreSkippedAndOutputAnswersAreKept) {
    MEventMediator mediator;
    mediator.ApplySettings(MEventMediatorSettings());
    ScriptedEvent quiet(1, &mediator, {2});
    ScriptedEvent dropper(2, &mediator, {});
    ScriptedEvent writer(3, &mediator, {});
    quiet.SetActive(false);
    dropper.outputAnswer = 1;
    writer.outputAnswer = 2;
    mediator.AddInputEvent(&quiet);
    mediator.AddOutputEvent(&dropper);
    mediator.AddOutputEvent(&writer);
    mediator.WaitForInput();
    EXPECT_FALSE(mediator.RunInputRound());
    EXPECT_EQ(quiet.asked, 0);
    EXPECT_TRUE(mediator.RunOutputRound());  // the drop ends the pass
    EXPECT_EQ(writer.outputs, 0);
    EXPECT_EQ(mediator.GetOutputEvents(), std::vector<MEvent*>{&writer});
    EXPECT_TRUE(mediator.RunOutputRound());
    EXPECT_EQ(writer.outputs, 1);
}

struct LimitCase {
    const char* name;
    bool legacy;
    int32_t messageSize;
    std::size_t entries;
};

TEST(MEventMediatorLimits, APassStopsAtTheEntryOrByteLimitAndDropsNothing) {
    const LimitCase cases[] = {
        {"legacy entries", true, 4, 10000},
        {"legacy bytes", true, 1000, 263},  // 262 * 1000 < 262,144 <= 263 * 1000
        {"default entries", false, 4, 200},
        {"default bytes", false, 1000, 17},  // 16 * 1000 < 16,384 <= 17 * 1000
    };
    for (const LimitCase& c : cases) {
        SCOPED_TRACE(c.name);
        MEventMediatorLegacy legacy;
        MEventMediator plain;
        MEventMediator& mediator = c.legacy ? static_cast<MEventMediator&>(legacy) : plain;
        if (!c.legacy) plain.ApplySettings(MEventMediatorSettings());
        ScriptedEvent flood(1, &mediator, {}, 3);
        ScriptedEvent next(2, &mediator, {2});
        flood.messageSize = c.messageSize;
        mediator.AddInputEvent(&flood);
        mediator.AddInputEvent(&next);
        mediator.WaitForInput();
        ASSERT_TRUE(mediator.RunInputRound());
        ASSERT_EQ(mediator.GetQueue().size(), c.entries);
        // Full answer 0 stays on the flooding event; 1 moves on to the next event.
        EXPECT_EQ(mediator.GetCurrentInputIndex(), c.legacy ? 0 : 1);
        EXPECT_EQ(next.asked, 0);
        // Every message came through whole, in order.
        for (std::size_t i = 0; i < c.entries; ++i) {
            const EventEntry& entry = mediator.GetQueue()[i];
            ASSERT_EQ(entry.Length, c.messageSize);
            ASSERT_EQ(entry.Data[0], char('a' + (i + 1) % 26));
        }
        ASSERT_TRUE(mediator.RunInputRound());
        EXPECT_EQ(mediator.GetQueue().front().Data[0], c.legacy ? char('a' + (c.entries + 1) % 26) : '2');
    }
}

TEST(MEventMediatorLimits, AMessageLargerThanTheCopyRoomIsKeptWhole) {
    MEventMediator mediator;
    mediator.ApplySettings(MEventMediatorSettings());  // copy buffer of 16,384 + 131,072 bytes
    ScriptedEvent big(1, &mediator, {3, 3});
    big.messageSize = 140000;
    mediator.AddInputEvent(&big);
    mediator.WaitForInput();
    ASSERT_TRUE(mediator.RunInputRound());
    ASSERT_EQ(mediator.GetQueue().size(), 1u);
    const EventEntry& entry = mediator.GetQueue()[0];
    ASSERT_EQ(entry.Length, 140000);
    EXPECT_EQ(std::string(entry.Data, 140000), std::string(140000, 'b'));
}

TEST(MEventMediatorLimits, RemovingAnEventDuringThePassSkipsNone) {
    MEventMediator mediator;
    mediator.ApplySettings(MEventMediatorSettings());
    ScriptedEvent first(1, &mediator, {0});
    ScriptedEvent second(2, &mediator, {0});
    ScriptedEvent third(3, &mediator, {2});
    second.onInput = [&] { mediator.RemoveInputEvent(&first); };
    mediator.AddInputEvent(&first);
    mediator.AddInputEvent(&second);
    mediator.AddInputEvent(&third);
    mediator.WaitForInput();
    ASSERT_TRUE(mediator.RunInputRound());
    EXPECT_EQ(third.asked, 1);
    EXPECT_EQ(QueuedTexts(mediator), std::vector<std::string>{"I3 3:1"});
}

TEST(MEventMediatorLimits, NotificationsAreCopiedAndKeptMessagesAreNot) {
    MEventMediator mediator;
    mediator.ApplySettings(MEventMediatorSettings());
    ScriptedEvent keeper(1, &mediator, {3, 7});
    keeper.KeepData();
    mediator.AddInputEvent(&keeper);
    mediator.WaitForInput();
    ASSERT_TRUE(mediator.RunInputRound());
    ASSERT_EQ(mediator.GetQueue().size(), 2u);
    const EventEntry notice = mediator.GetQueue()[1];
    int32_t length = 0;
    EXPECT_EQ(mediator.GetQueue()[0].Data, keeper.MessageAt(0));  // in place
    keeper.ProcessInput(false);  // the event writes its next record into the same buffer
    EXPECT_STREQ(keeper.GetNotification(length), "N3");
    EXPECT_EQ(std::string(notice.Data, static_cast<std::size_t>(notice.Length)), "N2");
}

class KeepingRecorder : public MEventRecorder {
public:
    void RecordEntry(const EventEntry& entry) override {
        entries.push_back(std::string(1, static_cast<char>(entry.Type)) +
                          std::string(entry.Data, std::size_t(entry.Length)));
    }
    void EndOfPass(char pass) override { ends += pass; }
    std::vector<std::string> entries;
    std::string ends;
};

class OneEntry : public MCallBack<EventEntry*&> {
public:
    bool Execute(EventEntry*& entry) override {
        produced.EventId = 9;
        produced.Type = 'I';
        produced.Data = "src";
        produced.Length = 3;
        entry = &produced;
        return true;
    }
    EventEntry produced;
};

TEST(MEventMediatorActions, TheRecorderSeesQueuedAndRecorderOnlyEntriesAndTheEntrySourceIsAskedOnce) {
    MEventMediator mediator;
    KeepingRecorder recorder;
    mediator.SetRecorder(&recorder);
    MEventMediatorSettings settings;
    settings.EntrySource = new OneEntry;  // owned by the mediator from here
    mediator.ApplySettings(settings);
    ScriptedEvent event(1, &mediator, {4, 3, 0});
    mediator.AddInputEvent(&event);  // links the recorder
    mediator.WaitForInput();
    ASSERT_TRUE(mediator.RunInputRound());
    EXPECT_EQ(recorder.entries, (std::vector<std::string>{"J1:1", "I1:2", "Isrc"}));
    EXPECT_EQ(recorder.ends, "I");
    EXPECT_EQ(QueuedTexts(mediator), (std::vector<std::string>{"I1 1:2", "I9 src"}));
}

TEST(MEventMediatorLegacy, WithTheWindowEventAloneEveryCallHandsOutItsEntryAfterOneWait) {
    MEventMediatorLegacy mediator;
    MEventProcessWinMsg window(3, &mediator);
    mediator.AddInputEvent(&window);
    for (int call = 0; call < 3; ++call) {
        const int32_t idleBefore = mediator.GetWaiter()->GetIdlePasses();
        int32_t length = 0, id = 0, type = 0;
        const char* data = mediator.GetNextMessage(length, id, type);
        ASSERT_NE(data, nullptr);
        EXPECT_EQ(std::string(data, static_cast<std::size_t>(length)), "Process Windows Messages");
        EXPECT_EQ(id, 3);
        EXPECT_EQ(type, 'I');
        EXPECT_EQ(mediator.GetWaiter()->GetIdlePasses(), idleBefore + 1);  // exactly one wait
        EXPECT_EQ(mediator.GetQueue().size(), 1u);
        EXPECT_NE(data, window.GetInputMessage(length));  // copied by the mediator
    }
}

TEST(MEventMediatorLegacy, TheWindowEventComesFirstThenTheConnectionEventsEntries) {
    MEventMediatorLegacy mediator;
    MEventProcessWinMsg window(3, &mediator);
    ScriptedEvent connection(2, &mediator, {3, 3, 0}, 0);
    connection.KeepData();
    mediator.AddInputEvent(&window);
    mediator.AddInputEvent(&connection);
    mediator.AddOutputEvent(&connection);
    std::vector<std::string> handed;
    for (int call = 0; call < 5; ++call) {
        int32_t length = 0, id = 0, type = 0;
        const char* data = mediator.GetNextMessage(length, id, type);
        handed.push_back(std::to_string(id) + static_cast<char>(type) +
                         std::string(data, static_cast<std::size_t>(length)).substr(0, 7));
    }
    EXPECT_EQ(handed, (std::vector<std::string>{"3IProcess", "2I2:1", "2I2:2", "3IProcess", "3IProcess"}));
    EXPECT_GE(connection.outputs, 5);
}

class MediatorDescribe : public StateTablesFixture {};

TEST_F(MediatorDescribe, WritesTheHeaderAndOneLinePerEvent) {
    MEventMediator mediator;
    std::string out;
    MDescFormat format("\n", 0, false);
    format.SetOutput(&out);
    mediator.Describe(format);
    EXPECT_EQ(out, "");

    MEvent input(2, &mediator);
    MEvent output(0x1AB, &mediator);
    output.SetActive(false);
    input.GetStatus().GetTechnical().GetStatuses()[2].Set(EnumStatusByTechnicalState::Open);
    mediator.AddInputEvent(&input);
    mediator.AddOutputEvent(&output);
    GetCurrentStateRef() = TECHNICAL_STATE_MASTER;
    mediator.Describe(format);
    const std::string header =
        " Id   | Name                 | Status | Initializing | Replay |*Master | Slave | StandAlone | "
        "Suspend | "
        "LinkedSlave |";
    EXPECT_EQ(
        out,
        header + " []\n" + std::string(header.size(), '=') + " []\n" +
            " 002I | Event_2              | Open   |              |        | *o     |       |            |"
            "         |             | []\n"
            " 1ABO | Event_427            | Close  |              |        | *      |       |            |"
            "         |             | []");
}

TEST_F(MediatorDescribe, WritesTheBusinessTableWhenTheFirstEventHasBusinessStates) {
    DefineBusinessStates({"Pre", "Trading"});
    GetCurrentBusinessStateRef() = 1;
    MEventMediator mediator;
    MEvent output(5, &mediator);
    output.GetStatus().GetBusiness().GetStatuses()[1].Set(EnumStatusByBusinessState::Open);
    mediator.AddOutputEvent(&output);
    std::string out;
    MDescFormat format("\n", 0, false);
    format.SetOutput(&out);
    mediator.Describe(format);
    const std::string header = " Id   | Name                 | Status | Pre |*Trading |";
    EXPECT_NE(out.find("\n []\n" + header + " []\n" + std::string(header.size(), '=') + " []\n" +
                       " 005O | Event_5              | Open   |     | *o      | []"),
              std::string::npos)
        << out;
}

}  // namespace

namespace {

class MediatorStates : public StateTablesFixture {};

TEST_F(MediatorStates, ApplyingAStateSetsEachEventsActivityFromItsStatus) {
    MEventMediator mediator;
    MEvent open(1, &mediator);
    MEvent closed(2, &mediator);
    open.GetStatus().GetTechnical().GetStatuses()[TECHNICAL_STATE_MASTER].Set(
        EnumStatusByTechnicalState::Open);
    mediator.AddInputEvent(&open);
    mediator.AddOutputEvent(&closed);
    GetCurrentStateRef() = TECHNICAL_STATE_MASTER;
    EXPECT_TRUE(mediator.ApplyStateToEvents(TECHNICAL_STATE_MASTER));
    EXPECT_EQ(open.GetActivity(), 1);
    EXPECT_EQ(closed.GetActivity(), 0);
}

}  // namespace
