// The session's data store: the initial load ingested from its frames (cut, dispatched, stored),
// a bulk link over a million positions, the memory a stored position takes, and the refresh of
// grid windows (a new window refilled with a million positions; a refresh of a thousand changed
// keys with the windows' own handling left out: their handles reach no window).
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/IniFileLocation.h"
#include "net/BraeFrame.h"
#include "session/KVNEventManager.h"
#include "store/NodePool.h"
#include "store/TInterfaceView.h"
#include "testserver/ServerMessages.h"

namespace {

using testserver::Digits;
using testserver::Left;

constexpr int kInstruments = 10000;
constexpr int kParticipants = 1000;
constexpr int kAccounts = 100000;
constexpr int kPositionsPerAccount = 10;

std::string Put(std::string message, std::size_t offset, const std::string& text) {
    return message.replace(offset, text.size(), text);
}

// prefix followed by text (appended, not by operator+, on which g++ 12 at -O3 warns wrongly).
std::string Cat(const char* prefix, const std::string& text) {
    std::string result(prefix);
    result.append(text);
    return result;
}

std::string AccountId(int account) {
    return std::to_string(1000000 + account);
}

std::string InstrumentCode(int instrument) {
    return Digits(static_cast<uint64_t>(instrument), 4);
}

// KR: account number at 49, participant id at 347, AccountId at 352, internal type at 368,
// flags at 385.
std::string AccountMessage(int account) {
    std::string message(417, ' ');
    message = Put(message, 0, "KR");
    message = Put(message, 49, Cat("ACC", Digits(static_cast<uint64_t>(account), 7)));
    message = Put(message, 347, Cat("P", Digits(static_cast<uint64_t>(account % kParticipants), 3)));
    message = Put(message, 352, AccountId(account));
    message = Put(message, 368, "C");
    return Put(message, 385, std::string(32, 'N'));
}

// KB: report date at 24, account number at 33, group at 49, instrument at 51, quantities at 55
// and 63, AccountId at 88, participant id at 104.
std::string PositionMessage(int account, int instrument) {
    std::string message(122, ' ');
    message = Put(message, 0, "KB");
    message = Put(message, 24, "20261209");
    message = Put(message, 33, Cat("ACC", Digits(static_cast<uint64_t>(account), 7)));
    message = Put(message, 49, Cat("O1", InstrumentCode(instrument)));
    message = Put(message, 55, "0000001000000000");
    message = Put(message, 88, AccountId(account));
    return Put(message, 104, Cat("P", Digits(static_cast<uint64_t>(account % kParticipants), 3)));
}

// The instrument of the account's j-th position: ten distinct ones per account.
int PositionInstrument(int account, int j) {
    return (account * 7 + j * 1009) % kInstruments;
}

// The load as the server streams it: instruments (800 to a message), participants, dates,
// accounts, then each account's positions.
std::vector<std::string> LoadMessages(int accounts) {
    std::vector<std::string> messages;
    std::vector<std::string> elements;
    for (int i = 0; i < kInstruments; ++i) {
        elements.push_back(testserver::MakeInstrument("O1", InstrumentCode(i), 'C', "0000100.00", "20271217",
                                                      Cat("CLASS", std::to_string(i)),
                                                      Cat("SYM", std::to_string(i))));
        if (elements.size() == 800 || i + 1 == kInstruments) {
            messages.push_back(testserver::MakeBulk("BI", elements));
            elements.clear();
        }
    }
    for (int i = 0; i < kParticipants; ++i) {
        elements.push_back(testserver::MakeParticipant(
            Cat("Participant ", std::to_string(i)), Cat("P", Digits(static_cast<uint64_t>(i), 3)),
            Cat("FUM", Digits(static_cast<uint64_t>(i), 5)), 'P', Cat("FIRM", std::to_string(i % 10))));
    }
    messages.push_back(testserver::MakeBulk("BP", elements));
    messages.push_back(testserver::MakeBulk("NF", {"20261209", "20261210"}));
    for (int a = 0; a < accounts; ++a) messages.push_back(AccountMessage(a));
    for (int a = 0; a < accounts; ++a) {
        for (int j = 0; j < kPositionsPerAccount; ++j)
            messages.push_back(PositionMessage(a, PositionInstrument(a, j)));
    }
    return messages;
}

// The frames of the messages, one after another, as they arrive on the socket.
std::string Frames(const std::vector<std::string>& messages) {
    std::string bytes;
    for (const std::string& message : messages) {
        const std::size_t at = bytes.size();
        bytes.resize(at + BraeFrameSize(static_cast<uint32_t>(message.size())));
        LayBraeFrame(bytes.data() + at, message.data(), static_cast<uint32_t>(message.size()));
    }
    return bytes;
}

// A session without a server (no settings file: no events), fed by hand.
struct Setup {
    Setup() {
        char pattern[] = "/tmp/korvane-bench-XXXXXX";
        directory = ::mkdtemp(pattern);
        SetExecutableDirectory(directory + "/");
        session = std::make_unique<KVNEventManager>();
    }
    ~Setup() {
        session.reset();
        SetExecutableDirectory("");
        std::filesystem::remove_all(directory);
    }
    // Cuts every frame and dispatches its message; the number of messages.
    std::size_t Ingest(const std::string& frames) {
        std::size_t count = 0;
        const char* bytes = frames.data();
        auto available = static_cast<uint32_t>(frames.size());
        int32_t length = 0;
        uint32_t frameSize = 0;
        while (CutBraeFrame(bytes, available, length, frameSize) == BraeCut::Message) {
            session->Dispatch(bytes + 4, length);
            bytes += frameSize;
            available -= frameSize;
            ++count;
        }
        return count;
    }
    void Load(int accounts) {
        session->Loading = true;
        Ingest(Frames(LoadMessages(accounts)));
        session->Loading = false;
    }
    std::string directory;
    std::unique_ptr<KVNEventManager> session;
};

// The whole initial load, from its frames to the stores: messages per second on one core. The
// first run of the process stores into memory the system has not yet given it (every page is
// faulted in as it is first touched); the second measures the load into memory that a reset has
// freed, as after a reconnection.
void BM_InitialLoadIngestIntoFreshMemory(benchmark::State& state) {
    Setup setup;
    const std::string frames = Frames(LoadMessages(kAccounts));
    std::size_t messages = 0;
    for (auto _ : state) {
        setup.session->Loading = true;
        messages += setup.Ingest(frames);
        setup.session->Loading = false;
    }
    state.SetItemsProcessed(static_cast<int64_t>(messages));
}
BENCHMARK(BM_InitialLoadIngestIntoFreshMemory)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_InitialLoadIngest(benchmark::State& state) {
    Setup setup;
    const std::string frames = Frames(LoadMessages(kAccounts));
    setup.Ingest(frames);
    setup.session->ClearAll();
    std::size_t messages = 0;
    for (auto _ : state) {
        setup.session->Loading = true;
        messages += setup.Ingest(frames);
        state.PauseTiming();
        setup.session->Loading = false;
        setup.session->ClearAll();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(static_cast<int64_t>(messages));
}
BENCHMARK(BM_InitialLoadIngest)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();

// The floor of the ingest: the same frames walked and each message copied into large chunks,
// into fresh memory (chunks allocated as they fill) or into chunks allocated once and reused.
std::size_t CopyFrames(const std::string& frames, std::vector<std::unique_ptr<char[]>>& chunks, bool fresh) {
    constexpr std::size_t kChunk = std::size_t(1) << 24;
    std::size_t count = 0, chunk = 0, used = 0;
    const char* bytes = frames.data();
    auto available = static_cast<uint32_t>(frames.size());
    int32_t length = 0;
    uint32_t frameSize = 0;
    if (fresh) chunks.clear();
    while (CutBraeFrame(bytes, available, length, frameSize) == BraeCut::Message) {
        const auto size = static_cast<std::size_t>(length);
        if (chunks.empty() || used + size > kChunk) {
            if (!chunks.empty()) ++chunk;
            if (chunk == chunks.size()) chunks.push_back(std::make_unique_for_overwrite<char[]>(kChunk));
            used = 0;
        }
        std::memcpy(chunks[chunk].get() + used, bytes + 4, size);
        used += size;
        bytes += frameSize;
        available -= frameSize;
        ++count;
    }
    benchmark::DoNotOptimize(chunks.data());
    return count;
}

// The floor into chunks allocated once and reused.
void IngestFloor(benchmark::State& state, const std::string& frames) {
    std::vector<std::unique_ptr<char[]>> chunks;
    CopyFrames(frames, chunks, true);
    std::size_t messages = 0;
    for (auto _ : state) messages += CopyFrames(frames, chunks, false);
    state.SetItemsProcessed(static_cast<int64_t>(messages));
}

void BM_InitialLoadIngestFloorFreshMemory(benchmark::State& state) {
    const std::string frames = Frames(LoadMessages(kAccounts));
    std::vector<std::unique_ptr<char[]>> chunks;
    std::size_t messages = 0;
    for (auto _ : state) messages += CopyFrames(frames, chunks, true);
    state.SetItemsProcessed(static_cast<int64_t>(messages));
}
BENCHMARK(BM_InitialLoadIngestFloorFreshMemory)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_InitialLoadIngestFloor(benchmark::State& state) {
    IngestFloor(state, Frames(LoadMessages(kAccounts)));
}
BENCHMARK(BM_InitialLoadIngestFloor)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();

// The stores' part of the load by record kind, each beside its floor (the same frames walked and
// copied into chunks): the accounts' frames alone, after the reference data, and the positions'
// frames alone, after the reference data and the accounts. Each run loads into the memory that
// ClearAll gave back; the positions once more into memory the process has not touched before.
struct KindFrames {
    KindFrames() {
        head = Frames(LoadMessages(0));
        std::vector<std::string> messages;
        for (int a = 0; a < kAccounts; ++a) messages.push_back(AccountMessage(a));
        accounts = Frames(messages);
        messages.clear();
        for (int a = 0; a < kAccounts; ++a) {
            for (int j = 0; j < kPositionsPerAccount; ++j)
                messages.push_back(PositionMessage(a, PositionInstrument(a, j)));
        }
        positions = Frames(messages);
    }
    std::string head, accounts, positions;
};

const KindFrames& TheKindFrames() {
    static const KindFrames frames;
    return frames;
}

// Ingests the accounts' or the positions' frames into the store as ClearAll left it, the frames of
// the kinds before them ingested untimed each time.
void IngestKind(benchmark::State& state, Setup& setup, bool positions) {
    const KindFrames& frames = TheKindFrames();
    std::size_t messages = 0;
    for (auto _ : state) {
        state.PauseTiming();
        setup.session->ClearAll();
        setup.session->Loading = true;
        setup.Ingest(frames.head);
        if (positions) setup.Ingest(frames.accounts);
        state.ResumeTiming();
        messages += setup.Ingest(positions ? frames.positions : frames.accounts);
    }
    setup.session->Loading = false;
    state.SetItemsProcessed(static_cast<int64_t>(messages));
}

void BM_AccountIngest(benchmark::State& state) {
    Setup setup;
    setup.Ingest(TheKindFrames().head);
    setup.Ingest(TheKindFrames().accounts);
    IngestKind(state, setup, false);
}
BENCHMARK(BM_AccountIngest)->Iterations(5)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_AccountIngestFloor(benchmark::State& state) {
    IngestFloor(state, TheKindFrames().accounts);
}
BENCHMARK(BM_AccountIngestFloor)->Iterations(5)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_PositionIngest(benchmark::State& state) {
    Setup setup;
    setup.Load(kAccounts);
    IngestKind(state, setup, true);
}
BENCHMARK(BM_PositionIngest)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_PositionIngestFloor(benchmark::State& state) {
    IngestFloor(state, TheKindFrames().positions);
}
BENCHMARK(BM_PositionIngestFloor)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_PositionIngestIntoFreshMemory(benchmark::State& state) {
    std::vector<std::unique_ptr<Setup>> setups;
    std::size_t messages = 0;
    for (auto _ : state) {
        state.PauseTiming();
        Setup& setup = *setups.emplace_back(std::make_unique<Setup>());
        setup.session->Loading = true;
        setup.Ingest(TheKindFrames().head);
        setup.Ingest(TheKindFrames().accounts);
        state.ResumeTiming();
        messages += setup.Ingest(TheKindFrames().positions);
    }
    state.SetItemsProcessed(static_cast<int64_t>(messages));
}
BENCHMARK(BM_PositionIngestIntoFreshMemory)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_PositionIngestFloorFreshMemory(benchmark::State& state) {
    std::vector<std::unique_ptr<char[]>> chunks;
    std::size_t messages = 0;
    for (auto _ : state) messages += CopyFrames(TheKindFrames().positions, chunks, true);
    state.SetItemsProcessed(static_cast<int64_t>(messages));
}
BENCHMARK(BM_PositionIngestFloorFreshMemory)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// The heap in use: the arena's allocated bytes, the blocks mapped on their own and the stores'
// chunks mapped from the system.
std::size_t HeapInUse() {
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd + NodePool::MappedBytes();
}

// The heap a stored position takes, with its share of the session's lookup tables.
void BM_MemoryPerStoredPosition(benchmark::State& state) {
    Setup setup;
    double perPosition = 0;
    for (auto _ : state) {
        setup.session->ClearAll();
        setup.session->Loading = true;
        // Accounts and reference data first, then the positions alone.
        std::vector<std::string> head = LoadMessages(0);
        setup.Ingest(Frames(head));
        for (int a = 0; a < kAccounts; ++a) setup.session->Dispatch(AccountMessage(a).data(), 417);
        const std::size_t before = HeapInUse();
        for (int a = 0; a < kAccounts; ++a) {
            for (int j = 0; j < kPositionsPerAccount; ++j) {
                const std::string message = PositionMessage(a, PositionInstrument(a, j));
                setup.session->Dispatch(message.data(), 122);
            }
        }
        const std::size_t after = HeapInUse();
        setup.session->Loading = false;
        perPosition = double(after - before) / double(setup.session->Positions.Records.size());
    }
    state.counters["bytes_per_position"] = perPosition;
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_bytes_per_position"] =
        double(usage.ru_maxrss) * 1024.0 / double(setup.session->Positions.Records.size());
    state.counters["record_bytes"] = sizeof(KB_Position);
}
BENCHMARK(BM_MemoryPerStoredPosition)->Iterations(1)->Unit(benchmark::kMillisecond);

// A bulk link of 100 account ids over a million stored positions (ten per account), linking and
// unlinking in turn.
void BM_BulkLinkOverMillionPositions(benchmark::State& state) {
    Setup setup;
    setup.Load(kAccounts);
    std::string link[2];
    for (int k = 0; k < 2; ++k) {
        link[k] = Left("KL", 24) + Left("9999999", 16) + (k == 0 ? "A" : "D") + "0100";
        for (int i = 0; i < 100; ++i) link[k] += Left(AccountId(i * 997 % kAccounts), 16);
    }
    std::size_t turn = 0;
    for (auto _ : state) {
        const std::string& message = link[turn++ % 2];
        setup.session->Dispatch(message.data(), static_cast<int32_t>(message.size()));
        state.PauseTiming();
        setup.session->ClearChangeLists();
        state.ResumeTiming();
    }
    state.counters["positions_changed_per_link"] = 100.0 * kPositionsPerAccount;
}
BENCHMARK(BM_BulkLinkOverMillionPositions)->Unit(benchmark::kMicrosecond);

// A new position window refilled with a million positions at the refresh.
void BM_RefreshRefillsNewWindow(benchmark::State& state) {
    Setup setup;
    setup.Load(kAccounts);
    for (auto _ : state) {
        state.PauseTiming();
        auto view = std::make_unique<TInterfaceView<KB_Position>>();
        setup.session->SetGridClient(0x7FFF0001, view.get(), ChildType::Positions);
        state.ResumeTiming();
        setup.session->RefreshGrids();
        state.PauseTiming();
        if (view->GetAllRowCount() != kAccounts * kPositionsPerAccount + 1)
            state.SkipWithError("rows missing");
        setup.session->UnregisterGridClient(0x7FFF0001);
        view.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kAccounts * kPositionsPerAccount);
}
BENCHMARK(BM_RefreshRefillsNewWindow)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();

// A refresh with 1,000 changed keys spread over the kinds, eight windows registered (one per
// kind) that reach no window: the session's own part of the refresh.
void BM_RefreshOfThousandChangedKeys(benchmark::State& state) {
    Setup setup;
    setup.Load(1000);
    for (uint32_t kind = 0; kind < 8; ++kind) {
        setup.session->RegisterGridClient(0x7FFF0000 + kind);
        setup.session->GridClients[0x7FFF0000 + kind].Kind = static_cast<ChildType>(kind);
    }
    std::vector<BaseKey> accounts, positions;
    for (const auto& entry : setup.session->Accounts.Records) accounts.push_back(entry.first);
    for (const auto& entry : setup.session->Positions.Records) positions.push_back(entry.first);
    for (auto _ : state) {
        state.PauseTiming();
        for (int i = 0; i < 500; ++i) {
            setup.session->Accounts.ChangedKeys.push_back(accounts[std::size_t(i) % accounts.size()]);
            setup.session->Positions.ChangedKeys.push_back(positions[std::size_t(i) * 7 % positions.size()]);
        }
        state.ResumeTiming();
        setup.session->RefreshGrids();
    }
}
BENCHMARK(BM_RefreshOfThousandChangedKeys)->Unit(benchmark::kMicrosecond);

}  // namespace
