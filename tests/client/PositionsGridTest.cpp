// The positions window over a real session logged in to the loopback test server: the enabling of
// its actions by user type, deletes, imports and the position screen end to end.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <algorithm>
#include <fstream>
#include <iterator>

#include "ClientGridFixture.h"
#include "client/TPositionScreenForm.h"
#include "client/TPositionsGridForm.h"
#include "grid/BusinessObjectGrid.h"
#include "grid/TBoldDateInputForm.h"
#include "grid/TConfirmationForm.h"
#include "grid/TFilteredListForm.h"
#include "guisupport/HookedUi.h"
#include "store/KB_Position.h"
#include "support/TestTempDir.h"
#include "testserver/ServerMessages.h"
#include "toolkit/Action.h"
#include "toolkit/ComboBox.h"
#include "toolkit/DateTimePicker.h"
#include "toolkit/Edit.h"
#include "toolkit/MonthCalendar.h"

namespace {

// Makes a locale Qt's default for one test and puts back the previous default when it dies.
class ScopedDefaultLocale {
public:
    explicit ScopedDefaultLocale(const QLocale& locale) { QLocale::setDefault(locale); }
    ~ScopedDefaultLocale() { QLocale::setDefault(previous_); }
    ScopedDefaultLocale(const ScopedDefaultLocale&) = delete;
    ScopedDefaultLocale& operator=(const ScopedDefaultLocale&) = delete;

private:
    QLocale previous_;
};

using PositionView = TInterfaceView<KB_Position>;

MDateYYYYMMDD Date(const char* yyyymmdd) {
    MDateYYYYMMDD date;
    date.SetText(yyyymmdd);
    return date;
}

const char kDeleteQuestion[] =
    "You are about to delete the selected record\n\nAre you sure you want to continue ?";

}  // namespace

class PositionsGridTest : public ClientGridFixture {
protected:
    TPositionsGridForm& OpenPositions() {
        auto& window =
            Track(new TPositionsGridForm(&area, Config("Positions" + std::to_string(windows.size() + 1)),
                                         &titles, session.get(), new PositionView));
        Refresh();
        return window;
    }
    static PositionView& ViewOf(TPositionsGridForm& window) {
        return *static_cast<PositionView*>(window.View());
    }
    static int Rows(TPositionsGridForm& window) { return ViewOf(window).GetDisplayedRowCount() - 1; }
    static bool Enabled(Action* action) {
        action->Update();
        return action->Enabled();
    }
};

TEST_F(PositionsGridTest, TheActionsFollowTheUserType) {
    struct Case {
        const char* user;
        bool single;  // New, Copy, Modify, Delete
        bool all;     // Delete All Displayed and Import
    };
    for (const Case& c : {Case{"part", true, true}, Case{"psup", true, false}, Case{"jek", false, false},
                          Case{"jsup", false, false}}) {
        SCOPED_TRACE(c.user);
        ASSERT_TRUE(LogInNow(c.user));
        TPositionsGridForm& window = OpenPositions();
        ASSERT_GT(Rows(window), 0);  // every user sees the positions
        window.Grid()->SetRow(1);
        EXPECT_EQ(Enabled(window.NewRowAction), c.single);
        EXPECT_EQ(Enabled(window.CopyAction), c.single);
        EXPECT_EQ(Enabled(window.EditRowAction), c.single);
        EXPECT_EQ(Enabled(window.DeleteAction), c.single);
        EXPECT_EQ(Enabled(window.DeleteAllDisplayedAction), c.all);
        EXPECT_EQ(Enabled(window.ImportAction), c.all);
        EXPECT_EQ(FromQt(window.ImportAction->text()), "Import Positions ...");
        // Not ready: nothing.
        session->Loading = true;
        for (Action* action : {window.NewRowAction, window.CopyAction, window.EditRowAction,
                               window.DeleteAction, window.DeleteAllDisplayedAction, window.ImportAction})
            EXPECT_FALSE(Enabled(action));
        session->Loading = false;
        delete window.SubWindow();
        session->Logout();
        session = std::make_unique<KVNEventManager>();
        session->ProcessTimer = &processTimer;
    }
}

TEST_F(PositionsGridTest, ADeleteSendsOnePositionDeleteAndTheAnswerRemovesTheRow) {
    ASSERT_TRUE(LogInNow("part"));
    TPositionsGridForm& window = OpenPositions();
    ASSERT_EQ(Rows(window), 2);
    const KB_Position shown = *ViewOf(window).GetRowData(0, false);
    ui.ExpectBox("Position Deletion",
                 "You are about to delete the selected record\n\nAre you sure you want to continue ?",
                 BoxIcon::Question, BoxButtons::YesNo, mrYes);
    window.DeleteRecord(0);
    EXPECT_EQ(ui.Pending(), 0u);  // and no pending-operations dialog
    ASSERT_TRUE(AllAnswered());
    const std::vector<std::string> deletes = Received("PD");
    ASSERT_EQ(deletes.size(), 1u);
    EXPECT_EQ(deletes[0].size(), 54u);
    EXPECT_EQ(deletes[0].substr(24, 16), shown.AccountNumber.ToPaddedString());
    EXPECT_TRUE(PumpUntil([&] { return !session->Positions.Find(shown.Key); }));
    Refresh();
    EXPECT_EQ(Rows(window), 1);

    // No: nothing is sent.
    ui.ExpectBox("Position Deletion",
                 "You are about to delete the selected record\n\nAre you sure you want to continue ?",
                 BoxIcon::Question, BoxButtons::YesNo, mrNo);
    window.DeleteRecord(0);
    EXPECT_EQ(Received("PD").size(), 1u);
}

