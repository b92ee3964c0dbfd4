// The historical query dialog with "today" fixed by the framework's test clock at 10 January
// 2021: the pickers stop at yesterday, the start date drags the end date, the range warning by the
// firm list, the validation box of a reversed range, the close rules and the firm list of a
// supervisor. Every box and the dialog itself are answered by the scripted user interface.
#include <QCalendarWidget>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <optional>

#include "ClientGridFixture.h"
#include "client/THistoricalQueryForm.h"
#include "client/WarningBalloon.h"
#include "core/MGlobalTime.h"
#include "core/ProcessClock.h"
#include "support/ScopedEnvironment.h"
#include "toolkit/ComboBox.h"
#include "toolkit/DateTimePicker.h"

namespace {

// Starts the framework clock on a local date-time for the life of the object; the test mode and
// the date are put back as they were afterwards and the clock reads its settings again.
class ScopedClock {
public:
    explicit ScopedClock(const char* dateTime) {
        environment_->Set("VARN_EXEC_MODE", "TEST");
        environment_->Set("VARN_TIME_OVERWRITE_DATE", dateTime);
        Read();
    }
    ~ScopedClock() {
        environment_.reset();
        Read();
    }
    ScopedClock(const ScopedClock&) = delete;
    ScopedClock& operator=(const ScopedClock&) = delete;

private:
    static void Read() {
        MGlobalTime::Instance().Init();
        ResetCurrentTimeCache();
    }
    std::optional<ScopedEnvironment> environment_{std::in_place};
};

const QDate kYesterday(2021, 1, 9);

}  // namespace

class HistoricalQueryFormTest : public ClientGridFixture {
protected:
    // The session is made in SetUp, after the clock was fixed.
    ScopedClock clock{"20210110 120000"};

