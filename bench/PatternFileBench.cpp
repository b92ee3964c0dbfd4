// The wildcard matcher on ordinary patterns (a literal, a literal prefix with a trailing star,
// escapes without a star, long literals) against the C library's fnmatch, and the text file class
// writing lines against the C library's buffered stream.
#include <benchmark/benchmark.h>
#include <fnmatch.h>

#include <cstdio>
#include <string>

#include "core/MFileBaseText.h"
#include "core/MFileMode.h"
#include "fields/MatchPattern.h"

namespace {

struct PatternCase {
    std::string text, pattern, fnPattern;
};

PatternCase MakeCase(int which, int length) {
    const std::string text = std::string(static_cast<std::size_t>(length), 'a') + "b";
    switch (which) {
        case 0:  // the whole text as a literal
            return {text, text, text};
        case 1:  // a literal prefix and a trailing star
            return {text, text.substr(0, text.size() / 2) + "\\*", text.substr(0, text.size() / 2) + "*"};
        default:  // one-character escapes, no star
            return {text, std::string(text.size() - 1, 'a') + "\\.", std::string(text.size() - 1, 'a') + "?"};
    }
}

void BM_PatternBaseline_Fnmatch(benchmark::State& state) {
    const PatternCase c = MakeCase(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state) benchmark::DoNotOptimize(fnmatch(c.fnPattern.c_str(), c.text.c_str(), 0));
    state.SetItemsProcessed(state.iterations());
}

void BM_PatternOrdinary(benchmark::State& state) {
    const PatternCase c = MakeCase(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state) benchmark::DoNotOptimize(MatchPattern(c.text.c_str(), c.pattern.c_str()));
    state.SetItemsProcessed(state.iterations());
}

BENCHMARK(BM_PatternBaseline_Fnmatch)->ArgsProduct({{0, 1, 2}, {16, 1000}});
BENCHMARK(BM_PatternOrdinary)->ArgsProduct({{0, 1, 2}, {16, 1000}});

constexpr int kLineLength = 80;
constexpr int kLines = 100000;

void BM_FileWriteBaseline_Stdio(benchmark::State& state) {
    const std::string line(kLineLength - 1, 'x');
    for (auto _ : state) {
        std::FILE* stream = std::fopen("/dev/null", "w");
        for (int i = 0; i < kLines; ++i) {
            std::fwrite(line.data(), 1, line.size(), stream);
            std::fwrite("\n", 1, 1, stream);
        }
        std::fclose(stream);
    }
    state.SetBytesProcessed(state.iterations() * kLines * kLineLength);
}
BENCHMARK(BM_FileWriteBaseline_Stdio)->Unit(benchmark::kMillisecond);

void BM_FileWriteText(benchmark::State& state) {
    const std::string line(kLineLength - 1, 'x');
    for (auto _ : state) {
        MFileBaseText file(0);
        file.SetFileName("/dev/null");
        file.Open(MFileMode(1), true);
        for (int i = 0; i < kLines; ++i) {
            file.Write(line.data(), static_cast<int32_t>(line.size()));
            file.Write("\n", 1);
        }
        file.Close(true);
    }
    state.SetBytesProcessed(state.iterations() * kLines * kLineLength);
}
BENCHMARK(BM_FileWriteText)->Unit(benchmark::kMillisecond);

}  // namespace
