#include <gtest/gtest.h>

#include <QApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include "core/BaseIniFile.h"
#include "grid/TBaseGridOptionForm.h"
#include "guisupport/RecordingCanvas.h"
#include "guisupport/ScriptedUi.h"
#include "toolkit/DrawGrid.h"
#include "toolkit/Memo.h"
#include "toolkit/QtText.h"
#include "toolkit/RadioGroup.h"
#include "toolkit/UpDownEdit.h"

namespace {

using Lines = std::vector<std::string>;

void LeaveEdit(UpDownEdit* edit) {
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(edit, &out);
}

bool OkEnabled(TBaseGridOptionForm& f) {
    return f.Control<QPushButton>("OKButton")->isEnabled();
}

TEST(BaseGridOptionForm, ShowsItsPagesAndTheCopysValuesAndCancelDiscardsChanges) {
    ScriptedUi ui;
    BaseIniFile file("");
    BaseGridOption grid;
    grid.SetGridSelection(0);
    grid.SetRowHeight(30);
    grid.SetCellLeftOffset(4);
    grid.SetCellTopOffset(1);
    FontSpec font;
    font.name = "Courier New";
    font.height = -16;
    font.italic = true;
    font.underline = true;
    grid.SetFont(font);
    TBaseGridOptionForm form(nullptr, "Accounts", file, grid);
    EXPECT_EQ(FromQt(form.windowTitle()), "Application Grid Options");
    ui.ExpectModal<TBaseGridOptionForm>([](TBaseGridOptionForm& f) {
        auto* pages = f.Control<QTabWidget>("BaseGridOptionsPageControl");
        ASSERT_EQ(pages->count(), 3);
        EXPECT_EQ(FromQt(pages->tabText(0)), "&Selection");
        EXPECT_EQ(FromQt(pages->tabText(1)), "&Fonts");
        EXPECT_EQ(FromQt(pages->tabText(2)), "Displa&y");
        EXPECT_EQ(pages->currentIndex(), 0);
        auto* selection = f.Control<RadioGroup>("GridSelectionRadioGroup");
        EXPECT_EQ(FromQt(selection->title()), "Grid Selection");
        EXPECT_EQ(FromQt(selection->Button(0)->text()), "Based on d&ata");
        EXPECT_EQ(FromQt(selection->Button(1)->text()), "Based on row &number");
        EXPECT_EQ(selection->ItemIndex(), 0);
        EXPECT_FALSE(OkEnabled(f));

        pages->setCurrentIndex(1);
        EXPECT_EQ(FromQt(f.Control<QLabel>("NameValueLabel")->text()), "Courier New");
        EXPECT_EQ(FromQt(f.Control<QLabel>("StyleValueLabel")->text()), "[Italic, Underline]");
        EXPECT_EQ(FromQt(f.Control<QLabel>("SizeValueLabel")->text()), "12");
        auto* memo = f.Control<Memo>("SampleMemo");
        EXPECT_TRUE(memo->isReadOnly());
        EXPECT_EQ(memo->Text(), "abcdefghijklmnopqrstuvwxyz\nABCDEFGHIJKLMNOPQRSTUVWXYZ\n0123456789");
        EXPECT_TRUE(memo->font().italic());

        pages->setCurrentIndex(2);
        EXPECT_EQ(f.Control<UpDownEdit>("RowHeightEdit")->Text(), "30");
        EXPECT_EQ(f.Control<UpDownEdit>("CellLeftOffsetEdit")->Text(), "4");
        EXPECT_EQ(f.Control<UpDownEdit>("CellTopOffsetEdit")->Text(), "1");
        EXPECT_EQ(f.Control<DrawGrid>("SampleDrawGrid")->rowHeight(1), 30);
        EXPECT_FALSE(OkEnabled(f));

        selection->SetItemIndex(1);
        EXPECT_EQ(f.GetOptions().GetGridSelection(), 1);
        f.Control<UpDownEdit>("RowHeightEdit")->SetText("50");
        EXPECT_TRUE(OkEnabled(f));
        f.Control<QPushButton>("CancelButton")->click();
    });
    EXPECT_EQ(form.ShowModal(), mrCancel);
    EXPECT_EQ(grid.GetGridSelection(), 0);
    EXPECT_EQ(grid.GetRowHeight(), 30);
}

TEST(BaseGridOptionForm, ClampsTypedValuesToTheUpDownsRange) {
    BaseIniFile file("");
    BaseGridOption grid;
    TBaseGridOptionForm form(nullptr, "Accounts", file, grid);
    struct Case {
        const char* edit;
        const char* typed;
        int32_t stored;
        const char* text;  // the edit's text afterwards
    };
    const Case cases[] = {
        {"RowHeightEdit", "150", 100, "150"},   {"RowHeightEdit", "1", 2, "1"},
        {"RowHeightEdit", "-7", 2, "-7"},       {"RowHeightEdit", "abc", 2, "2"},
        {"RowHeightEdit", "", 2, "2"},          {"RowHeightEdit", "57", 57, "57"},
        {"CellLeftOffsetEdit", "11", 10, "11"}, {"CellLeftOffsetEdit", "x", 0, "0"},
        {"CellLeftOffsetEdit", "6", 6, "6"},    {"CellTopOffsetEdit", "-1", 0, "-1"},
        {"CellTopOffsetEdit", "3 ", 0, "0"},    {"CellTopOffsetEdit", "10", 10, "10"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.edit) + " " + c.typed);
        auto* edit = form.Control<UpDownEdit>(c.edit);
        edit->SetText(c.typed);
        const BaseGridOption& options = form.GetOptions();
        const int32_t stored = std::string(c.edit) == "RowHeightEdit"        ? options.GetRowHeight()
                               : std::string(c.edit) == "CellLeftOffsetEdit" ? options.GetCellLeftOffset()
                                                                             : options.GetCellTopOffset();
        EXPECT_EQ(stored, c.stored);
        EXPECT_EQ(edit->Text(), c.text);
        EXPECT_TRUE(form.IsModified());
    }
    auto* height = form.Control<UpDownEdit>("RowHeightEdit");
    height->SetText("60");
    EXPECT_EQ(form.ReadClampedValue(height), 60);
    height->SetText("zz");
    EXPECT_EQ(form.ReadClampedValue(height), 2);
    EXPECT_EQ(height->Text(), "2");
    EXPECT_EQ(height->Position(), 2);
    EXPECT_EQ(grid.GetRowHeight(), 24);
}