TEST_F(PositionsGridTest, DeleteAllDisplayedSendsForTheRowsTheUserConfirmed) {
    ASSERT_TRUE(LogInNow("part"));
    TPositionsGridForm& window = OpenPositions();
    ASSERT_EQ(Rows(window), 2);
    const KB_Position bottom = *ViewOf(window).GetRowData(1, false);
    const KB_Position top = *ViewOf(window).GetRowData(0, false);
    const std::size_t before = Queued().size();

    // A wrong count sends nothing.
    ui.ExpectModal<TConfirmationForm>([](TConfirmationForm& form) { form.reject(); });
    window.DeleteAllDisplayed();
    EXPECT_EQ(Queued().size(), before);

    // While the confirmation is up, the top row leaves the store and a refresh runs: the bottom
    // row is still deleted, the departed one is skipped.
    ui.ExpectModal<TConfirmationForm>([&](TConfirmationForm& form) {
        EXPECT_EQ(FromQt(form.windowTitle()), "All Displayed Record Deletion");
        session->Positions.Remove(top.Key, false);
        Refresh();
        form.SetModalResult(mrOk);
    });
    window.DeleteAllDisplayed();
    const std::vector<std::string> queued = Queued();
    ASSERT_EQ(queued.size(), before + 1);
    EXPECT_EQ(queued.back().substr(0, 2), "PD");
    EXPECT_EQ(queued.back().substr(24, 16), bottom.AccountNumber.ToPaddedString());
}

TEST_F(PositionsGridTest, APositionRemovedAndStoredAgainBeforeARefreshStaysInTheWindow) {
    ASSERT_TRUE(LogInNow("part"));
    TPositionsGridForm& window = OpenPositions();
    ASSERT_EQ(Rows(window), 2);
    const KB_Position position = *session->Positions.Find(ViewOf(window).GetDisplayedKey(0));
    session->Positions.Remove(position.Key, false);
    session->Positions.Store(position, false);
    Refresh();
    EXPECT_EQ(Rows(window), 2);
    // Removed alone, it goes, even when selected.
    window.Grid()->SetRow(1);
    session->Positions.Remove(position.Key, false);
    Refresh();
    EXPECT_EQ(Rows(window), 1);
}

TEST_F(PositionsGridTest, AnImportWithAnAnswerInErrorEndsInFailureAndLogsTheCommand) {
    ASSERT_TRUE(LogInNow("part"));
    WriteSettings(dir.Path());
    TPositionsGridForm& window = OpenPositions();
    const std::string file = dir.File("day.csv");
    std::ofstream(file) << "header\n20261201;NW-100;ABC 20301220 C 125.00;;;;;10;0\n"
                           "20261201;NW-101;ABC 20301220 P 110.00;;;;;0;4\n";
    const uint32_t next = session->SequenceCounter + 1;
    server->AnswerSequenceWithError(Sequence(next + 1), "Refused for the test");
    ui.ExpectOpenFile(file);
    ClientGridFixture::Shown shown;
    ExpectPendingOperations(shown, window);
    window.ImportAction->trigger();
    EXPECT_EQ(ui.Pending(), 0u);
    EXPECT_EQ(shown.result, "Failure.");
    std::vector<std::string> order;
    for (const testserver::Arrival& arrival : server->GetReceived())
        if (arrival.bytes.compare(0, 2, "IU") == 0 || arrival.bytes.compare(0, 2, "PN") == 0)
            order.push_back(arrival.bytes.substr(0, 2));
    EXPECT_EQ(order, (std::vector<std::string>{"IU", "PN", "PN", "IU"}));
    const std::string log = TestTempDir::Read(window.ImportLogFileName());
    const std::size_t heading = log.find("Execution Report data ...");
    ASSERT_NE(heading, std::string::npos);
    EXPECT_NE(log.find("Refused for the test", heading), std::string::npos);
    EXPECT_LT(log.find("Number of lines imported: 2"), heading);
}

