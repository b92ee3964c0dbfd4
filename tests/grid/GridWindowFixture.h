#pragma once
// A grid window over a keyed view of generated lots, inside a real QMdiArea, configured from a
// real settings file in a temporary directory. The test window records the hooks it is called
// through and lets a test supply the rows that ReloadData brings.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "fields/DescribeFields.h"
#include "fields/MIntX.h"
#include "fields/MRPString.h"
#include "grid/BusinessObjectGrid.h"
#include "grid/TBaseGridForm.h"
#include "grid/TitleManager.h"
#include "store/BaseKey.h"
#include "store/TInterfaceView.h"
#include "support/TestTempDir.h"
#include "toolkit/Form.h"
#include "toolkit/MessageRouter.h"

// A record: key (0, Id), a name and an amount (a number column).
struct Lot {
    MLong Id;
    MRPString<8, 32, MValAccept> Name;
    MLong Amount;

    Lot() = default;
    Lot(int id, const char* name, int amount) {
        Id.SetValue(id);
        Name.SetText(name);
        Amount.SetValue(amount);
    }
    BaseKey GetKey() const { return BaseKey(0, Id.GetValue()); }
    static const char* GetDisplayName() { return "Lots"; }
    static constexpr auto Fields() {
        return MFields(MField("Id", &Lot::Id), MField("Name", &Lot::Name), MField("Amount", &Lot::Amount));
    }
    static void DescribeClass(MStaticFormat& format) { DescribeFieldTypes<Lot>(format); }
    void FormatObject(MObjectFormat& format) { DescribeFields(*this, format); }
};

using LotView = TInterfaceView<Lot>;

class TestGridWindow : public TBaseGridForm {
public:
    using TBaseGridForm::TBaseGridForm;

    void ReloadData() override {
        calls.push_back("ReloadData");
        if (reload) reload();
    }
    bool CollectAlertKeys() override {
        calls.push_back("CollectAlertKeys");
        return TBaseGridForm::CollectAlertKeys();
    }
    void DataReloaded() override { calls.push_back("DataReloaded"); }
    void RowSelected(int row) override { calls.push_back("RowSelected " + std::to_string(row)); }
    void BeforeSort() override { calls.push_back("BeforeSort"); }
    void FiltersApplied() override { calls.push_back("FiltersApplied"); }
    void ColumnMoved() override { calls.push_back("ColumnMoved"); }
    void ColumnOrderRestored() override { calls.push_back("ColumnOrderRestored"); }
    std::string GetCellText(int col, int row) override {
        ++cellTexts;
        return TBaseGridForm::GetCellText(col, row);
    }

    std::vector<std::string> calls;
    std::function<void()> reload;
    long cellTexts = 0;
};

class GridWindowTest : public ::testing::Test {
protected:
    GridWindowTest() {
        area.resize(1000, 700);
        area.show();
    }
    ~GridWindowTest() override {
        if (window) delete window->SubWindow();
    }

    BaseGridConfig Config() const {
        BaseGridConfig config;
        config.SettingsFileName = dir.File("Korvane.ini");
        config.WorkingDirectory = dir.Path();
        config.WindowSection = "Lots1";
        config.TitlesSection = "LotTitles";
        config.TemplateSection = "LotTemplate";
        config.WindowTitle = "Lots";
        return config;
    }
    // A window over a view of the lots 1..rows, named "N<id>" with amount id * 10.
    TestGridWindow& Open(int rows, const BaseGridConfig& config) {
        auto* lots = new LotView;
        for (int id = 1; id <= rows; ++id) Put(*lots, id, id * 10);
        view = lots;
        window = new TestGridWindow(&area, nullptr, config, &titles, lots);
        window->Show();
        QApplication::processEvents();
        return *window;
    }
    TestGridWindow& Open(int rows) { return Open(rows, Config()); }
    // The same with a window class of the test's own.
    template <class W>
    W& OpenAs(int rows) {
        auto* lots = new LotView;
        for (int id = 1; id <= rows; ++id) Put(*lots, id, id * 10);
        view = lots;
        auto* typed = new W(&area, nullptr, Config(), &titles, lots);
        window = typed;
        typed->Show();
        QApplication::processEvents();
        return *typed;
    }
    static void Put(LotView& lots, int id, int amount) {
        const Lot lot(id, ("N" + std::to_string(id)).c_str(), amount);
        lots.UpdateRow(&lot);
    }
    BusinessObjectGrid& Grid() { return *window->Grid(); }
    int Selected() { return Grid().Row(); }
    // The id shown in a grid row.
    int IdAt(int row) { return std::stoi(window->GetCellText(view->FindColumn("Id"), row)); }

    TestTempDir dir;
    QMdiArea area;
    TitleManager titles{{"Id", "Name", "Amount"}, "LotTitles"};
    LotView* view = nullptr;
    QPointer<TestGridWindow> window;
};

// The same with a main window that records every message sent to it (the workspace notices).
class MainWindowGridTest : public GridWindowTest {
protected:
    MainWindowGridTest() {
        main.onMessage = [this](uint32_t message, int32_t, int32_t) {
            received.push_back(message);
            return 0;
        };
        MessageRouter::SetMainWindow(main.Handle());
    }
    ~MainWindowGridTest() override { MessageRouter::SetMainWindow(0); }

    Form main;
    std::vector<uint32_t> received;
};
