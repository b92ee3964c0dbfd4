// The grid window's drawing: cell texts, colours, alignment, sort marks, caption, column
// visibility and column moves, and the cost of opening and painting a million rows.
#include <QHeaderView>
#include <QImage>
#include <QScrollBar>

#include "GridWindowFixture.h"
#include "guisupport/RecordingCanvas.h"
#include "toolkit/Form.h"
#include "toolkit/MessageRouter.h"
#include "toolkit/QtPaint.h"

namespace {

using Lines = std::vector<std::string>;

ColumnFilter Filter(const char* column) {
    ColumnFilter filter;
    filter.ColumnName = column;
    filter.Column = -1;
    filter.Condition = 3;
    filter.Value = "0";
    return filter;
}

std::string Text(int x, int y, const std::string& text, ColorValue colour, const CanvasRect& clip) {
    return "text " + std::to_string(x) + "," + std::to_string(y) + " \"" + text + "\" colour " +
           std::to_string(colour.Value()) + " clip " + std::to_string(clip.left) + "," +
           std::to_string(clip.top) + "," + std::to_string(clip.right) + "," + std::to_string(clip.bottom);
}
std::string Fill(const CanvasRect& r, ColorValue brush) {
    return "fill " + std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
           "," + std::to_string(r.bottom) + " brush " + std::to_string(brush.Value());
}

class GridDrawingTest : public GridWindowTest {
protected:
    Lines Draw(int col, int row, const CanvasRect& rect) {
        RecordingCanvas canvas;
        window->BusinessObjectGridDrawCell(col, row, rect, canvas);
        return canvas.calls;
    }
    void Retitle(const std::string& name, const std::string& title,
                 int32_t background = TitleProperty::kWindowColor,
                 int32_t foreground = TitleProperty::kWindowTextColor) {
        TitleMap map = titles.GetTitleMap();
        map[name].Title = title;
        map[name].BackgroundColor = background;
        map[name].ForegroundColor = foreground;
        titles.SetTitleMap(map);
    }
};

const CanvasRect kCell{100, 48, 164, 72};
const ColorValue kWhite(0xFFFFFF);

TEST_F(GridDrawingTest, TitlesComeFromTheTitleManagerAndRowNumbersAreDisplayPositions) {
    TitleManager partial({"Id", "Amount"}, "LotTitles");
    auto* lots = new LotView;
    for (int id = 1; id <= 3; ++id) Put(*lots, id, 100 - id);
    view = lots;
    window = new TestGridWindow(&area, nullptr, Config(), &partial, lots);
    TitleMap map = partial.GetTitleMap();
    map["Amount"].Title = "Quantity";
    partial.SetTitleMap(map);
    EXPECT_EQ(window->GetCellText(1, 0), "Id");
    EXPECT_EQ(window->GetCellText(2, 0), "");  // a field the title manager does not know
    EXPECT_EQ(window->GetCellText(3, 0), "Quantity");
    EXPECT_EQ(window->GetCellText(0, 0), "");

    window->SortCriteria = {SortSelectionData("Amount", true)};
    view->SetSortCriteria(window->SortCriteria);
    window->SortActive = true;
    window->RefreshGrid();
    for (int row = 1; row <= 3; ++row) {
        EXPECT_EQ(window->GetCellText(0, row), std::to_string(row));
        EXPECT_EQ(window->GetCellText(1, row), std::to_string(4 - row));
    }
    EXPECT_EQ(Grid().model()->data(Grid().model()->index(0, 1)).toString(), "N3");
    EXPECT_EQ(Grid().model()->headerData(2, Qt::Horizontal).toString(), "Quantity");
    EXPECT_EQ(Grid().model()->headerData(0, Qt::Vertical).toString(), "1");
}

TEST_F(GridDrawingTest, TitleCellsOfFilteredColumnsAreDarkWithWhiteTextTheDynamicFilterWinning) {
    Open(3);
    const CanvasRect title{70, 0, 134, 24};
    EXPECT_EQ(Draw(1, 0, title), (Lines{Text(73, 3, "Id", clWindowText, title)}));
    view->GetFilter().push_back(Filter("Id"));
    EXPECT_EQ(Draw(1, 0, title),
              (Lines{Fill(title, ColorValue(0x646464)), Text(73, 3, "Id", kWhite, title)}));
    view->GetDynamicFilter().push_back(Filter("Id"));
    EXPECT_EQ(Draw(1, 0, title), (Lines{Fill(title, ColorValue(0x646464)), Fill(title, ColorValue(0x323232)),
                                        Text(73, 3, "Id", kWhite, title)}));
    view->GetFilter().clear();
    EXPECT_EQ(Draw(1, 0, title),
              (Lines{Fill(title, ColorValue(0x323232)), Text(73, 3, "Id", kWhite, title)}));
}

TEST_F(GridDrawingTest, TheSelectedCellAndRowHaveTheirColoursOtherCellsTheColumnColours) {
    Open(3);
    Retitle("Amount", "Amount", 0x00FF00, 0x0000FF);
    Retitle("Name", "Name", TitleProperty::kWindowColor, 0x112233);
    Grid().SelectCell(2, 2);
    ASSERT_EQ(view->GetColumnKind(0), 6);  // Id: a number
    ASSERT_EQ(view->GetColumnKind(1), 5);  // Name: a text
    struct Case {
        int col, row;
        ColorValue brush, font;
    };
    const Case cases[] = {
        {2, 2, ColorValue(0xD77924), kWhite},                // the selected cell
        {1, 2, ColorValue(0x6A240A), kWhite},                // the rest of its row
        {3, 2, ColorValue(0x6A240A), kWhite},                // (column colours give way)
        {3, 1, ColorValue(0x00FF00), ColorValue(0x0000FF)},  // the column's colours
        {2, 3, clWindow, ColorValue(0x112233)},              // a colour left unset falls back
        {1, 3, clWindow, clWindowText},                      // no colours at all
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.col) + "," + std::to_string(c.row));
        const Lines calls = Draw(c.col, c.row, kCell);
        ASSERT_EQ(calls.size(), 2u);
        EXPECT_EQ(calls[0], Fill(kCell, c.brush));
        EXPECT_NE(calls[1].find(" colour " + std::to_string(c.font.Value()) + " "), std::string::npos)
            << calls[1];
    }
}