TEST_F(PositionsGridTest, APositionCreatedOnTheScreenArrivesAndShowsAfterTheAnswer) {
    ASSERT_TRUE(LogInNow("part"));
    TPositionsGridForm& window = OpenPositions();
    ASSERT_EQ(Rows(window), 2);
    const uint32_t next = session->SequenceCounter + 1;
    ui.ExpectModal<TPositionScreenForm>([&](TPositionScreenForm& form) {
        EXPECT_EQ(FromQt(form.windowTitle()), "Create a position");
        form.mpAccountNumberEdit->SetText("NW-101");
        form.mpExternalSymbolEdit->SetText("ABC 20301220 P 110.00");
        EXPECT_EQ(form.mpClassSymbolEdit->Text(), "ABC");
        EXPECT_EQ(form.mpCallPutCodeComboBox->Text(), "Put");
        form.mEntry.ReportDate = session->ReportableDates.front();
        form.mpLongQuantityEdit->SetText("7");
        form.mpOkButton->click();
        EXPECT_EQ(FromQt(form.mpErrorMessageLabel->text()), "");
    });
    ui.ExpectBox("Create a position",
                 "You are about to : Create a position\n\nPress OK button to proceed with this action ",
                 BoxIcon::Information, BoxButtons::OkCancel, mrOk);
    ClientGridFixture::Shown shown;
    ExpectPendingOperations(shown, window);
    window.NewRecord(-1);
    EXPECT_EQ(ui.Pending(), 0u);
    EXPECT_EQ(shown.result, "Success.");
    const std::vector<std::string> entries = Received("PN");
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].size(), 71u);
    EXPECT_EQ(entries[0].substr(16, 8), Sequence(next));
    EXPECT_EQ(entries[0].substr(49, 6), "OPABP1");
    EXPECT_EQ(entries[0].substr(55, 16), "0000000700000000");
    Refresh();
    EXPECT_EQ(Rows(window), 3);
}

TEST_F(PositionsGridTest, TheScreenStopsAtTheFirstFailedCheck) {
    ASSERT_TRUE(LogInNow("part"));
    TPositionsGridForm& window = OpenPositions();
    const KB_Position& stored = session->Positions.Records.begin()->second;
    const std::string today = session->ReportableDates.front().ToString();
    struct Case {
        std::string account;
        std::string symbol;
        std::string reportDate;
        std::string longQuantity;
        std::string shortQuantity;
        std::string message;  // a trailing '*' matches the start only
        std::string focus;    // the control given the focus, when the check names one
    };
    const std::string call = "ABC 20301220 C 125.00";
    const std::vector<Case> cases = {
        {"", call, today, "1", "", "No value specified for field Account Number", "mpAccountNumberEdit"},
        {"NW=1", call, today, "1", "", "NW=1 Contains a special character that can't be processed", ""},
        {"ZZ-1", call, today, "1", "", "The account does not exist", ""},
        {"NW-101", "NOPE", today, "1", "", "The instrument does not exist", ""},
        {"NW-101", call, "20310101", "1", "", "Invalid Instrument For Specified Report Date", ""},
        {stored.AccountNumber.ToString(), stored.ExternalSymbol.ToString(), stored.ReportDate.ToString(), "1",
         "", "The position already exists", ""},
        {"NW-101", call, today, "1x", "", "Long - *", ""},
        {"NW-101", call, today, "", "-", "Short - *", ""},
        {"NW-101", call, today, "0", "", "A position must be defined", "mpShortQuantityEdit"},
        {"NW-101", call, "", "1", "", "Report date is not valid.", "SelectReportDateButton"},
    };
    const int32_t idsBefore = session->PositionIdCounter;
    ui.ExpectModal<TPositionScreenForm>([&](TPositionScreenForm& form) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.message);
            form.mpAccountNumberEdit->SetText(c.account);
            form.mpExternalSymbolEdit->SetText(c.symbol);
            form.mEntry.ReportDate.SetText(c.reportDate.c_str());
            form.mpLongQuantityEdit->SetText(c.longQuantity);
            form.mpShortQuantityEdit->SetText(c.shortQuantity);
            form.mpOkButton->click();  // refused: no box, the dialog stays
            const std::string shown = FromQt(form.mpErrorMessageLabel->text());
            if (c.message.back() == '*')
                EXPECT_EQ(shown.substr(0, c.message.size() - 1), c.message.substr(0, c.message.size() - 1));
            else
                EXPECT_EQ(shown, c.message);
            EXPECT_TRUE(form.isVisible());
            EXPECT_EQ(form.mpAccountNumberEdit->Text(), c.account);  // the input stays
            if (!c.focus.empty()) {
                ASSERT_NE(form.focusWidget(), nullptr);
                EXPECT_EQ(FromQt(form.focusWidget()->objectName()), c.focus);
            }
        }
        form.reject();
    });
    window.NewRecord(-1);
    EXPECT_EQ(ui.Pending(), 0u);
    EXPECT_TRUE(Received("PN").empty());
    EXPECT_EQ(session->PositionIdCounter, idsBefore);  // the existence check handed out no id
}

