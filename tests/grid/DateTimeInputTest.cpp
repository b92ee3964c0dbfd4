#include <gtest/gtest.h>

#include <QDate>
#include <QLabel>
#include <QPushButton>

#include "fields/WindowTools.h"
#include "grid/DateValidator.h"
#include "grid/DrawSortDirection.h"
#include "grid/ReadPickerValue.h"
#include "grid/TDateTimeInputForm.h"
#include "guisupport/RecordingCanvas.h"
#include "guisupport/ScriptedUi.h"
#include "toolkit/DateTimePicker.h"
#include "toolkit/QtText.h"

namespace {

using Lines = std::vector<std::string>;

TEST(DateValidator, ChecksTheTextAgainstTheDigitPattern) {
    struct Case {
        const char* format;
        const char* text;
        bool valid;
    };
    const Case cases[] = {
        {"yyyymmdd", "20240229", true},
        {"yyyymmdd", "20230229", false},
        {"yyyymmdd", "19000229", true},  // every year divisible by 4 is a leap year here
        {"yyyymmdd", "21000229", true},
        {"yyyymmdd", "20230230", false},
        {"yyyymmdd", "20230431", false},
        {"yyyymmdd", "20230531", true},
        {"yyyymmdd", "2023-05-17", false},
        {"yyyymmdd", "20231317", false},
        {"yyyymmdd", "20230017", false},
        {"yyyymmdd", "20230500", false},
        {"yyyymmdd", "2023 05 17", true},
        {"yyyymmdd", " 2023\t0517\n", true},
        {"yyyymmdd", "2023O517", false},
        {"yyyymmdd", "", false},
        {"yyyymmdd", "   ", false},
        {"", "20230517", false},
        {" \t", "20230517", false},
        {"YYYY-MM-DD", "2023-05-17", true},
        {"yyyy mm dd", "20230517", true},
        {"yyyy/mm/dd", "2023-05-17", false},
        {"dd.mm.yyyy", "17.05.2023", true},
        {"mmdd", "0229", true},  // no year positions: the year is 0
        {"mmdd", "0230", false},
        {"yyyymmdd", "+0230517", false},
        {"yyyyyyyyyymmdd", "99999999990101", false},  // more digits than a year can hold
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.format) + " / " + c.text);
        DateValidator validator(c.format);
        EXPECT_EQ(validator.Validate(c.text), c.valid);
    }
    DateValidator validator("dd.mm.yyyy");
    EXPECT_TRUE(validator.Parse("17.05.2023"));
    EXPECT_EQ(validator.GetYear(), 2023);
    EXPECT_EQ(validator.GetMonth(), 5);
    EXPECT_EQ(validator.GetDay(), 17);
    EXPECT_FALSE(validator.Parse("17/05/2023"));
    EXPECT_EQ(validator.GetYear(), 0);
    EXPECT_FALSE(validator.IsMonthValid());
    EXPECT_FALSE(validator.IsDayValid());
}

TEST(DrawSortDirection, DrawsTheTriangleInTheMarkColourAndMovesTheTextPastIt) {
    struct Case {
        CanvasRect rect;
        bool ascending;
        const char* polygon;
        int left;
    };
    const Case cases[] = {
        {{100, 20, 180, 44}, false, "polygon 103,26 115,26 109,38", 115},
        {{100, 20, 180, 44}, true, "polygon 109,26 103,38 115,38", 115},
        {{0, 0, 50, 17}, true, "polygon 7,4 3,13 11,13", 11},
        {{0, 0, 50, 2}, false, "polygon 3,0 4,0 3,2", 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.polygon);
        CanvasRect rect = c.rect;
        Lines fills;
        struct Spy : RecordingCanvas {
            Lines* brushes;
            void Polygon(const std::vector<CanvasPoint>& points) override {
                RecordingCanvas::Polygon(points);
                brushes->push_back(std::to_string(BrushColor().Value()));
            }
        } spy;
        spy.brushes = &fills;
        spy.SetBrushColor(ColorValue(0x646464));
        DrawSortDirection(spy, rect, c.ascending);
        EXPECT_EQ(spy.calls, Lines{c.polygon});
        EXPECT_EQ(fills, Lines{std::to_string(0x6A240A)});
        EXPECT_EQ(spy.BrushColor(), ColorValue(0x646464));
        EXPECT_EQ(rect.left, c.left);
        EXPECT_EQ(rect.top, c.rect.top);
        EXPECT_EQ(rect.right, c.rect.right);
        EXPECT_EQ(rect.bottom, c.rect.bottom);
    }
}

TEST(ReadPickerValue, TakesThePickersValueOrNamesTheLabelInTheError) {
    DateTimePicker date(nullptr, "Date");
    DateTimePicker time(nullptr, "Time", DateTimePicker::Kind::Time);
    QLabel dateLabel(QStringLiteral("Start &Date"));
    QLabel timeLabel(QStringLiteral("&Time"));
    std::string error = "old";
    MDate day("19990101");
    date.SetDate(QDate(2023, 5, 17));
    EXPECT_TRUE(ReadPickerValue(day, &date, &dateLabel, "none", error, true));
    EXPECT_EQ(error, "");
    EXPECT_EQ(day, MDate("20230517"));

    MTimeTimePoint at("000000");
    time.SetTime(QTime(14, 5, 9, 400));
    EXPECT_TRUE(ReadPickerValue(at, &time, &timeLabel, "none", error, true));
    EXPECT_EQ(at, MTimeTimePoint("140509"));

    date.SetDate(QDate(2150, 1, 1));  // after the last date the framework holds
    EXPECT_FALSE(ReadPickerValue(day, &date, &dateLabel, "none", error, true));
    EXPECT_EQ(error, "Start Date - Invalid date!");
    EXPECT_EQ(day, MDate("20230517"));
}

