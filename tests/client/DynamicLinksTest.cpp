// Dynamic-filter links between grid windows with a link registry attached: the session's event
// manager, over test windows in one MDI area. (No window of the client is given a registry; the
// rules without one are tested with the grid windows.)
#include <gtest/gtest.h>

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <map>

#include "../grid/GridWindowFixture.h"
#include "grid/DynamicLinkRegistry.h"
#include "grid/TDynamicFilterForm.h"
#include "guisupport/ListClicks.h"
#include "guisupport/RecordingCanvas.h"
#include "guisupport/ScriptedUi.h"
#include "session/EventManager.h"
#include "toolkit/Action.h"
#include "toolkit/ComboBox.h"
#include "toolkit/ListBox.h"
#include "toolkit/MessageRouter.h"
#include "toolkit/QtText.h"

namespace {

// The event manager without a protocol: only its window list and link registry are used.
class LinkManager : public EventManager {
public:
    bool Connect() override { return true; }
    void RegisterGridClient(uint32_t) override {}
    void Disconnect() override {}
    void UnregisterGridClient(uint32_t) override {}
    void ProcessEvents() override {}
    void CollectErrors() override {}
};

class DynamicLinks : public ::testing::Test {
protected:
    DynamicLinks() {
        area.resize(1000, 700);
        area.show();
        main.onMessage = [this](uint32_t message, int32_t, int32_t) {
            log.push_back("main " + Hex(message));
            return 0;
        };
        MessageRouter::SetMainWindow(main.Handle());
    }
    ~DynamicLinks() override {
        for (const QPointer<TestGridWindow>& w : windows)
            if (w) delete w->SubWindow();
        MessageRouter::SetMainWindow(0);
    }
    static std::string Hex(uint32_t message) {
        char text[16];
        std::snprintf(text, sizeof text, "%X", message);
        return text;
    }
    // A window titled title over lots with those names (ids from 1), registered with the manager
    // and logging the link messages it receives.
    TestGridWindow& Open(const std::string& title, const std::vector<std::string>& names) {
        auto* lots = new LotView;
        for (size_t i = 0; i < names.size(); ++i) {
            const Lot lot(static_cast<int>(i + 1), names[i].c_str(), static_cast<int>(i + 1) * 10);
            lots->UpdateRow(&lot);
        }
        BaseGridConfig config;
        config.SettingsFileName = dir.File("Korvane.ini");
        config.WorkingDirectory = dir.Path();
        config.WindowSection = title;
        config.WindowTitle = title;
        auto* w = new TestGridWindow(&area, nullptr, config, &titles, lots);
        w->LinkRegistry = &manager;
        manager.AddGridWindow(w->Handle());
        const auto dispatch = w->onMessage;
        w->onMessage = [this, title, dispatch](uint32_t message, int32_t wParam, int32_t lParam) {
            if (message != 0x8003) log.push_back(title + " " + Hex(message));
            return dispatch(message, wParam, lParam);
        };
        w->Show();
        QApplication::processEvents();
        windows.push_back(w);
        return *w;
    }
    static std::vector<int> Ids(TestGridWindow& w) {
        std::vector<int> ids;
        const int col = w.View()->FindColumn("Id");
        for (int row = 1; row < w.Grid()->RowCount(); ++row) {
            const std::string id = w.GetCellText(col, row);
            if (!id.empty()) ids.push_back(std::stoi(id));
        }
        return ids;
    }
    static void Select(TestGridWindow& w, int row) { w.Grid()->SetRow(row); }
    size_t Count(const std::string& entry) const {
        return static_cast<size_t>(std::count(log.begin(), log.end(), entry));
    }