TEST_F(PositionsGridTest, ModifyChangesOnlyTheQuantitiesOfTheRowsOwnInstrument) {
    ASSERT_TRUE(LogInNow("part"));
    TPositionsGridForm& window = OpenPositions();
    const KB_Position row = *ViewOf(window).GetRowData(0, false);
    // The expiry check is made for new positions only: an instrument that expired before the
    // row's report date does not stop a change of its quantities.
    for (BraeGroupInstrumentDefinition& definition : session->Instruments)
        definition.ExpirationDate.SetText("20000101");
    // Another definition with the row's external symbol, stored first: the lookup shows it, the
    // entry keeps the row's own instrument.
    BraeGroupInstrumentDefinition shared = session->Instruments.front();
    shared.ExternalSymbol = row.ExternalSymbol;
    shared.Group.SetText("ZZ");
    shared.Instrument.SetText("ZZZ9");
    session->Instruments.insert(session->Instruments.begin(), shared);
    ui.ExpectModal<TPositionScreenForm>([&](TPositionScreenForm& form) {
        EXPECT_EQ(FromQt(form.windowTitle()), "Modify a position");
        EXPECT_FALSE(form.mpAccountNumberEdit->isEnabled());
        EXPECT_FALSE(form.mpExternalSymbolEdit->isEnabled());
        EXPECT_FALSE(form.SelectReportDateButton->isEnabled());
        EXPECT_FALSE(form.SymbolsButton->isVisible());
        EXPECT_FALSE(form.mpClassSymbolEdit->isEnabled());
        EXPECT_TRUE(form.mpClassSymbolEdit->isVisible());
        form.mpShortQuantityEdit->SetText("9");
        form.mpOkButton->click();
    });
    ui.ExpectBox("Modify a position",
                 "You are about to : Modify a position\n\nPress OK button to proceed with this action ",
                 BoxIcon::Information, BoxButtons::OkCancel, mrOk);
    ClientGridFixture::Shown shown;
    ExpectPendingOperations(shown, window);
    EXPECT_TRUE(window.EditRow(0));
    EXPECT_EQ(ui.Pending(), 0u);
    const std::vector<std::string> entries = Received("PN");
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].substr(33, 16), row.AccountNumber.ToPaddedString());
    EXPECT_EQ(entries[0].substr(49, 2), row.Group.ToPaddedString());
    EXPECT_EQ(entries[0].substr(51, 4), row.Instrument.ToPaddedString());
    EXPECT_EQ(entries[0].substr(63, 8), "00000009");
    const CommandHistory* last = &session->CommandHistories.Records.rbegin()->second;
    EXPECT_EQ(last->CommandAction.ToEnum(), EnumActionType::Update);
}

TEST_F(PositionsGridTest, WithoutReportableDatesTheScreenDoesNotOpen) {
    ASSERT_TRUE(LogInNow("part"));
    TPositionsGridForm& window = OpenPositions();
    session->ReportableDates.clear();
    for (int i = 0; i < 3; ++i)
        ui.ExpectBox("Configuration Error",
                     "  No reportable dates were configured\nContact QZK to get this issue resolved.",
                     BoxIcon::Error, BoxButtons::Ok, mrOk);
    window.NewRecord(-1);
    window.NewRecord(0);
    EXPECT_FALSE(window.EditRow(0));
    EXPECT_TRUE(Received("PN").empty());
}

