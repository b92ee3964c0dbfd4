// The store after an initial load, cut from its frames and dispatched while the load runs, holds
// exactly what the same messages give handed one by one to the record handlers outside a load:
// random loads of accounts and positions (repeated and blank numbers and ids, unknown instruments
// and participants, repeated keys, messages cut short, deletions, links, redefined instruments,
// random bytes in every free field), compared byte for byte, with the lookups that key them; and a
// second load into the memory that ClearAll gave back holds the same again.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <type_traits>
#include <vector>

#include "SessionTestSupport.h"
#include "net/BraeFrame.h"
#include "session/KVNEventManager.h"
#include "testserver/ServerMessages.h"

using K = KVNEventManager;
using testserver::Digits;
using testserver::Left;

namespace {

// A record's bytes; the records compared hold no padding.
template <class T>
std::string Bytes(const T& record) {
    static_assert(std::has_unique_object_representations_v<T>, "no padding between the fields");
    return std::string(reinterpret_cast<const char*>(&record), sizeof(T));
}

class RandomLoad {
public:
    explicit RandomLoad(uint32_t seed) : random_(seed) {}

    // Reference data, then count record messages.
    std::vector<std::string> Messages(int count) {
        std::vector<std::string> messages;
        std::vector<std::string> participants;
        for (int i = 0; i < 5; ++i)
            participants.push_back(testserver::MakeParticipant(
                "Participant " + std::to_string(i), ParticipantId(i), "FUM" + Digits(uint64_t(i), 5), 'P',
                "FIRM" + std::to_string(i % 2)));
        messages.push_back(testserver::MakeBulk("BP", participants));
        messages.push_back(Instruments(30));
        messages.push_back(testserver::MakeBulk("NF", {"20261209", "20261210"}));
        for (int i = 0; i < count; ++i) {
            const uint32_t kind = Below(100);
            if (kind < 20) {
                messages.push_back(Account());
            } else if (kind < 86) {
                messages.push_back(Position());
            } else if (kind < 90) {
                messages.push_back(PositionDelete());
            } else if (kind < 93) {
                messages.push_back(AccountDelete());
            } else if (kind < 96) {
                messages.push_back(BulkLink());
            } else if (kind < 98) {
                messages.push_back(Monitoring());
            } else {
                messages.push_back(Instruments(3));
            }
        }
        return messages;
    }

private:
    uint32_t Below(uint32_t bound) { return static_cast<uint32_t>(random_() % bound); }
    char Byte() { return static_cast<char>(Below(256)); }
    std::string RandomBytes(std::size_t count) {
        std::string bytes(count, ' ');
        for (char& c : bytes) c = Byte();
        return bytes;
    }
    // A message of length random bytes with its type code in front.
    std::string Random(const char* type, std::size_t length) {
        std::string message = RandomBytes(length);
        message.replace(0, 2, type);
        return message;
    }
    static void Put(std::string& message, std::size_t offset, const std::string& text) {
        if (offset < message.size())
            message.replace(offset, std::min(text.size(), message.size() - offset), text);
    }
    // Cut short now and then.
    std::string MaybeCut(std::string message) {
        if (Below(25) == 0) message.resize(Below(static_cast<uint32_t>(message.size())));
        return message;
    }

    static std::string ParticipantId(int i) { return "AP" + Digits(uint64_t(i), 2); }
    // Known participants and two unknown ones.
    std::string AnyParticipant() { return ParticipantId(static_cast<int>(Below(7))); }
    // Numbers and ids from small pools, so that they repeat; blanks among them.
    std::string AccountNumber() { return Below(12) == 0 ? "" : "ACC" + std::to_string(Below(60)); }
    std::string AccountId() {
        const uint32_t pick = Below(10);
        if (pick < 4) return "";
        if (pick == 4) return "99999999999";  // beyond the key's range: clamped
        return std::to_string(100 + Below(40));
    }
    std::string GroupInstrument() {
        const uint32_t pick = Below(40);  // the last ten are never defined
        return (pick % 2 ? "O1" : "F1") + Digits(pick, 4);
    }
    std::string Date() { return Below(20) == 0 ? RandomBytes(8) : "2026120" + std::to_string(Below(3)); }

