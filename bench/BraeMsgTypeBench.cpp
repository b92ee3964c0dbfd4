// Finding the type of received messages: the one-read lookup of the two code bytes that the
// dispatch uses, against searching the catalogue's codes row by row, over a stream of the codes
// the client subscribes to and a few unknown ones.
#include <benchmark/benchmark.h>

#include <cstring>
#include <random>
#include <vector>

#include "brae/Brae_TC_UserConnection.h"
#include "brae/EnumBraeMsgType.h"
#include "fields/MEnumCodes.h"

namespace {

std::vector<std::string> MakeMessages(std::size_t count) {
    std::vector<std::string> codes;
    for (EnumBraeMsgType type : Brae_TC_UserConnection::kSubscribedTypes) {
        codes.emplace_back(MEnumTable<EnumBraeMsgType>::kRows[static_cast<int>(type)].code);
    }
    codes.insert(codes.end(), {"TH", "ZZ", "tc"});
    std::mt19937 random(7);
    std::vector<std::string> messages(count);
    for (std::string& message : messages) message = codes[random() % codes.size()] + "00000000 payload";
    return messages;
}

void BM_IncomingTypeTableRead(benchmark::State& state) {
    const std::vector<std::string> messages = MakeMessages(4096);
    for (auto _ : state) {
        int sum = 0;
        for (const std::string& m : messages) {
            sum += static_cast<int>(GetIncomingMsgType(m.data(), static_cast<int>(m.size())));
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(messages.size()));
}
BENCHMARK(BM_IncomingTypeTableRead);

void BM_IncomingTypeLinearSearch(benchmark::State& state) {
    using Codes = MEnumCodes<2, EnumBraeMsgType, kBraeMsgTypeCount>;
    const std::vector<std::string> messages = MakeMessages(4096);
    for (auto _ : state) {
        int sum = 0;
        for (const std::string& m : messages) {
            int found = 0;
            for (int i = kBraeMsgTypeCount - 1; i > 0; --i) {
                if (std::memcmp(Codes::Code(i), m.data(), 2) == 0) {
                    found = i;
                    break;
                }
            }
            sum += found;
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(messages.size()));
}
BENCHMARK(BM_IncomingTypeLinearSearch);

}  // namespace