TEST(BaseGridOptionForm, LeavingAnEditPutsTheUpDownsPositionBackAndReadsItAgain) {
    BaseIniFile file("");
    BaseGridOption grid;
    TBaseGridOptionForm form(nullptr, "Accounts", file, grid);
    auto* height = form.Control<UpDownEdit>("RowHeightEdit");
    height->SetText("150");
    EXPECT_EQ(form.GetOptions().GetRowHeight(), 100);
    LeaveEdit(height);
    EXPECT_EQ(height->Text(), "24");
    EXPECT_EQ(form.GetOptions().GetRowHeight(), 24);

    height->SetText("40");
    LeaveEdit(height);
    EXPECT_EQ(height->Text(), "40");
    EXPECT_EQ(form.GetOptions().GetRowHeight(), 40);

    auto* left = form.Control<UpDownEdit>("CellLeftOffsetEdit");
    left->SetText("007");
    EXPECT_EQ(form.GetOptions().GetCellLeftOffset(), 7);
    LeaveEdit(left);
    EXPECT_EQ(left->Text(), "7");
}

TEST(BaseGridOptionForm, OkStaysEnabledAfterAChangeBackAndHandsTheCopyBack) {
    ScriptedUi ui;
    BaseIniFile file("");
    BaseGridOption grid;
    TBaseGridOptionForm form(nullptr, "Accounts", file, grid);
    FontSpec chosen;
    chosen.name = "Arial";
    chosen.height = -13;
    chosen.bold = true;
    chosen.underline = true;  // not offered by the dialog: stays as it was
    chosen.color = clRed;
    ui.ExpectModal<TBaseGridOptionForm>([](TBaseGridOptionForm& f) {
          auto* height = f.Control<UpDownEdit>("RowHeightEdit");
          height->SetText("30");
          height->SetText("24");
          EXPECT_TRUE(OkEnabled(f));
          f.Control<QTabWidget>("BaseGridOptionsPageControl")->setCurrentIndex(1);
          f.Control<QPushButton>("ChangeFontsButton")->click();
          EXPECT_EQ(FromQt(f.Control<QLabel>("NameValueLabel")->text()), "Arial");
          EXPECT_EQ(FromQt(f.Control<QLabel>("StyleValueLabel")->text()), "[Bold]");
          EXPECT_EQ(FromQt(f.Control<QLabel>("SizeValueLabel")->text()), "10");
          f.Control<QPushButton>("ChangeFontsButton")->click();  // cancelled
          f.Control<UpDownEdit>("CellTopOffsetEdit")->SetText("5");
          f.Control<QPushButton>("OKButton")->click();
      })
        .ExpectFont(chosen)
        .ExpectFont(std::nullopt);
    EXPECT_EQ(form.ShowModal(), mrOk);
    EXPECT_EQ(grid.GetRowHeight(), 24);
    EXPECT_EQ(grid.GetCellTopOffset(), 5);
    FontSpec expected = chosen;
    expected.underline = false;
    expected.color = clWindowText;
    EXPECT_EQ(grid.GetFont(), expected);
}