TEST_F(PositionsGridTest, CopyOpensTheRowsValuesInCreateModeAndCancelInTheBoxKeepsTheInput) {
    ASSERT_TRUE(LogInNow("part"));
    TPositionsGridForm& window = OpenPositions();
    const KB_Position row = *ViewOf(window).GetRowData(0, false);
    ASSERT_EQ(row.LongQuantity.GetValue(), 10);
    ASSERT_EQ(row.ShortQuantity.GetValue(), 0);
    window.Grid()->SetRow(1);
    const uint32_t next = session->SequenceCounter + 1;
    ui.ExpectModal<TPositionScreenForm>([&](TPositionScreenForm& form) {
        EXPECT_EQ(FromQt(form.windowTitle()), "Create a position");
        EXPECT_TRUE(form.mCreateMode);
        EXPECT_EQ(form.mpAccountNumberEdit->Text(), row.AccountNumber.ToString());
        EXPECT_EQ(form.mpExternalSymbolEdit->Text(), row.ExternalSymbol.ToString());
        EXPECT_EQ(form.mEntry.ReportDate.ToString(), row.ReportDate.ToString());
        EXPECT_NE(form.ReportDateEdit->Text(), "__/__/__");
        // Quantities as their significant digits, zero as an empty field; the strike with its point.
        EXPECT_EQ(form.mpLongQuantityEdit->Text(), "10");
        EXPECT_EQ(form.mpShortQuantityEdit->Text(), "");
        const std::string strike = form.mpStrikePriceEdit->Text();
        EXPECT_NE(strike.find('.'), std::string::npos) << strike;
        EXPECT_EQ(std::stod(strike), 125.0);
        std::vector<std::string> names;
        for (int i = 0; i < form.mpCallPutCodeComboBox->Count(); ++i)
            names.push_back(form.mpCallPutCodeComboBox->Item(i));
        std::sort(names.begin(), names.end());
        EXPECT_EQ(names, (std::vector<std::string>{"Call", "None", "Over", "Put", "Under"}));
        EXPECT_EQ(form.mpCallPutCodeComboBox->Text(), "Call");
        // The instrument's fields are shown, not typed; what a copy may change is open.
        for (QWidget* control : std::initializer_list<QWidget*>{
                 form.mpClassSymbolEdit, form.mpClassSymbolLabel, form.mpCallPutCodeComboBox,
                 form.mpCallPutCodeLabel, form.mpStrikePriceEdit, form.mpStrikePriceLabel,
                 form.mpExpirationDateDateTimePicker, form.mpExpirationDateLabel}) {
            SCOPED_TRACE(FromQt(control->objectName()));
            EXPECT_FALSE(control->isEnabled());
            EXPECT_TRUE(control->isVisible());
        }
        for (QWidget* control : std::initializer_list<QWidget*>{
                 form.mpAccountNumberEdit, form.mpExternalSymbolEdit, form.SelectReportDateButton})
            EXPECT_TRUE(control->isEnabled());
        EXPECT_TRUE(form.SymbolsButton->isVisible());

        form.mpAccountNumberEdit->SetText("NW-101");
        const std::size_t before = ui.Pending();
        form.mpOkButton->click();  // Cancel in the box: the dialog stays with its input
        EXPECT_EQ(ui.Pending(), before - 1);
        EXPECT_TRUE(form.isVisible());
        EXPECT_FALSE(form.mSent);
        EXPECT_EQ(form.mpAccountNumberEdit->Text(), "NW-101");
        EXPECT_EQ(form.mpLongQuantityEdit->Text(), "10");
        EXPECT_EQ(form.mpExternalSymbolEdit->Text(), row.ExternalSymbol.ToString());
        EXPECT_TRUE(Queued().empty() || Queued().back().substr(0, 2) != "PN");
        form.mpOkButton->click();  // OK in the box
    });
    const std::string question =
        "You are about to : Create a position\n\nPress OK button to proceed with this action ";
    ui.ExpectBox("Create a position", question, BoxIcon::Information, BoxButtons::OkCancel, mrCancel);
    ui.ExpectBox("Create a position", question, BoxIcon::Information, BoxButtons::OkCancel, mrOk);
    ClientGridFixture::Shown shown;
    ExpectPendingOperations(shown, window);
    window.CopyAction->Execute();
    EXPECT_EQ(ui.Pending(), 0u);
    EXPECT_EQ(shown.result, "Success.");
    const std::vector<std::string> entries = Received("PN");
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].substr(16, 8), Sequence(next));
    EXPECT_EQ(entries[0].substr(24, 8), row.ReportDate.ToString());
    EXPECT_EQ(entries[0].substr(33, 16), "NW-101          ");
    EXPECT_EQ(entries[0].substr(49, 6), row.Group.ToPaddedString() + row.Instrument.ToPaddedString());
    EXPECT_EQ(entries[0].substr(55, 16), "0000001000000000");
    const CommandHistory& sent = session->CommandHistories.Records.rbegin()->second;
    EXPECT_EQ(sent.CommandAction.ToEnum(), EnumActionType::Add);
    EXPECT_EQ(sent.BusinessItem.ToEnum(), EnumBusinessItemType::Position);
    EXPECT_EQ(sent.Description.ToString(), "Create a position - " + row.ReportDate.ToString() + " - " +
                                               row.Instrument.ToString() + " - NW-101");
}

TEST_F(PositionsGridTest, TheSymbolLookupTakesTheFirstDefinitionAndClearsTheInstrumentUntilAMatch) {
    ASSERT_TRUE(LogInNow("part"));
    TPositionsGridForm& window = OpenPositions();
    const std::string call = "ABC 20301220 C 125.00";
    const std::string put = "ABC 20301220 P 110.00";
    // A second definition with the put's symbol, stored after it: the first one is taken.
    const auto first = std::find_if(session->Instruments.begin(), session->Instruments.end(),
                                    [&](const auto& d) { return d.ExternalSymbol.ToString() == put; });
    ASSERT_NE(first, session->Instruments.end());
    BraeGroupInstrumentDefinition shadow = *first;
    shadow.Instrument.SetText("ZZP9");
    shadow.ClassSymbol.SetText("SHADOW");
    session->Instruments.push_back(shadow);
    ui.ExpectModal<TPositionScreenForm>([&](TPositionScreenForm& form) {
        form.mpExternalSymbolEdit->SetText(" " + call + " ");  // trimmed
        EXPECT_EQ(form.mEntry.Group.ToString() + form.mEntry.Instrument.ToString(), "OPABC1");
        ASSERT_EQ(form.mpCallPutCodeComboBox->Text(), "Call");
        const std::string strike = form.mpStrikePriceEdit->Text();
        form.mpExternalSymbolEdit->SetText("");
        for (std::size_t n = 1; n < put.size(); ++n) {
            SCOPED_TRACE(put.substr(0, n));
            QTest::keyClick(form.mpExternalSymbolEdit, put[n - 1]);
            EXPECT_EQ(form.mpExternalSymbolEdit->Text(), put.substr(0, n));
            EXPECT_TRUE(form.mEntry.Group.IsBlank());
            EXPECT_TRUE(form.mEntry.Instrument.IsBlank());
            EXPECT_EQ(form.mExpirationDate.ToString().find_first_not_of(' '), std::string::npos);
            // Without a match the shown instrument stays as it was.
            EXPECT_EQ(form.mpClassSymbolEdit->Text(), "ABC");
            EXPECT_EQ(form.mpCallPutCodeComboBox->Text(), "Call");
            EXPECT_EQ(form.mpStrikePriceEdit->Text(), strike);
        }
        QTest::keyClick(form.mpExternalSymbolEdit, put.back());
        EXPECT_EQ(form.mEntry.Group.ToString() + form.mEntry.Instrument.ToString(), "OPABP1");
        EXPECT_EQ(form.mExpirationDate.ToString(), "20301220");
        EXPECT_EQ(form.mpClassSymbolEdit->Text(), "ABC");
        EXPECT_EQ(form.mpCallPutCodeComboBox->Text(), "Put");
        form.reject();
    });
    window.NewRecord(-1);
    EXPECT_EQ(ui.Pending(), 0u);
}

