// The wildcard match on ordinary patterns (a literal, a literal prefix with a trailing star,
// escapes without a star; short and long) against the C library's fnmatch, and on patterns with
// many \* escapes: MatchPattern (dynamic programming, time proportional to text x pattern)
// against the plain recursion that tries every position at every star (time exponential in the
// number of stars when the match fails late).
#include <benchmark/benchmark.h>
#include <fnmatch.h>

#include <string>

#include "fields/MatchPattern.h"

namespace {

bool RecursiveMatch(const char* t, const char* p) {
    for (; *t; ++t) {
        if (*p == '\\') {
            if (p[1] == '*') {
                if (p[2] == 0) return true;
                for (const char* s = t; *s; ++s) {
                    if (RecursiveMatch(s, p + 2)) return true;
                }
                return false;
            }
            if (p[1] != '.') return false;  // the benchmark's patterns use \* and \. only
            p += 2;
        } else {
            if (*p != *t) return false;
            ++p;
        }
    }
    while (p[0] == '\\' && p[1] == '*') p += 2;
    return *p == 0 || (p[0] == '\\' && p[1] == 0);
}

// "\*a\*a...\*a" followed by "b": every star can stop anywhere and nothing ever matches.
std::string StarPattern(int stars) {
    std::string pattern;
    for (int i = 0; i < stars; ++i) pattern += "\\*a";
    return pattern + "b";
}

void BM_MatchPattern(benchmark::State& state) {
    const std::string text(static_cast<std::size_t>(state.range(0)), 'a');
    const std::string pattern = StarPattern(static_cast<int>(state.range(1)));
    for (auto _ : state) benchmark::DoNotOptimize(MatchPattern(text.c_str(), pattern.c_str()));
    state.SetItemsProcessed(state.iterations());
}

void BM_RecursiveMatch(benchmark::State& state) {
    const std::string text(static_cast<std::size_t>(state.range(0)), 'a');
    const std::string pattern = StarPattern(static_cast<int>(state.range(1)));
    for (auto _ : state) benchmark::DoNotOptimize(RecursiveMatch(text.c_str(), pattern.c_str()));
    state.SetItemsProcessed(state.iterations());
}

// A typical filter: a short pattern on a cell text.
void BM_MatchPatternCell(benchmark::State& state) {
    const std::string text = "ACCOUNT-0001234";
    for (auto _ : state) benchmark::DoNotOptimize(MatchPattern(text.c_str(), "ACC\\*-\\0\\0\\*4"));
    state.SetItemsProcessed(state.iterations());
}

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
        default:  // a literal ending in a one-character escape, no star
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

}  // namespace

BENCHMARK(BM_MatchPattern)->Args({20, 4})->Args({20, 8})->Args({30, 10})->Args({300, 100});
BENCHMARK(BM_RecursiveMatch)->Args({20, 4})->Args({20, 8})->Args({30, 10});
BENCHMARK(BM_MatchPatternCell);