TEST_F(GridDrawingTest, ThePaintedGridShowsTheSameColoursAsTheDrawingRules) {
    Open(3);
    Retitle("Amount", "Amount", 0x00FF00, 0x0000FF);
    view->GetFilter().push_back(Filter("Name"));
    Grid().SelectCell(2, 2);
    const QImage cells = Grid().viewport()->grab().toImage();
    const auto at = [&](const QImage& image, const QRect& r) {
        return image.pixelColor(r.left() + 1, r.bottom() - 1);
    };
    const auto cell = [&](int col, int row) {
        return at(cells, Grid().visualRect(Grid().model()->index(row - 1, col - 1)));
    };
    EXPECT_EQ(cell(2, 2), ToQColor(ColorValue(0xD77924)));
    EXPECT_EQ(cell(1, 2), ToQColor(ColorValue(0x6A240A)));
    EXPECT_EQ(cell(3, 1), ToQColor(ColorValue(0x00FF00)));
    EXPECT_EQ(cell(1, 3), ToQColor(clWindow));
    QHeaderView* top = Grid().horizontalHeader();
    const QImage titles = top->viewport()->grab().toImage();
    const auto title = [&](int col) {
        return at(titles,
                  QRect(top->sectionViewportPosition(col - 1), 0, top->sectionSize(col - 1), top->height()));
    };
    EXPECT_EQ(title(2), ToQColor(ColorValue(0x646464)));
    EXPECT_EQ(title(1), ToQColor(clBtnFace));
}

TEST_F(GridDrawingTest, NumbersAreRightAlignedOtherTextsLeftAlignedAtTheOffsets) {
    TestTempDir::Write(dir.File("Korvane.ini"), "[Lots1]\nCellLeftOffset=4\nCellTopOffset=2\n");
    Open(3);
    Grid().SelectCell(1, 3);  // away from the cells drawn
    // Amount of lot 2 is "20": two characters of 7 pixels on the recording canvas.
    EXPECT_EQ(Draw(3, 2, kCell).back(), Text(164 - 4 - 14, 50, "20", clWindowText, kCell));
    EXPECT_EQ(Draw(2, 2, kCell).back(), Text(104, 50, "N2", clWindowText, kCell));
    // Title and row-number cells are left-aligned.
    EXPECT_EQ(Draw(3, 0, kCell).back(), Text(104, 50, "Amount", clWindowText, kCell));
    EXPECT_EQ(Draw(0, 2, kCell).back(), Text(104, 50, "2", clWindowText, kCell));
}

TEST_F(GridDrawingTest, ASortedColumnShowsTheMarkOfItsFirstCriterionBeforeItsTitle) {
    Open(3);
    window->SortCriteria = {SortSelectionData("Name", false), SortSelectionData("Name", true)};
    const CanvasRect title{100, 0, 164, 24};
    EXPECT_EQ(Draw(2, 0, title).size(), 1u);  // sorting is not active
    window->SortActive = true;
    const CanvasRect shifted{115, 0, 164, 24};
    EXPECT_EQ(Draw(2, 0, title),
              (Lines{"polygon 103,6 115,6 109,18", Text(118, 3, "Name", clWindowText, shifted)}));
}