TEST_F(PositionsGridTest, TheSymbolsButtonOffersTheExternalSymbolsFromTheEditsText) {
    ASSERT_TRUE(LogInNow("part"));
    TPositionsGridForm& window = OpenPositions();
    const std::vector<std::string> symbols = {"ABC 20301220 C 125.00", "ABC 20301220 P 110.00"};
    ui.ExpectModal<TPositionScreenForm>([&](TPositionScreenForm& form) {
        form.mpExternalSymbolEdit->SetText("ABC 2030");
        form.SymbolsButton->click();  // Esc: nothing changes
        EXPECT_EQ(form.mpExternalSymbolEdit->Text(), "ABC 2030");
        EXPECT_TRUE(form.mEntry.Instrument.IsBlank());
        form.SymbolsButton->click();  // the put is picked and looked up
        EXPECT_EQ(form.mpExternalSymbolEdit->Text(), symbols[1]);
        EXPECT_EQ(form.mEntry.Group.ToString() + form.mEntry.Instrument.ToString(), "OPABP1");
        EXPECT_EQ(form.mpCallPutCodeComboBox->Text(), "Put");
        form.reject();
    });
    auto shown = [](const TFilteredListForm& list) {
        std::vector<std::string> lines;
        for (std::size_t i = 0; i < list.ShownCount(); ++i) lines.push_back(list.Shown(i));
        return lines;
    };
    ui.ExpectModal<TFilteredListForm>([&](TFilteredListForm& list) {
        EXPECT_EQ(FromQt(list.windowTitle()), "External Symbol");
        EXPECT_EQ(list.Control<Edit>("ItemFilterEdit")->Text(), "ABC 2030");
        EXPECT_EQ(shown(list), symbols);
        QTest::keyClick(list.Control<Edit>("ItemFilterEdit"), Qt::Key_Escape);
    });
    ui.ExpectModal<TFilteredListForm>([&](TFilteredListForm& list) {
        list.Control<Edit>("ItemFilterEdit")->SetText("");
        EXPECT_EQ(shown(list), symbols);  // every known symbol
        auto* grid = list.Control<QTableView>("ItemStringGrid");
        const QModelIndex index = grid->model()->index(1, 0);
        grid->setCurrentIndex(index);
        emit grid->doubleClicked(index);
    });
    window.NewRecord(-1);
    EXPECT_EQ(ui.Pending(), 0u);
}

// The main window's timers run under the modal screen: a lost connection resets the session while
// it is open, and a new login brings the reference data again, here in another order. The symbol
// is looked up in the instruments the session holds when it is typed.
TEST_F(PositionsGridTest, TheSymbolLookupFollowsTheSessionsInstrumentsWhileTheScreenIsOpen) {
    ASSERT_TRUE(LogInNow("part"));
    TPositionsGridForm& window = OpenPositions();
    const std::string call = "ABC 20301220 C 125.00";
    const std::string put = "ABC 20301220 P 110.00";
    const std::string reversed = testserver::MakeBulk(
        "BI", {testserver::MakeInstrument("OP", "ABP1", 'P', "2000011000", "20301220", "ABC", put),
               testserver::MakeInstrument("OP", "ABC1", 'C', "2000012500", "20301220", "ABC", call)});
    const auto instrument = [](const TPositionScreenForm& form) {
        return form.mEntry.Group.ToString() + form.mEntry.Instrument.ToString();
    };
    const auto type = [](TPositionScreenForm& form, const std::string& symbol) {
        form.mpExternalSymbolEdit->SetText("");
        form.mpExternalSymbolEdit->SetText(symbol);
    };
    ui.ExpectModal<TPositionScreenForm>([&](TPositionScreenForm& form) {
        type(form, put);
        EXPECT_EQ(instrument(form), "OPABP1");

        session->ResetSession();
        for (const std::string& symbol : {call, put}) {
            SCOPED_TRACE(symbol);
            type(form, symbol);
            EXPECT_EQ(instrument(form), "");
            EXPECT_EQ(form.mExpirationDate.ToString().find_first_not_of(' '), std::string::npos);
        }
        form.SymbolsButton->click();  // nothing to offer

        session->Dispatch(reversed.data(), static_cast<int32_t>(reversed.size()));
        ASSERT_EQ(session->Instruments.size(), 2u);
        type(form, call);
        EXPECT_EQ(instrument(form), "OPABC1");
        EXPECT_EQ(form.mpCallPutCodeComboBox->Text(), "Call");
        type(form, put);
        EXPECT_EQ(instrument(form), "OPABP1");
        EXPECT_EQ(form.mpCallPutCodeComboBox->Text(), "Put");
        form.reject();
    });
    ui.ExpectModal<TFilteredListForm>([&](TFilteredListForm& list) {
        EXPECT_EQ(list.ShownCount(), 0u);
        QTest::keyClick(list.Control<Edit>("ItemFilterEdit"), Qt::Key_Escape);
    });
    window.NewRecord(-1);
    EXPECT_EQ(ui.Pending(), 0u);
}

