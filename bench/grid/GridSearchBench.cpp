// A grid window over a million rows: finding down a column with no match (goal: at most 50 ms) and
// fitting a column on a title double-click (goal: at most 200 ms), for a column of distinct
// numbers and one of repeated names.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <string>

#include "fields/DescribeFields.h"
#include "fields/MIntX.h"
#include "fields/MRPString.h"
#include "fields/MTitleFormat.h"
#include "grid/BusinessObjectGrid.h"
#include "grid/TBaseGridForm.h"
#include "grid/TitleManager.h"
#include "store/TInterfaceView.h"
#include "toolkit/FindDialog.h"
#include "toolkit/UiHost.h"

namespace {

constexpr int kRows = 1000000;

struct Entry {
    MLong Id;
    MRPString<16, 32, MValAccept> Name;
    MLong Amount;

    BaseKey GetKey() const { return BaseKey(0, Id.GetValue()); }
    static const char* GetDisplayName() { return "Entries"; }
    static constexpr auto Fields() {
        return MFields(MField("Id", &Entry::Id), MField("Name", &Entry::Name),
                       MField("Amount", &Entry::Amount));
    }
    static void DescribeClass(MStaticFormat& format) { DescribeFieldTypes<Entry>(format); }
    void FormatObject(MObjectFormat& format) { DescribeFields(*this, format); }
};

using EntryView = TInterfaceView<Entry>;

// Answers every box at once, so that the not-found box does not wait for anyone.
class SilentUi : public UiHost {
public:
    SilentUi() : previous_(SetUi(this)) {}
    ~SilentUi() override { SetUi(previous_); }
    SilentUi(const SilentUi&) = delete;
    SilentUi& operator=(const SilentUi&) = delete;
    int MessageBox(QWidget*, const std::string&, const std::string&, BoxIcon, BoxButtons) override {
        ++boxes;
        return mrOk;
    }
    int RunModal(Form&) override { return mrCancel; }
    bool OpenFile(QWidget*, const FileDialogSpec&, std::string&) override { return false; }
    bool SaveFile(QWidget*, const FileDialogSpec&, std::string&) override { return false; }
    bool ChooseFont(QWidget*, FontSpec&) override { return false; }
    bool ChooseColor(QWidget*, ColorValue&) override { return false; }
    bool PrintSetup(QWidget*, QPrinter*) override { return false; }
    bool InputQuery(QWidget*, const std::string&, const std::string&, std::string&) override { return false; }
    std::string ClipboardText() override { return {}; }
    void SetClipboardText(std::string) override {}
    void BeginBusy() override {}
    void EndBusy() override {}
    void ProcessMessages() override {}
    void AlertSound(const std::string&) override {}
    int boxes = 0;

private:
    UiHost* previous_;
};

TitleManager& EntryTitles() {
    static TitleManager titles = [] {
        MTitleFormat format;
        Entry::DescribeClass(format);
        return TitleManager(format.GetTitles(), "EntryTitles");
    }();
    return titles;
}

QMdiArea& Area() {
    static QMdiArea* area = [] {
        auto* a = new QMdiArea;
        a->resize(1280, 800);
        a->show();
        return a;
    }();
    return *area;
}

TBaseGridForm* OpenWindow() {
    auto* view = new EntryView;
    for (int id = 1; id <= kRows; ++id) {
        Entry e;
        e.Id.SetValue(id);
        e.Name.SetText(("Account " + std::to_string(id % 997)).c_str());
        e.Amount.SetValue(static_cast<int32_t>((int64_t{id} * 7919) % 100000));
        view->UpdateRow(&e);
    }
    BaseGridConfig config;
    config.WindowSection = "Entries1";
    config.WindowTitle = "Entries";
    auto* window = new TBaseGridForm(&Area(), nullptr, config, &EntryTitles(), view);
    window->Show();
    QApplication::processEvents();
    return window;
}

void BM_FindDownWithoutMatch(benchmark::State& state) {
    TBaseGridForm* window = OpenWindow();
    window->Grid()->SelectCell(window->View()->FindColumn("Name"), 1);
    FindDialog& find = *window->GetFindDialog();
    find.SetFindText("account 9999");  // case folded, never present
    find.SetDown(true);
    SilentUi ui;
    for (auto _ : state) {
        window->SearchActionExecute();  // a new search from the first row
        window->FindDialogFind();
    }
    if (ui.boxes != static_cast<int>(state.iterations())) state.SkipWithError("a row matched");
    find.CloseDialog();
    delete window->SubWindow();
}
BENCHMARK(BM_FindDownWithoutMatch)->Unit(benchmark::kMillisecond);

void BM_FitColumnOnTitleDoubleClick(benchmark::State& state) {
    TBaseGridForm* window = OpenWindow();
    const int col = window->View()->FindColumn(state.range(0) == 0 ? "Id" : "Name");
    const QPoint title = window->Grid()->CellCentre(col, 0);
    for (auto _ : state) {
        window->BusinessObjectGridDblClick(title.x(), title.y());
        benchmark::DoNotOptimize(window->Grid()->ColWidth(col));
    }
    delete window->SubWindow();
}
BENCHMARK(BM_FitColumnOnTitleDoubleClick)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
