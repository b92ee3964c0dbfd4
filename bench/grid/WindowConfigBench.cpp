// Saving and loading the full configuration of a window with 200 columns and 50 filters (sort,
// filters, hidden columns, column order and widths, export schedule, title, position and
// display options) through its settings file in memory (goal: at most 2 ms).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <string>
#include <vector>

#include "core/BaseIniFile.h"
#include "fields/DescribeFields.h"
#include "fields/MIntX.h"
#include "grid/BusinessObjectGrid.h"
#include "grid/TBaseGridForm.h"
#include "store/TInterfaceView.h"

namespace {

// Twenty number fields; ten of them side by side make a record of 200 columns.
struct Block {
    MLong F0, F1, F2, F3, F4, F5, F6, F7, F8, F9, F10, F11, F12, F13, F14, F15, F16, F17, F18, F19;
    static constexpr auto Fields() {
        return MFields(MField("F0", &Block::F0), MField("F1", &Block::F1), MField("F2", &Block::F2),
                       MField("F3", &Block::F3), MField("F4", &Block::F4), MField("F5", &Block::F5),
                       MField("F6", &Block::F6), MField("F7", &Block::F7), MField("F8", &Block::F8),
                       MField("F9", &Block::F9), MField("F10", &Block::F10), MField("F11", &Block::F11),
                       MField("F12", &Block::F12), MField("F13", &Block::F13), MField("F14", &Block::F14),
                       MField("F15", &Block::F15), MField("F16", &Block::F16), MField("F17", &Block::F17),
                       MField("F18", &Block::F18), MField("F19", &Block::F19));
    }
};

struct Wide {
    MLong Id;
    Block B0, B1, B2, B3, B4, B5, B6, B7, B8, B9;

    BaseKey GetKey() const { return BaseKey(0, Id.GetValue()); }
    static const char* GetDisplayName() { return "Wide"; }
    static constexpr auto Fields() {
        return MFields(MField("B0", &Wide::B0), MField("B1", &Wide::B1), MField("B2", &Wide::B2),
                       MField("B3", &Wide::B3), MField("B4", &Wide::B4), MField("B5", &Wide::B5),
                       MField("B6", &Wide::B6), MField("B7", &Wide::B7), MField("B8", &Wide::B8),
                       MField("B9", &Wide::B9));
    }
    static void DescribeClass(MStaticFormat& format) { DescribeFieldTypes<Wide>(format); }
    void FormatObject(MObjectFormat& format) { DescribeFields(*this, format); }
};

void BM_WindowConfigSaveAndLoad(benchmark::State& state) {
    QMdiArea area;
    area.resize(1200, 800);
    auto* view = new TInterfaceView<Wide>;
    const std::vector<std::string> titles = view->GetTitleList();
    if (titles.size() != 200) state.SkipWithError("not 200 columns");

    BaseGridConfig config;  // no file name: the settings file stays in memory
    config.WindowSection = "Wide1";
    config.WindowTitle = "Wide window";
    auto* window = new TBaseGridForm(&area, nullptr, config, nullptr, view);

    for (std::size_t i = 0; i < titles.size(); i += 40)
        window->SortCriteria.emplace_back(titles[i], i % 80 == 0);
    window->SortActive = true;
    for (std::size_t i = 0; i < titles.size(); i += 10) view->GetTitleVisibility()[titles[i]] = false;
    window->ApplyColumnVisibility(view->GetTitleVisibility());
    for (int col = 1; col < window->Grid()->ColCount(); ++col) window->Grid()->SetColWidth(col, 40 + col);
    for (int i = 0; i < 50; ++i) {
        ColumnFilter filter;
        filter.ColumnName = titles[static_cast<std::size_t>(i * 4)];
        filter.Condition = i % 8;
        filter.Negation = i % 3 == 0;
        filter.UseDeltaTime = i % 5 == 0;
        filter.Value = std::to_string(i * 1000);
        filter.Values = StringVector{std::vector<std::string>{"10", "20", "30"}};
        filter.MinValue = "1";
        filter.MaxValue = "99";
        filter.MinIncluded = true;
        view->GetFilter().push_back(filter);
    }
    view->GetFilter().PopupAlertEnabled = true;
    view->GetFilter().PopupAlertMessage = "New wide row";
    window->ExportSchedule = {"080000", "120000", "163000"};

    BaseIniFile& file = window->SettingsFile();
    for (auto _ : state) {
        window->SaveWindowConfig(file);
        window->LoadWindowConfig();
        benchmark::DoNotOptimize(view->GetFilter().size());
    }
    if (view->GetFilter().size() != 50 || window->SortCriteria.size() != 5)
        state.SkipWithError("configuration lost");
    delete window->SubWindow();
}
BENCHMARK(BM_WindowConfigSaveAndLoad)->Unit(benchmark::kMicrosecond);

}  // namespace