// A row whose symbol no definition holds (the instrument is unknown, or gone): the change keeps
// the row's own group and instrument.
TEST_F(PositionsGridTest, ModifyKeepsTheRowsInstrumentWhenNoDefinitionHasItsSymbol) {
    ASSERT_TRUE(LogInNow("part"));
    TPositionsGridForm& window = OpenPositions();
    const KB_Position row = *ViewOf(window).GetRowData(0, false);
    ASSERT_FALSE(row.Group.IsBlank());
    for (BraeGroupInstrumentDefinition& definition : session->Instruments)
        definition.ExternalSymbol.SetText("GONE");
    ui.ExpectModal<TPositionScreenForm>([&](TPositionScreenForm& form) {
        EXPECT_EQ(FromQt(form.windowTitle()), "Modify a position");
        EXPECT_EQ(form.mpExternalSymbolEdit->Text(), row.ExternalSymbol.ToString());
        form.mpShortQuantityEdit->SetText("4");
        form.mpOkButton->click();
        EXPECT_EQ(FromQt(form.mpErrorMessageLabel->text()), "");
    });
    ui.ExpectBox("Modify a position",
                 "You are about to : Modify a position\n\nPress OK button to proceed with this action ",
                 BoxIcon::Information, BoxButtons::OkCancel, mrOk);
    ClientGridFixture::Shown shown;
    ExpectPendingOperations(shown, window);
    EXPECT_TRUE(window.EditRow(0));
    EXPECT_EQ(ui.Pending(), 0u);
    const std::vector<std::string> entries = Received("PN");
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].substr(33, 16), row.AccountNumber.ToPaddedString());
    EXPECT_EQ(entries[0].substr(49, 6), row.Group.ToPaddedString() + row.Instrument.ToPaddedString());
    EXPECT_EQ(entries[0].substr(55, 16), "0000001000000004");
}

TEST_F(PositionsGridTest, TheReportDateChooserOffersTheReportableDaysUpToTheEndOfTheLastMonth) {
    ASSERT_TRUE(LogInNow("part"));
    TPositionsGridForm& window = OpenPositions();
    const ScopedDefaultLocale english(QLocale(QLocale::English, QLocale::UnitedStates));
    session->ReportableDates = {Date("20260302"), Date("20260305"), Date("20260410")};
    auto bold = [](const MonthCalendar* calendar, const QDate& day) {
        return calendar->dateTextFormat(day).fontWeight() == QFont::Bold;
    };
    ui.ExpectModal<TPositionScreenForm>([&](TPositionScreenForm& form) {
        const std::string blank = form.mEntry.ReportDate.ToString();
        form.SelectReportDateButton->click();  // cancelled
        EXPECT_EQ(form.mEntry.ReportDate.ToString(), blank);
        EXPECT_EQ(form.ReportDateEdit->Text(), "__/__/__");
        form.SelectReportDateButton->click();  // confirmed
        EXPECT_EQ(form.mEntry.ReportDate.ToString(), "20260305");
        EXPECT_NE(form.ReportDateEdit->Text(), "__/__/__");
        EXPECT_NE(form.ReportDateEdit->Text().find("2026"), std::string::npos);
        form.reject();
    });
    ui.ExpectModal<TBoldDateInputForm>([&](TBoldDateInputForm& chooser) {
        EXPECT_EQ(FromQt(chooser.windowTitle()), "Report Date");
        EXPECT_EQ(FromQt(chooser.Control<QLabel>("TitleLabel")->text()), "Select a valid report date");
        auto* calendar = chooser.Control<MonthCalendar>("BoldMonthCalendar");
        EXPECT_EQ(calendar->minimumDate(), QDate(2026, 3, 2));
        EXPECT_EQ(calendar->maximumDate(), QDate(2026, 4, 30));
        calendar->SetDate(QDate(2026, 3, 2));
        for (int day : {2, 5}) EXPECT_TRUE(bold(calendar, QDate(2026, 3, day))) << day;
        for (int day : {3, 4, 31}) EXPECT_FALSE(bold(calendar, QDate(2026, 3, day))) << day;
        calendar->SetDate(QDate(2026, 4, 10));
        EXPECT_TRUE(bold(calendar, QDate(2026, 4, 10)));
        EXPECT_FALSE(bold(calendar, QDate(2026, 4, 9)));
        emit calendar->clicked(QDate(2026, 4, 10));
        QTest::keyClick(&chooser, Qt::Key_Escape);
    });
    ui.ExpectModal<TBoldDateInputForm>([&](TBoldDateInputForm& chooser) {
        auto* calendar = chooser.Control<MonthCalendar>("BoldMonthCalendar");
        calendar->SetDate(QDate(2026, 3, 5));
        emit calendar->clicked(QDate(2026, 3, 5));
        chooser.Control<QPushButton>("OKButton")->click();
    });
    window.NewRecord(-1);
    EXPECT_EQ(ui.Pending(), 0u);
    EXPECT_TRUE(Received("PN").empty());
}