    TestTempDir dir;
    QMdiArea area;
    Form main;
    LinkManager manager;
    TitleManager titles{{"Id", "Name", "Amount"}, "LotTitles"};
    std::vector<QPointer<TestGridWindow>> windows;
    std::vector<std::string> log;
};

TEST_F(DynamicLinks, TheOwnerFiltersByTheValueTheSupplierShowsInItsSelectedRow) {
    TestGridWindow& supplier = Open("Accounts", {"N1", "N2", "N3"});
    TestGridWindow& owner = Open("Lots", {"N1", "N2", "N2", "N9"});
    Select(supplier, 2);
    log.clear();
    owner.AddDynamicFilter("Name", "Accounts", "Name");
    // The supplier was asked to publish, and the owner took the value.
    EXPECT_GE(Count("Accounts 8038"), 1u);
    EXPECT_GE(Count("Lots 8037"), 1u);
    EXPECT_EQ(Ids(owner), (std::vector<int>{2, 3}));
    EXPECT_EQ(owner.Caption(), "Lots - LAF Active");
    EXPECT_TRUE(owner.View()->DynamicFilterActive);
    std::string value;
    ASSERT_TRUE(manager.GetDynamicFilterValue(owner.Handle(), "Name", value));
    EXPECT_EQ(value, "N2");
    ASSERT_EQ(owner.View()->GetDynamicFilter().size(), 1u);
    EXPECT_EQ(owner.View()->GetDynamicFilter()[0].OwnerWindow, static_cast<int32_t>(owner.Handle()));

    // A new selection in the supplier re-filters the owner (0x8037).
    log.clear();
    Select(supplier, 1);
    EXPECT_EQ(Count("Lots 8037"), 1u);
    EXPECT_EQ(Ids(owner), (std::vector<int>{1}));
    // The same value again changes nothing and sends nothing.
    log.clear();
    supplier.PublishLinkValues();
    EXPECT_EQ(Count("Lots 8037"), 0u);

    // A second filter on the same column only overwrites it; the registry keeps one link.
    owner.AddDynamicFilter("Name", "Accounts", "Name");
    Key2ValueDataVector links;
    manager.ListDynamicFilterLinks(owner.Handle(), links);
    EXPECT_EQ(links.size(), 1u);
    // The supplier's linked title cell is painted red with white text.
    RecordingCanvas canvas;
    supplier.BusinessObjectGridDrawCell(supplier.View()->FindColumn("Name"), 0, CanvasRect{0, 0, 50, 20},
                                        canvas);
    EXPECT_EQ(canvas.calls.front(), "fill 0,0,50,20 brush 255");
}

TEST_F(DynamicLinks, ASupplierShowingNoRowEmptiesItsValues) {
    TestGridWindow& supplier = Open("Accounts", {"N1", "N2"});
    TestGridWindow& owner = Open("Lots", {"N1", "N2", ""});
    Select(supplier, 1);
    owner.AddDynamicFilter("Name", "Accounts", "Name");
    EXPECT_EQ(Ids(owner), (std::vector<int>{1}));
    ColumnFilter none;
    none.ColumnName = "Name";
    none.Column = supplier.View()->FindField("Name");
    none.Values = StringVector(std::vector<std::string>{"nothing"});
    supplier.View()->GetFilter().push_back(none);
    supplier.ApplyFilters();
    // The owner now filters by the empty text.
    EXPECT_EQ(Ids(owner), (std::vector<int>{3}));
}

TEST_F(DynamicLinks, ClosingTheOwnerDropsItsLinksAndRefreshesEveryWindow) {
    TestGridWindow& supplier = Open("Accounts", {"N1", "N2"});
    TestGridWindow& owner = Open("Lots", {"N1", "N2"});
    Select(supplier, 1);
    owner.AddDynamicFilter("Name", "Accounts", "Name");
    ASSERT_TRUE(manager.IsDynamicFilterSupplier(supplier.Handle()));
    log.clear();
    owner.SubWindow()->close();
    QApplication::processEvents();
    EXPECT_FALSE(manager.IsDynamicFilterSupplier(supplier.Handle()));
    Key2ValueDataVector links;
    manager.ListDynamicFilterLinks(owner.Handle(), links);
    EXPECT_TRUE(links.empty());
    // 0x8039 to the owner for its link, then republish and refresh for every registered window.
    const std::vector<std::string> expected = {"Lots 8039", "Accounts 803B", "Lots 803B", "Accounts 803A",
                                               "Lots 803A"};
    std::vector<std::string> seen;
    for (const std::string& entry : log)
        if (entry.find(" 8039") != std::string::npos || entry.find(" 803B") != std::string::npos ||
            entry.find(" 803A") != std::string::npos)
            seen.push_back(entry);
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(log.back(), "main 8003");
}

TEST_F(DynamicLinks, ClosingTheSupplierClearsTheOwnersFilters) {
    TestGridWindow& supplier = Open("Accounts", {"N1", "N2"});
    TestGridWindow& owner = Open("Lots", {"N1", "N2"});
    Select(supplier, 1);
    owner.AddDynamicFilter("Name", "Accounts", "Name");
    ASSERT_EQ(Ids(owner), (std::vector<int>{1}));
    supplier.SubWindow()->close();
    QApplication::processEvents();
    EXPECT_TRUE(owner.View()->GetDynamicFilter().empty());
    EXPECT_EQ(Ids(owner), (std::vector<int>{1, 2}));
    EXPECT_EQ(owner.Caption(), "Lots");
}

TEST_F(DynamicLinks, TheDialogsOkReplacesTheLinksAndEveryChildHearsOfIt) {
    ScriptedUi ui;
    TestGridWindow& supplier = Open("Accounts", {"N1", "N2"});
    TestGridWindow& owner = Open("Lots", {"N1", "N2", "N3"});
    TestGridWindow& third = Open("Third", {"N3"});
    Select(supplier, 2);
    Select(third, 1);
    owner.AddDynamicFilter("Amount", "Third", "Amount");
    owner.DynamicFilterAction->Update();
    EXPECT_TRUE(owner.DynamicFilterAction->Enabled());
    log.clear();
    ui.ExpectModal<TDynamicFilterForm>([](TDynamicFilterForm& f) {
        // The other windows by caption, and the current link with all five texts.
        auto* sources = f.Control<ComboBox>("OtherGridNameComboBox");
        ASSERT_EQ(sources->Count(), 2);
        EXPECT_EQ(sources->Item(0), "Accounts");
        EXPECT_EQ(sources->Item(1), "Third");
        const std::vector<FilterEntry> entries = f.GetEntries();
        ASSERT_EQ(entries.size(), 1u);
        const FilterEntry& e = entries[0];
        EXPECT_EQ((std::vector<std::string>{e.FilterColumnTitle, e.SourceGridTitle, e.SourceColumnTitle,
                                            e.FilterColumnName, e.SourceColumnName}),
                  (std::vector<std::string>{"Amount", "Third", "Amount", "Amount", "Amount"}));
        // Replace it by Name from Accounts.
        f.DeleteEntryAction()->Execute();
        auto* columns = f.Control<ComboBox>("ColumnNameComboBox");
        columns->setCurrentIndex(columns->findText("Name"));
        emit columns->activated(columns->currentIndex());
        sources->setCurrentIndex(0);
        emit sources->activated(0);
        auto* list = f.Control<ListBox>("OtherGridColumnListBox");
        ASSERT_EQ(list->Count(), 1);
        ClickItem(list, 0);
        f.AddEntryAction()->Execute();
        f.Control<QPushButton>("OKButton")->click();
    });
    owner.DynamicFilterActionExecute();
    ASSERT_EQ(owner.View()->GetDynamicFilter().size(), 1u);
    EXPECT_EQ(owner.View()->GetDynamicFilter()[0].ColumnName, "Name");
    EXPECT_EQ(owner.View()->GetDynamicFilter()[0].LinkWindowTitle, "Accounts");
    EXPECT_EQ(Ids(owner), (std::vector<int>{2}));
    EXPECT_FALSE(manager.IsDynamicFilterSupplier(third.Handle()));
    for (const char* title : {"Accounts", "Lots", "Third"})
        EXPECT_EQ(Count(std::string(title) + " 8001"), 1u) << title;

    // Cancel leaves the links, and the children still hear of it.
    log.clear();
    ui.ExpectModal<TDynamicFilterForm>([](TDynamicFilterForm& f) {
        f.DeleteEntryAction()->Execute();
        f.Control<QPushButton>("CancelButton")->click();
    });
    owner.DynamicFilterActionExecute();
    EXPECT_EQ(owner.View()->GetDynamicFilter().size(), 1u);
    EXPECT_EQ(Count("Lots 8001"), 1u);
}

}  // namespace