    void MakeSupervisor() {
        session->UserTypeM = true;
        session->FirmNames = {"NORTHWND", "HARBOUR ", "NORTON"};
    }
    // Runs the dialog preset with the criteria, driven by drive; its result.
    int Run(const std::string& start, const std::string& end, const std::string& firm,
            std::function<void(THistoricalQueryForm&)> drive, THistoricalQueryForm** kept = nullptr) {
        THistoricalQueryForm form(&area, session.get());
        form.SetCriteria(start, end, firm);
        ui.ExpectModal<THistoricalQueryForm>(std::move(drive));
        const int result = form.ShowModal();
        EXPECT_EQ(ui.Pending(), 0u);
        if (kept) *kept = nullptr;
        lastFirm = form.GetFirm();
        lastStart = form.GetStartDate();
        lastEnd = form.GetEndDate();
        return result;
    }
    static DateTimePicker* Start(THistoricalQueryForm& f) {
        return f.Control<DateTimePicker>("StartDateTimePicker");
    }
    static DateTimePicker* End(THistoricalQueryForm& f) {
        return f.Control<DateTimePicker>("EndDateTimePicker");
    }
    static ComboBox* Firms(THistoricalQueryForm& f) { return f.Control<ComboBox>("FirmIdComboBox"); }
    static void Click(THistoricalQueryForm& f, const char* button) {
        f.Control<QPushButton>(button)->click();
    }
    // The user picks a firm.
    static void Pick(THistoricalQueryForm& f, const std::string& firm) {
        ComboBox* box = Firms(f);
        const int index = box->findText(QString::fromStdString(firm));
        ASSERT_GE(index, 0) << firm;
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
    static bool BalloonShown(THistoricalQueryForm& f) { return f.Balloon() && f.Balloon()->isVisible(); }

    std::string lastFirm, lastStart, lastEnd;
};

// A session's first query offers yesterday for both dates; neither picker goes beyond it. A
// participant sees no firm list and reads back a blank firm.
TEST_F(HistoricalQueryFormTest, TheFirstQueryOffersYesterdayAndNoDateAfterItForAParticipant) {
    const KVNEventManager::QuerySlot& slot = session->QuerySlots[0];
    EXPECT_EQ(slot.StartDate, "20210109");
    EXPECT_EQ(slot.EndDate, "20210109");
    const int result = Run(slot.StartDate, slot.EndDate, slot.Firm, [](THistoricalQueryForm& f) {
        for (DateTimePicker* picker : {Start(f), End(f)}) {
            EXPECT_EQ(picker->Date(), kYesterday);
            EXPECT_EQ(picker->maximumDate(), kYesterday);
            picker->setDate(QDate(2021, 1, 10));  // today, as typed: refused
            EXPECT_EQ(picker->Date(), kYesterday);
        }
        EXPECT_EQ(Start(f)->minimumDate(), QDate(1980, 1, 1));
        EXPECT_FALSE(Firms(f)->isVisible());
        EXPECT_FALSE(f.Control<QLabel>("FirmIdLabel")->isVisible());
        EXPECT_EQ(Firms(f)->ItemIndex(), -1);
        Click(f, "mpOkButton");
    });
    EXPECT_EQ(result, mrOk);
    EXPECT_EQ(lastStart, "20210109");
    EXPECT_EQ(lastEnd, "20210109");
    EXPECT_EQ(lastFirm, "    ");
}

// A new start date moves the end date and its minimum to it and enables the end picker, whether
// it lies before or after the end picker's minimum.
TEST_F(HistoricalQueryFormTest, ChangingTheStartDateMovesTheEndDateAndItsMinimum) {
    Run("20210101", "20210105", "    ", [](THistoricalQueryForm& f) {
        EXPECT_EQ(End(f)->minimumDate(), QDate(2021, 1, 1));
        End(f)->setEnabled(false);
        for (const QDate day : {QDate(2021, 1, 3), QDate(2020, 12, 20)}) {
            Start(f)->setDate(day);
            EXPECT_EQ(End(f)->Date(), day);
            EXPECT_EQ(End(f)->minimumDate(), day);
            EXPECT_TRUE(End(f)->isEnabled());
        }
        Click(f, "mpOkButton");
    });
    EXPECT_EQ(lastStart, "20201220");
    EXPECT_EQ(lastEnd, "20201220");
}

// The warning: more than 5 days for all firms, more than 10 otherwise (also without a firm list);
// checked on activation, on a firm change and on an end-date change while no calendar is dropped.
// It never blocks OK.
TEST_F(HistoricalQueryFormTest, TheRangeWarningFollowsTheLimitOfTheFirmChoice) {
    MakeSupervisor();
    Run("20201220", "20201226", "    ", [](THistoricalQueryForm& f) {
        EXPECT_EQ(Firms(f)->Text(), "0000 - All Firms");
        f.OnFormActivate();
        EXPECT_TRUE(f.RangeWarningShown());  // 6 days
        EXPECT_TRUE(BalloonShown(f));
        EXPECT_EQ(f.Balloon()->Text(), THistoricalQueryForm::kRangeWarning);
        Pick(f, "NORTHWND");
        EXPECT_FALSE(f.RangeWarningShown());
        EXPECT_FALSE(BalloonShown(f));
        End(f)->setDate(QDate(2020, 12, 30));  // 10 days
        EXPECT_FALSE(f.RangeWarningShown());
        End(f)->setDate(QDate(2020, 12, 31));  // 11 days
        EXPECT_TRUE(f.RangeWarningShown());
        EXPECT_TRUE(BalloonShown(f));
        Pick(f, "0000 - All Firms");
        End(f)->setDate(QDate(2020, 12, 25));  // 5 days
        EXPECT_FALSE(f.RangeWarningShown());
        End(f)->setDate(QDate(2020, 12, 27));
        EXPECT_TRUE(f.RangeWarningShown());
        Click(f, "mpOkButton");
        EXPECT_FALSE(BalloonShown(f));
    });
    EXPECT_EQ(lastEnd, "20201227");
    EXPECT_EQ(lastFirm, "    ");

    session->UserTypeM = false;
    Run("20201220", "20201231", "    ", [](THistoricalQueryForm& f) {
        f.OnFormActivate();
        EXPECT_TRUE(f.RangeWarningShown());  // 11 days without a firm list
        End(f)->setDate(QDate(2020, 12, 30));
        EXPECT_FALSE(f.RangeWarningShown());
        Click(f, "mpCancelButton");
    });
}

// While a calendar is dropped an end-date change does not check the range; its close-up does.
// The dropped calendar sets the flag, its close-up clears it.
TEST_F(HistoricalQueryFormTest, TheCalendarCloseUpChecksTheRange) {
    Run("20201220", "20201220", "    ", [](THistoricalQueryForm& f) {
        f.OnFormActivate();
        QWidget* popup = End(f)->calendarWidget()->window();
        popup->show();
        EXPECT_TRUE(f.CalendarDropped());
        End(f)->setDate(QDate(2021, 1, 5));
        EXPECT_FALSE(f.RangeWarningShown());
        popup->hide();
        EXPECT_FALSE(f.CalendarDropped());
        EXPECT_TRUE(f.RangeWarningShown());
        EXPECT_TRUE(BalloonShown(f));

        QWidget* startPopup = Start(f)->calendarWidget()->window();
        startPopup->show();
        EXPECT_TRUE(f.CalendarDropped());
        startPopup->hide();
        EXPECT_FALSE(f.CalendarDropped());
        Click(f, "mpCancelButton");
    });
}

// An end date before the start date: the validation box, the focus on the end picker and the
// dialog open with both dates. The close box does nothing until OK succeeded or Cancel was
// pressed; Esc closes.
TEST_F(HistoricalQueryFormTest, AReversedRangeIsRefusedAndTheDialogClosesOnlyByOkOrCancel) {
    const int result = Run("20210105", "20210105", "    ", [this](THistoricalQueryForm& f) {
        f.close();
        EXPECT_TRUE(f.isVisible());
        End(f)->SetMinDate(QDate(2021, 1, 1));
        End(f)->SetDate(QDate(2021, 1, 2));
        ui.ExpectBox("Historical Query Validation", "End date must be greater or equal to Start date",
                     BoxIcon::Information, BoxButtons::OkCancel, mrOk);
        QApplication::setActiveWindow(&f);
        Click(f, "mpOkButton");
        EXPECT_TRUE(f.isVisible());
        EXPECT_EQ(f.ErrorText(), "End date must be greater or equal to Start date");
        EXPECT_EQ(f.focusWidget(), End(f));
        EXPECT_EQ(Start(f)->Date(), QDate(2021, 1, 5));
        EXPECT_EQ(End(f)->Date(), QDate(2021, 1, 2));
        f.close();
        EXPECT_TRUE(f.isVisible());
        QTest::keyClick(&f, Qt::Key_Escape);
        EXPECT_FALSE(f.isVisible());
    });
    EXPECT_EQ(result, mrCancel);
}

// A supervisor's list: all firms and the session's firm names (trailing blanks cut), sorted. The
// preset selects all firms for a blank code and the firm of a code, also when the code is only
// the first four characters of its name; an unknown code selects nothing.
TEST_F(HistoricalQueryFormTest, ASupervisorChoosesAmongAllFirmsAndTheSessionsFirms) {
    MakeSupervisor();
    const struct {
        const char* preset;
        const char* shown;
        const char* readBack;
    } cases[] = {
        {"    ", "0000 - All Firms", "    "},
        {"NORT", "NORTHWND", "NORT"},
        {"HARB", "HARBOUR", "HARB"},
        {"ZZZZ", "", "    "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.preset);
        Run("20210105", "20210105", c.preset, [&](THistoricalQueryForm& f) {
            ComboBox* box = Firms(f);
            EXPECT_TRUE(box->isVisible());
            ASSERT_EQ(box->Count(), 4);
            EXPECT_EQ(box->Item(0), "0000 - All Firms");
            EXPECT_EQ(box->Item(1), "HARBOUR");
            EXPECT_EQ(box->Item(2), "NORTHWND");
            EXPECT_EQ(box->Item(3), "NORTON");
            EXPECT_EQ(box->Text(), c.shown);
            Click(f, "mpOkButton");
        });
        EXPECT_EQ(lastFirm, c.readBack);
    }
    Run("20210105", "20210105", "    ", [](THistoricalQueryForm& f) {
        Pick(f, "NORTON");
        Click(f, "mpOkButton");
    });
    EXPECT_EQ(lastFirm, "NORT");
}