// Timers keep running inside the box: a refresh may move the rows before the user answers.
TEST_F(PositionsGridTest, DeleteSendsForThePositionShownWhenAskedWhateverARefreshDidMeanwhile) {
    ASSERT_TRUE(LogInNow("part"));
    TPositionsGridForm& window = OpenPositions();
    ASSERT_EQ(Rows(window), 2);
    const KB_Position top = *ViewOf(window).GetRowData(0, false);
    HookedUi hooked;

    // The position itself leaves the store: nothing is sent.
    hooked.inBox = [&](const std::string&) {
        session->Positions.Remove(top.Key, false);
        Refresh();
    };
    hooked.ExpectBox("Position Deletion", kDeleteQuestion, BoxIcon::Question, BoxButtons::YesNo, mrYes);
    window.DeleteRecord(0);
    EXPECT_EQ(Rows(window), 1);
    EXPECT_TRUE(Received("PD").empty());
    session->Positions.Store(top, false);
    Refresh();
    ASSERT_EQ(Rows(window), 2);

    // Another row leaves: the delete names the bottom row asked about, now the only one.
    const KB_Position upper = *ViewOf(window).GetRowData(0, false);
    const KB_Position lower = *ViewOf(window).GetRowData(1, false);
    hooked.inBox = [&](const std::string&) {
        session->Positions.Remove(upper.Key, false);
        Refresh();
    };
    hooked.ExpectBox("Position Deletion", kDeleteQuestion, BoxIcon::Question, BoxButtons::YesNo, mrYes);
    window.DeleteRecord(1);
    EXPECT_EQ(hooked.Pending(), 0u);
    ASSERT_TRUE(AllAnswered());
    const std::vector<std::string> deletes = Received("PD");
    ASSERT_EQ(deletes.size(), 1u);
    EXPECT_EQ(deletes[0].substr(24, 30), lower.AccountNumber.ToPaddedString() + lower.Group.ToPaddedString() +
                                             lower.Instrument.ToPaddedString() + lower.ReportDate.ToString());
}

TEST_F(PositionsGridTest, DeleteAllDisplayedAsksForTheCountAndSendsFromTheBottomRowUp) {
    ASSERT_TRUE(LogInNow("part"));
    TPositionsGridForm& window = OpenPositions();
    ASSERT_EQ(Rows(window), 2);
    const KB_Position top = *ViewOf(window).GetRowData(0, false);
    const KB_Position bottom = *ViewOf(window).GetRowData(1, false);
    ui.ExpectModal<TConfirmationForm>([&](TConfirmationForm& form) {
        EXPECT_EQ(FromQt(form.windowTitle()), "All Displayed Record Deletion");
        EXPECT_EQ(FromQt(form.Control<QLabel>("MessageLabel")->text()),
                  "Positions: All Displayed\n\nYou are about to delete 2 currently displayed positions.\n"
                  "Enter total number of records and press OK button to proceed with the deletion.\n\n"
                  "Total number of records : 2");
        QTest::keyClicks(form.Control<Edit>("ConfirmationEdit"), "1");  // a wrong count
        form.Control<QPushButton>("OKButton")->click();
        EXPECT_TRUE(form.isVisible());
        EXPECT_TRUE(Received("PD").empty());
        form.Control<Edit>("ConfirmationEdit")->SetText("");
        QTest::keyClicks(form.Control<Edit>("ConfirmationEdit"), "2");
        form.Control<QPushButton>("OKButton")->click();
    });
    ui.ExpectBox("Confirmation Validation", "You have to enter exact value to confirm the operation",
                 BoxIcon::Error, BoxButtons::Ok, mrOk);
    window.DeleteAllDisplayed();
    EXPECT_EQ(ui.Pending(), 0u);
    ASSERT_TRUE(AllAnswered());
    const std::vector<std::string> deletes = Received("PD");
    ASSERT_EQ(deletes.size(), 2u);
    EXPECT_EQ(deletes[0].substr(24, 16), bottom.AccountNumber.ToPaddedString());
    EXPECT_EQ(deletes[1].substr(24, 16), top.AccountNumber.ToPaddedString());
    for (const CommandHistory* command : {&std::prev(session->CommandHistories.Records.end(), 2)->second,
                                          &session->CommandHistories.Records.rbegin()->second}) {
        EXPECT_EQ(command->CommandAction.ToEnum(), EnumActionType::Delete);
        EXPECT_EQ(command->BusinessItem.ToEnum(), EnumBusinessItemType::Position);
    }
    EXPECT_EQ(session->CommandHistories.Records.rbegin()->second.Description.ToString(),
              "Delete - " + top.AccountNumber.ToString());
    Refresh();
    EXPECT_EQ(Rows(window), 0);
}
