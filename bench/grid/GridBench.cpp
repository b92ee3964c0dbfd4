// The filtered list's rebuild per keystroke over 100,000 symbols (goal: at most 5 ms), and the
// generic record dialog's line split of a text of 1,000,000 lines (goal: at most 100 ms).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <set>
#include <string>

#include "grid/TFilteredListForm.h"
#include "grid/TGenericBOForm.h"
#include "toolkit/Edit.h"

namespace {

std::set<std::string> Symbols(int count) {
    std::set<std::string> symbols;
    for (int i = 0; static_cast<int>(symbols.size()) < count; ++i) {
        std::string s;
        for (int n = i * 7919 + 13; s.size() < 6; n /= 26) s += static_cast<char>('A' + n % 26);
        symbols.insert(s + std::to_string(i % 1000));
    }
    return symbols;
}

void BM_FilteredListKeystroke(benchmark::State& state) {
    const std::set<std::string> symbols = Symbols(100000);
    std::string text;
    TFilteredListForm form(nullptr);
    form.Prepare("External Symbol", &text, symbols);
    form.show();
    QApplication::processEvents();
    auto* edit = form.Control<Edit>("ItemFilterEdit");
    const char* typed[] = {"", "M", "MK", "MKV", "MK", "M", "Q", "QA"};
    std::size_t k = 0;
    for (auto _ : state) {
        edit->SetText(typed[k++ % std::size(typed)]);
        QApplication::processEvents();
        benchmark::DoNotOptimize(form.ShownCount());
    }
}
BENCHMARK(BM_FilteredListKeystroke)->Unit(benchmark::kMillisecond);

void BM_SplitMillionLines(benchmark::State& state) {
    std::string text;
    for (int i = 0; i < 1000000; ++i) text += "Field." + std::to_string(i) + "\r\n";
    for (auto _ : state) benchmark::DoNotOptimize(TGenericBOForm::SplitText(text, state.range(0) != 0));
}
BENCHMARK(BM_SplitMillionLines)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