TEST(BaseGridOptionForm, TheDefaultButtonResetsTheFont) {
    ScriptedUi ui;
    BaseIniFile file("");
    BaseGridOption grid;
    FontSpec font;
    font.name = "Arial";
    font.strikeOut = true;
    grid.SetFont(font);
    TBaseGridOptionForm form(nullptr, "Accounts", file, grid);
    ui.ExpectModal<TBaseGridOptionForm>([](TBaseGridOptionForm& f) {
        EXPECT_FALSE(OkEnabled(f));
        f.Control<QPushButton>("DefaultFontButton")->click();
        EXPECT_EQ(FromQt(f.Control<QLabel>("NameValueLabel")->text()), "MS Sans Serif");
        EXPECT_EQ(FromQt(f.Control<QLabel>("StyleValueLabel")->text()), "[]");
        EXPECT_EQ(FromQt(f.Control<QLabel>("SizeValueLabel")->text()), "8");
        f.Control<QPushButton>("OKButton")->click();
    });
    EXPECT_EQ(form.ShowModal(), mrOk);
    EXPECT_EQ(grid.GetFont(), FontSpec());
}

TEST(BaseGridOptionForm, TheSampleGridNamesItsCellsAtTheOffsets) {
    BaseIniFile file("");
    BaseGridOption grid;
    grid.SetCellLeftOffset(5);
    grid.SetCellTopOffset(2);
    TBaseGridOptionForm form(nullptr, "Accounts", file, grid);
    auto* sample = form.Control<DrawGrid>("SampleDrawGrid");
    RecordingCanvas canvas;
    const CanvasRect rect{100, 50, 164, 74};
    const std::string clip = " clip 100,50,164,74";
    const std::string window = std::to_string(clWindow.Value()), face = std::to_string(clBtnFace.Value());
    const std::string text = std::to_string(clWindowText.Value());
    for (auto [col, row] : {std::pair{0, 0}, {3, 0}, {0, 2}, {3, 2}, {10, 12}})
        sample->DrawCell(col, row, rect, canvas);
    EXPECT_EQ(
        canvas.calls,
        (Lines{"fill 100,50,164,74 brush " + face, "text 105,52 \"\" colour " + text + clip,
               "fill 100,50,164,74 brush " + face, "text 105,52 \"Col3\" colour " + text + clip,
               "fill 100,50,164,74 brush " + face, "text 105,52 \"Row2\" colour " + text + clip,
               "fill 100,50,164,74 brush " + window, "text 105,52 \"Row2Col3\" colour " + text + clip,
               "fill 100,50,164,74 brush " + window, "text 105,52 \"Row12Col10\" colour " + text + clip}));

    form.Control<UpDownEdit>("CellLeftOffsetEdit")->SetText("0");
    form.Control<UpDownEdit>("RowHeightEdit")->SetText("17");
    EXPECT_EQ(sample->rowHeight(1), 17);
    canvas.calls.clear();
    sample->DrawCell(1, 1, rect, canvas);
    EXPECT_EQ(canvas.calls.back(), "text 100,52 \"Row1Col1\" colour " + text + clip);
}

}  // namespace
