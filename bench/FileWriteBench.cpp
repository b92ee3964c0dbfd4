// The text file class writing lines against the C library's buffered stream writing the same
// bytes, both to the null device.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "core/MFileBaseText.h"
#include "core/MFileMode.h"

namespace {

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