struct DialogCase {
    int32_t mode;
    std::string initial;
    bool changeDate, changeTime;
    std::string result;
};

TEST(DateTimeInputForm, ReturnsTheChosenValueInTheFormatOfItsMode) {
    const DialogCase cases[] = {
        {1, "2023/05/17", true, false, "2023/05/18"},
        {1, "2023/05/17 14:05:09", true, false, "2023/05/18"},
        {3, "2023/05/17 14:05:09", true, false, "2023/05/18 14:05:09"},
        {0, "2023/05/17 14:05:09", false, true, "2023/05/17 15:06:07"},
        {2, "2023/05/17 14:05:09", false, true, "15:06:07"},
    };
    for (const DialogCase& c : cases) {
        SCOPED_TRACE(c.result);
        ScriptedUi ui;
        std::string text = c.initial;
        TDateTimeInputForm form(nullptr, MDateTimeTimePoint("2030/01/01 00:00:00"), "Report Date", c.mode,
                                text);
        EXPECT_EQ(FromQt(form.windowTitle()), "Date and/or Time Selection");
        ui.ExpectModal<TDateTimeInputForm>([&c](TDateTimeInputForm& f) {
            auto* date = f.Control<DateTimePicker>("DatePicker");
            auto* time = f.Control<DateTimePicker>("TimePicker");
            auto* ok = f.Control<QPushButton>("OKButton");
            EXPECT_EQ(FromQt(f.Control<QLabel>("ColumnTitleLabel")->text()), "Report Date");
            EXPECT_EQ(date->isEnabled(), c.mode != 2);
            EXPECT_EQ(f.Control<QLabel>("DateLabel")->isEnabled(), c.mode != 2);
            EXPECT_EQ(time->isEnabled(), c.mode != 1);
            EXPECT_EQ(f.Control<QLabel>("TimeLabel")->isEnabled(), c.mode != 1);
            if (c.mode != 2) {
                EXPECT_EQ(date->Date(), QDate(2023, 5, 17));
            }
            if (c.mode != 1 && c.initial.size() > 10) {
                EXPECT_EQ(time->Time(), QTime(14, 5, 9));
            }
            EXPECT_EQ(date->maximumDate(), QDate(2030, 1, 1));
            EXPECT_FALSE(ok->isEnabled());
            if (c.changeDate) date->setDate(QDate(2023, 5, 18));  // as the user would
            if (c.changeTime) time->setTime(QTime(15, 6, 7));
            EXPECT_TRUE(ok->isEnabled());
            ok->click();
        });
        EXPECT_EQ(form.ShowModal(), mrOk);
        EXPECT_EQ(text, c.result);
    }
}

TEST(DateTimeInputForm, CancelLeavesTheTextAndAnEmptyTextOpensOnNow) {
    ScriptedUi ui;
    std::string text;
    TDateTimeInputForm form(nullptr, MDateTimeTimePoint::GetMaximum(), "", 3, text);
    ui.ExpectModal<TDateTimeInputForm>([](TDateTimeInputForm& f) {
        const FormDateTime today = DateTimePointToDate(CurrentDateTimePoint());
        EXPECT_EQ(f.Control<DateTimePicker>("DatePicker")->Date(), QDate(today.year, today.month, today.day));
        EXPECT_LE(std::abs(f.Control<DateTimePicker>("TimePicker")->Time().secsTo(QTime::currentTime())), 60);
        f.Control<DateTimePicker>("TimePicker")->setTime(QTime(1, 2, 3));
        f.Control<QPushButton>("CancelButton")->click();
    });
    EXPECT_EQ(form.ShowModal(), mrCancel);
    EXPECT_EQ(text, "");
}

TEST(DateTimeInputForm, ADateTheFrameworkCannotHoldShowsTheValidationBoxAndStaysOpen) {
    ScriptedUi ui;
    std::string text = "2023/05/17 14:05:09";
    TDateTimeInputForm form(nullptr, MDateTimeTimePoint::GetMaximum(), "Expiry", 3, text);
    ui.ExpectModal<TDateTimeInputForm>([](TDateTimeInputForm& f) {
          auto* date = f.Control<DateTimePicker>("DatePicker");
          date->SetMaxDate(QDate(2200, 1, 1));
          date->setDate(QDate(2150, 1, 1));
          f.Control<QPushButton>("OKButton")->click();
          EXPECT_TRUE(f.isVisible());
          date->setDate(QDate(2024, 2, 29));
          f.Control<QPushButton>("OKButton")->click();
      })
        .ExpectBox("Date and Time Input  - Data Validation", "Date - Invalid date!", BoxIcon::Error,
                   BoxButtons::Ok, mrOk);
    EXPECT_EQ(form.ShowModal(), mrOk);
    EXPECT_EQ(text, "2024/02/29 14:05:09");
}

}  // namespace
