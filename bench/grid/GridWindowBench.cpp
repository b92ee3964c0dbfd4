// A grid window over a million rows: the data-changed refresh with 1,000 changed rows on a sorted,
// filtered view (goal: at most 10 ms), a repaint of a full-HD window's visible cells (goal: at
// most 16 ms) and opening a window on a million-row view (goal: at most 100 ms).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QHeaderView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "fields/DescribeFields.h"
#include "fields/MIntX.h"
#include "fields/MRPString.h"
#include "fields/MTitleFormat.h"
#include "grid/BusinessObjectGrid.h"
#include "grid/TBaseGridForm.h"
#include "grid/TitleManager.h"
#include "store/TInterfaceView.h"

namespace {

constexpr int kRows = 1000000;
constexpr int kChanges = 1000;

struct Holding {
    MLong Id;
    MRPString<12, 32, MValAccept> Account;
    MLong Quantity;
    MLong Price;
    MRPString<8, 32, MValAccept> Symbol;
    // Fifteen more number columns, so that a full-HD window is full of cells.
    MLong Extra1, Extra2, Extra3, Extra4, Extra5, Extra6, Extra7, Extra8, Extra9, Extra10, Extra11, Extra12,
        Extra13, Extra14, Extra15;

    BaseKey GetKey() const { return BaseKey(0, Id.GetValue()); }
    static const char* GetDisplayName() { return "Holdings"; }
    static constexpr auto Fields() {
        return MFields(MField("Id", &Holding::Id), MField("Account", &Holding::Account),
                       MField("Quantity", &Holding::Quantity), MField("Price", &Holding::Price),
                       MField("Symbol", &Holding::Symbol), MField("Extra1", &Holding::Extra1),
                       MField("Extra2", &Holding::Extra2), MField("Extra3", &Holding::Extra3),
                       MField("Extra4", &Holding::Extra4), MField("Extra5", &Holding::Extra5),
                       MField("Extra6", &Holding::Extra6), MField("Extra7", &Holding::Extra7),
                       MField("Extra8", &Holding::Extra8), MField("Extra9", &Holding::Extra9),
                       MField("Extra10", &Holding::Extra10), MField("Extra11", &Holding::Extra11),
                       MField("Extra12", &Holding::Extra12), MField("Extra13", &Holding::Extra13),
                       MField("Extra14", &Holding::Extra14), MField("Extra15", &Holding::Extra15));
    }
    static void DescribeClass(MStaticFormat& format) { DescribeFieldTypes<Holding>(format); }
    void FormatObject(MObjectFormat& format) { DescribeFields(*this, format); }
};

using HoldingView = TInterfaceView<Holding>;

Holding Make(int id, std::mt19937& random) {
    Holding h;
    h.Id.SetValue(id);
    h.Account.SetText(("ACC" + std::to_string(random() % 5000)).c_str());
    h.Quantity.SetValue(static_cast<int32_t>(random() % 1000));
    h.Price.SetValue(static_cast<int32_t>(random() % 100000));
    h.Symbol.SetText(("S" + std::to_string(random() % 300)).c_str());
    for (MLong* extra :
         {&h.Extra1, &h.Extra2, &h.Extra3, &h.Extra4, &h.Extra5, &h.Extra6, &h.Extra7, &h.Extra8, &h.Extra9,
          &h.Extra10, &h.Extra11, &h.Extra12, &h.Extra13, &h.Extra14, &h.Extra15})
        extra->SetValue(static_cast<int32_t>(random() % 100000));
    return h;
}

// A view of a million holdings, sorted by account and filtered to quantities of 10 and more.
HoldingView* MakeView(bool shaped) {
    auto* view = new HoldingView;
    std::mt19937 random(7);
    for (int id = 1; id <= kRows; ++id) {
        const Holding h = Make(id, random);
        view->UpdateRow(&h);
    }
    if (shaped) {
        ColumnFilter filter;
        filter.ColumnName = "Quantity";
        filter.Condition = 3;
        filter.Value = "10";
        view->GetFilter().push_back(filter);
        view->ApplyFilter();
    }
    return view;
}

BaseGridConfig Config() {
    BaseGridConfig config;
    config.WindowSection = "Holdings1";
    config.WindowTitle = "Holdings";
    return config;
}

TitleManager& HoldingTitles() {
    static TitleManager titles = [] {
        MTitleFormat format;
        Holding::DescribeClass(format);
        return TitleManager(format.GetTitles(), "HoldingTitles");
    }();
    return titles;
}

// A window whose ReloadData brings the next 1,000 changed holdings.
class Window : public TBaseGridForm {
public:
    Window(QMdiArea* area, HoldingView* view)
        : TBaseGridForm(area, nullptr, Config(), &HoldingTitles(), view), view_(view) {}
    void ReloadData() override {
        for (int i = 0; i < kChanges; ++i) {
            const Holding h = Make(static_cast<int>(random_() % kRows) + 1, random_);
            view_->UpdateRow(&h);
        }
    }

private:
    HoldingView* view_;
    std::mt19937 random_{11};
};

QMdiArea& Area() {
    static QMdiArea* area = [] {
        auto* a = new QMdiArea;
        a->resize(1920, 1080);
        a->show();
        return a;
    }();
    return *area;
}

void BM_HandleDataChanged(benchmark::State& state) {
    auto* window = new Window(&Area(), MakeView(true));
    window->SortCriteria = {SortSelectionData("Account", true)};
    window->View()->SetSortCriteria(window->SortCriteria);
    window->SortActive = true;
    window->GridOptions().SetGridSelection(0);
    window->Show();
    window->RefreshGrid();
    window->Grid()->SetRow(window->Grid()->RowCount() / 2);
    QApplication::processEvents();
    for (auto _ : state) {
        window->HandleDataChanged(0);
        benchmark::DoNotOptimize(window->Grid()->RowCount());
    }
    delete window->SubWindow();
}
BENCHMARK(BM_HandleDataChanged)->Unit(benchmark::kMillisecond);

// The view's share of the refresh above: the same changes, the re-sort and the row lookup,
// without the window.
void BM_ViewShareOfDataChanged(benchmark::State& state) {
    auto* window = new Window(&Area(), MakeView(true));
    InterfaceView* view = window->View();
    std::vector<SortSelectionData> criteria = {SortSelectionData("Account", true)};
    view->SetSortCriteria(criteria);
    view->SortRows();
    const BaseKey key = view->GetDisplayedKey(view->GetDisplayedRowCount() / 2);
    for (auto _ : state) {
        window->ReloadData();
        view->SortRows();
        int index = 0;
        benchmark::DoNotOptimize(view->FindDisplayedRow(key, &index));
    }
    delete window->SubWindow();
}
BENCHMARK(BM_ViewShareOfDataChanged)->Unit(benchmark::kMillisecond);

void BM_RepaintFullHd(benchmark::State& state) {
    auto* window = new Window(&Area(), MakeView(false));
    window->Show();
    window->SubWindow()->showMaximized();
    QApplication::processEvents();
    BusinessObjectGrid* grid = window->Grid();
    grid->SelectCell(2, 20);
    for (auto _ : state) {
        grid->viewport()->repaint();
        grid->horizontalHeader()->viewport()->repaint();
        grid->verticalHeader()->viewport()->repaint();
    }
    delete window->SubWindow();
}
BENCHMARK(BM_RepaintFullHd)->Unit(benchmark::kMillisecond);

void BM_OpenMillionRows(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        HoldingView* view = MakeView(false);
        state.ResumeTiming();
        auto* window = new Window(&Area(), view);
        window->Show();
        QApplication::processEvents();
        state.PauseTiming();
        delete window->SubWindow();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenMillionRows)->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace
