// Prices and digit strings parsed from text and formatted back, values per second; the
// table-driven digit parse against a per-character loop.
#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <vector>

#include "brae/BraeFieldTypes.h"
#include "fields/MIntX.h"
#include "fields/MStringFloat.h"
#include "fields/MStringInt.h"
#include "fields/NumericTextParsing.h"

namespace {

const std::vector<std::string>& PriceTexts() {
    static const std::vector<std::string> texts = {"12.5",      "-0,75",  "7",         "1234.5678",
                                                   "0.0012345", "-99.99", "123456789", "  0042.10"};
    return texts;
}

void BM_PriceSetText(benchmark::State& state) {
    const auto& texts = PriceTexts();
    BraePrice price;
    std::size_t i = 0;
    for (auto _ : state) {
        const std::string& text = texts[i++ % texts.size()];
        price.SetText(text.data(), static_cast<int>(text.size()));
        benchmark::DoNotOptimize(price);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PriceSetText);

void BM_PriceGetText(benchmark::State& state) {
    std::vector<BraePrice> prices;
    for (const auto& text : PriceTexts()) prices.emplace_back(text);
    std::size_t i = 0;
    for (auto _ : state) {
        int length = 0;
        benchmark::DoNotOptimize(prices[i++ % prices.size()].GetText(&length, nullptr));
        benchmark::DoNotOptimize(length);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PriceGetText);

void BM_PriceCompare(benchmark::State& state) {
    std::vector<BraePrice> prices;
    for (const auto& text : PriceTexts()) prices.emplace_back(text);
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(prices[i % prices.size()].IsLess(prices[(i + 3) % prices.size()]));
        ++i;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PriceCompare);

void BM_DigitStringSetText(benchmark::State& state) {
    const char* texts[] = {"1234", "00012345", "99999999", "7", "  0042.0"};
    BraeNb8 value;
    std::size_t i = 0;
    for (auto _ : state) {
        value.SetText(texts[i++ % 5]);
        benchmark::DoNotOptimize(value);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_DigitStringSetText);

void BM_DigitStringGetValue(benchmark::State& state) {
    BraeNb8 values[] = {BraeNb8("1234"), BraeNb8("12345678"), BraeNb8("7")};
    std::size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(values[i++ % 3].GetValue());
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_DigitStringGetValue);

void BM_DigitStringSetValueGetText(benchmark::State& state) {
    BraeNb8 value;
    int v = 1;
    for (auto _ : state) {
        value.SetValue(v);
        int length = 0;
        benchmark::DoNotOptimize(value.GetText(&length, nullptr));
        v = v * 7 % 99999989;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_DigitStringSetValueGetText);

void BM_ParseDecimalDigits(benchmark::State& state) {
    const std::string text = "12345678901234567890";
    const int n = static_cast<int>(state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(ParseDecimalDigits64(text.data(), n));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ParseDecimalDigits)->Arg(4)->Arg(8)->Arg(18);

uint64_t LoopDigits(const char* p, int n) {
    uint64_t value = 0;
    for (int i = 0; i < n; ++i)
        value = value * 10 + static_cast<unsigned>(p[i] >= '0' && p[i] <= '9' ? p[i] - '0' : 0);
    return value;
}

void BM_ParseDigitsByLoop(benchmark::State& state) {
    const std::string text = "12345678901234567890";
    const int n = static_cast<int>(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(text.data());
        benchmark::DoNotOptimize(LoopDigits(text.data(), n));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ParseDigitsByLoop)->Arg(4)->Arg(8)->Arg(18);

void BM_IntegerSetText(benchmark::State& state) {
    const char* texts[] = {"123", "-2147483648", "42", "+7"};
    MLong value;
    std::size_t i = 0;
    for (auto _ : state) {
        value.SetText(texts[i++ % 4]);
        benchmark::DoNotOptimize(value);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_IntegerSetText);

}  // namespace