TEST_F(GridDrawingTest, TheCaptionTellsOfColumnAndDynamicFiltersAndOfNoData) {
    Open(2);
    struct Case {
        bool column, dynamic;
        const char* caption;
    };
    const Case cases[] = {
        {false, false, "Lots"},
        {true, false, "Lots - Filter applied"},
        {false, true, "Lots - LAF Active"},
        {true, true, "Lots - Filter applied - LAF Active"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        view->GetFilter().clear();
        view->GetDynamicFilter().clear();
        if (c.column) view->GetFilter().push_back(Filter("Id"));
        if (c.dynamic) view->GetDynamicFilter().push_back(Filter("Name"));
        window->UpdateCaption();
        EXPECT_EQ(window->Caption(), c.caption);
        view->ClearRows();
        window->UpdateCaption();
        EXPECT_EQ(window->Caption(), std::string(c.caption) + " - No data found");
        Put(*view, 1, 10);
    }
}

TEST_F(GridDrawingTest, HiddenColumnsMoveToTheEndWithTheirWidthsAndOneColumnStays) {
    Open(2);
    for (int col = 1; col <= 3; ++col) Grid().SetColWidth(col, 30 + 10 * col);
    TitleVisibilityMap& visibility = view->GetTitleVisibility();
    visibility["Id"] = false;
    window->calls.clear();
    window->ApplyColumnVisibility(visibility);
    EXPECT_EQ(view->ColumnOrder, (std::vector<int32_t>{0, 2, 3, 1}));
    EXPECT_EQ(Grid().ColCount(), 3);
    EXPECT_EQ(Grid().ColWidth(1), 50);
    EXPECT_EQ(Grid().ColWidth(2), 60);
    EXPECT_EQ(Grid().ColWidth(3), 40);  // kept for the column's return
    EXPECT_EQ(window->calls, (std::vector<std::string>{"ColumnOrderRestored"}));

    visibility["Id"] = true;
    window->ApplyColumnVisibility(visibility);
    EXPECT_EQ(Grid().ColCount(), 4);
    EXPECT_EQ(Grid().horizontalHeader()->sectionSize(2), 40);

    for (auto& [name, visible] : visibility) visible = false;
    window->ApplyColumnVisibility(visibility);
    EXPECT_EQ(Grid().ColCount(), 2);
    // Hidden in name order at the end: Amount, Id, Name.
    EXPECT_EQ(view->ColumnOrder, (std::vector<int32_t>{0, 3, 1, 2}));
}

TEST_F(GridDrawingTest, DraggingAColumnMovesItInTheViewAndKeepsTheSelectedRow) {
    Form main;
    int changes = 0;
    main.onMessage = [&](uint32_t message, int32_t, int32_t) {
        changes += message == 0x8003;
        return 0;
    };
    MessageRouter::SetMainWindow(main.Handle());
    Open(3);
    window->GridOptions().SetGridSelection(0);
    Grid().SetColWidth(1, 45);
    Grid().SelectCell(2, 2);
    window->calls.clear();
    Grid().horizontalHeader()->moveSection(0, 2);  // what a drag of the Id title to the end does
    EXPECT_EQ(view->ColumnOrder, (std::vector<int32_t>{0, 2, 3, 1}));
    EXPECT_EQ(Grid().horizontalHeader()->visualIndex(0), 0);  // display column = model column
    EXPECT_EQ(Grid().ColWidth(3), 45);
    EXPECT_EQ(window->GetCellText(3, 0), "Id");
    EXPECT_EQ(window->GetCellText(1, 2), "N2");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(Grid().Row(), 2);
    EXPECT_EQ(window->RememberedRowKey, BaseKey(0, 2));
    EXPECT_EQ(window->calls.back(), "ColumnMoved");
    MessageRouter::SetMainWindow(0);
}

TEST_F(GridDrawingTest, AMillionRowsOpenScrollToTheEndAndRepaintOnlyTheVisibleCells) {
    Open(1000000);
    EXPECT_EQ(Grid().RowCount(), 1000001);
    window->SubWindow()->resize(900, 600);
    QApplication::processEvents();
    Grid().scrollToBottom();
    QApplication::processEvents();
    window->cellTexts = 0;
    Grid().viewport()->repaint();
    const int visibleRows = Grid().viewport()->height() / Grid().DefaultRowHeight() + 2;
    EXPECT_GT(window->cellTexts, 0);
    EXPECT_LE(window->cellTexts, visibleRows * 3);
    EXPECT_EQ(Grid().rowAt(Grid().viewport()->height() - 2), 999999);
    Grid().SelectCell(1, 1000000);
    EXPECT_EQ(window->GetCellText(1, Grid().Row()), "1000000");
}

}  // namespace
