// Building the client's records from received messages and keying them: an account from its
// 417-byte acknowledgment, a historical command row from its 360-byte answer, and the key of an
// account whose id is still blank, found by its place in account-number lists of growing size.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "store/HistoricalCommandData.h"
#include "store/KR_Account.h"

namespace {

std::string Padded(const std::string& text, std::size_t width) {
    std::string padded = text;
    padded.resize(width, ' ');
    return padded;
}

std::string AccountMessage(const std::string& accountNumber, const std::string& accountId) {
    std::string message = Padded("KR", 24) + "N" + Padded("Affiliate", 24) + Padded(accountNumber, 16) + "1A";
    message = Padded(message, 352) + Padded(accountId, 16) + "C";
    return Padded(message, 385) + "YN" + std::string(30, 'N');
}

void BM_AccountFromAcknowledgment(benchmark::State& state) {
    const std::string message = AccountMessage("ACC00042", "42");
    for (auto _ : state) {
        KR_Account account(EnumBraeMsgType::KR, message.data(), static_cast<int>(message.size()));
        benchmark::DoNotOptimize(account.GetKey());
    }
}
BENCHMARK(BM_AccountFromAcknowledgment);

void BM_HistoricalCommandFromAnswer(benchmark::State& state) {
    const std::string message = Padded("RA", 24) + "20240315142530EAF" + Padded("Account entry", 300) +
                                Padded("jsmith", 11) + "FU000123";
    for (auto _ : state) {
        HistoricalCommandData row(message.data(), static_cast<int>(message.size()));
        benchmark::DoNotOptimize(row);
    }
}
BENCHMARK(BM_HistoricalCommandFromAnswer);

// The key of an account with a blank id whose number is the list's last entry.
void BM_AccountKeyByListPlace(benchmark::State& state) {
    std::vector<std::string> list;
    for (int i = 0; i < state.range(0); ++i) list.push_back("ACC" + std::to_string(i));
    const std::string message = AccountMessage(list.back(), "");
    KR_Account account(EnumBraeMsgType::KR, message.data(), static_cast<int>(message.size()));
    account.SetAccountNumberList(&list);
    for (auto _ : state) benchmark::DoNotOptimize(account.GetKey());
}
BENCHMARK(BM_AccountKeyByListPlace)->Arg(100)->Arg(10000);

}  // namespace