    std::string Instruments(int count) {
        std::vector<std::string> elements;
        for (int i = 0; i < count; ++i) {
            const uint32_t pick = count == 30 ? uint32_t(i) : Below(30);
            elements.push_back(testserver::MakeInstrument(
                pick % 2 ? "O1" : "F1", Digits(pick, 4), Below(2) ? 'C' : 'P',
                Below(4) == 0 ? std::string(10, ' ') : "00" + Digits(Below(100000), 5) + ".50",
                "2027121" + std::to_string(Below(9)), RandomBytes(20), RandomBytes(30)));
        }
        return testserver::MakeBulk("BI", elements);
    }
    std::string Account() {
        static const char* const kTypes[] = {"KR", "JY", "QR"};
        const std::string type = kTypes[Below(3)];
        const std::size_t shift = type == "QR" ? 1 : 0;
        const std::size_t flags = type == "JY" ? 386 : type == "QR" ? 384 : 385;
        std::string message = Random(type.c_str(), flags + 32);
        Put(message, 49 - shift, Left(AccountNumber(), 16));
        Put(message, 347 - shift, AnyParticipant());
        Put(message, 352 - shift, Left(AccountId(), 16));
        for (std::size_t i = 0; i < 32; ++i) message[flags + i] = Below(2) ? 'Y' : 'N';
        return MaybeCut(message);
    }
    std::string Position() {
        std::string message = Random("KB", 122);
        Put(message, 24, Date());
        Put(message, 33, Left(AccountNumber(), 16));
        Put(message, 49, GroupInstrument());
        Put(message, 88, Left(AccountId(), 16));
        Put(message, 104, AnyParticipant());
        return MaybeCut(message);
    }
    std::string PositionDelete() {
        std::string message = Random("KF", 90);
        Put(message, 24, Left(AccountNumber(), 16));
        Put(message, 40, GroupInstrument());
        Put(message, 62, Left(AccountId(), 16));
        Put(message, 82, Date());
        return message;
    }
    std::string AccountDelete() { return NumberAndId("KA", 56); }
    std::string BulkLink() {
        std::string message = Random("KL", 45);
        Put(message, 24, Left(AccountId(), 16));
        message[40] = Below(2) ? 'A' : 'D';
        const uint32_t count = 1 + Below(4);
        Put(message, 41, Digits(count, 4));
        for (uint32_t i = 0; i < count; ++i) message += Left(AccountId(), 16);
        return message;
    }
    std::string Monitoring() { return NumberAndId("KX", 63); }
    // A message naming an account by its number at 24 and its id at 40.
    std::string NumberAndId(const char* type, std::size_t length) {
        std::string message = Random(type, length);
        Put(message, 24, Left(AccountNumber(), 16));
        Put(message, 40, Left(AccountId(), 16));
        return message;
    }

    std::mt19937 random_;
};

std::string Frames(const std::vector<std::string>& messages) {
    std::string bytes;
    for (const std::string& message : messages) bytes += testserver::FrameMessage(message);
    return bytes;
}

// The initial load: every frame cut and its message dispatched while loading.
void Load(K& session, const std::string& frames) {
    session.Loading = true;
    const char* bytes = frames.data();
    auto available = static_cast<uint32_t>(frames.size());
    int32_t length = 0;
    uint32_t frameSize = 0;
    while (CutBraeFrame(bytes, available, length, frameSize) == BraeCut::Message) {
        session.Dispatch(bytes + 4, length);
        bytes += frameSize;
        available -= frameSize;
    }
    session.Loading = false;
}

void ExpectSameStore(K& loaded, K& single) {
    ASSERT_EQ(loaded.Accounts.Records.size(), single.Accounts.Records.size());
    auto account = single.Accounts.Records.begin();
    for (const auto& [key, record] : loaded.Accounts.Records) {
        ASSERT_TRUE(key == account->first) << key.First.GetValue() << "," << key.Second.GetValue();
        ASSERT_EQ(Bytes<AccountDisplayData>(record), Bytes<AccountDisplayData>(account->second));
        ASSERT_TRUE(record.GetKey() == account->second.GetKey());
        ++account;
    }
    ASSERT_EQ(loaded.Positions.Records.size(), single.Positions.Records.size());
    auto position = single.Positions.Records.begin();
    for (const auto& [key, record] : loaded.Positions.Records) {
        ASSERT_TRUE(key == position->first) << key.First.GetValue() << "," << key.Second.GetValue();
        ASSERT_TRUE(record.GetKey() == key && position->second.GetKey() == key);
        ASSERT_EQ(Bytes<KB_PositionLong>(record), Bytes<KB_PositionLong>(position->second));
        ASSERT_EQ(
            loaded.FindPositionId(record.Group, record.Instrument, record.AccountNumber, record.AccountId),
            single.FindPositionId(record.Group, record.Instrument, record.AccountNumber, record.AccountId));
        ++position;
    }
    EXPECT_EQ(loaded.AccountNumbers, single.AccountNumbers);
    EXPECT_EQ(loaded.PositionIdCounter, single.PositionIdCounter);
    EXPECT_EQ(loaded.PositionIds.size(), single.PositionIds.size());
    EXPECT_EQ(loaded.InstrumentKeys, single.InstrumentKeys);
}

TEST(StoreLoadEquivalence, ALoadStoresWhatTheRecordsGiveOneByOne) {
    for (uint32_t seed = 1; seed <= 30; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        const std::vector<std::string> messages = RandomLoad(seed).Messages(seed % 3 == 0 ? 4000 : 600);
        SettingsDirectory settings;  // none written: sessions without events
        K loaded, single;
        const std::string frames = Frames(messages);
        Load(loaded, frames);
        for (const std::string& message : messages)
            single.Dispatch(message.data(), static_cast<int32_t>(message.size()));
        ExpectSameStore(loaded, single);
        if (HasFatalFailure()) return;
        // Again into the memory the first load gave back.
        loaded.ClearAll();
        Load(loaded, frames);
        ExpectSameStore(loaded, single);
        if (HasFatalFailure()) return;
    }
}

}  // namespace
