#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <QPushButton>

#include "guisupport/ScriptedUi.h"
#include "toolkit/BusyCursor.h"
#include "toolkit/Timer.h"

namespace {

class Confirm : public Form {
public:
    Confirm() {
        setWindowTitle("Confirm");
        auto* ok = new QPushButton("O&K", this);
        ok->setObjectName("OKButton");
        BindButton(ok, mrOk);
        onShow = [this] { shown = true; };
        onCloseQuery = [this] {
            return Ui().MessageBox(this, "Really?", "Confirm", BoxIcon::Question, BoxButtons::YesNo) == mrYes;
        };
    }
    bool shown = false;
};

class Other : public Form {};

TEST(ScriptedUi, ABoxRaisedInsideAScriptedModalFormIsAnswered) {
    ScriptedUi ui;
    Confirm form;
    ui.ExpectModal<Confirm>([](Confirm& f) {
          EXPECT_TRUE(f.shown);
          f.Control<QPushButton>("OKButton")->click();  // refused: the box answers No
          EXPECT_TRUE(f.isVisible());
          f.Control<QPushButton>("OKButton")->click();
      })
        .ExpectBox("Confirm", "Really?", BoxIcon::Question, BoxButtons::YesNo, mrNo)
        .ExpectBox("Confirm", "Really?", BoxIcon::Question, BoxButtons::YesNo, mrYes);
    EXPECT_EQ(form.ShowModal(), mrOk);
    EXPECT_EQ(ui.Pending(), 0u);
}

TEST(ScriptedUi, AnUnexpectedBoxFailsWithItsCaptionAndTextAndIsAnsweredCancel) {
    ScriptedUi ui;
    int answer = 0;
    EXPECT_NONFATAL_FAILURE(
        answer = Ui().MessageBox(nullptr, "Disk is full", "Export", BoxIcon::Error, BoxButtons::OkCancel),
        "unexpected message box: caption \"Export\" text \"Disk is full\"");
    EXPECT_EQ(answer, mrCancel);
}

TEST(ScriptedUi, AMismatchedBoxOrFormTypeFails) {
    ScriptedUi ui;
    ui.ExpectBox("Export", "Done", BoxIcon::Information, BoxButtons::Ok, mrOk);
    EXPECT_NONFATAL_FAILURE(
        Ui().MessageBox(nullptr, "Failed", "Export", BoxIcon::Information, BoxButtons::Ok), "Done");
    Confirm form;
    ui.ExpectModal<Other>([](Other&) {});
    EXPECT_NONFATAL_FAILURE(form.ShowModal(), "is not a");
}

TEST(ScriptedUi, AModalFormLeftOpenFails) {
    ScriptedUi ui;
    Confirm form;
    int result = -1;
    ui.ExpectModal<Confirm>([](Confirm&) {});
    EXPECT_NONFATAL_FAILURE(result = form.ShowModal(), "still open");
    EXPECT_EQ(result, mrCancel);
    EXPECT_FALSE(form.isVisible());
}

TEST(ScriptedUi, AnUnusedExpectationFailsAtTeardown) {
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedUi ui;
            ui.ExpectBox("Import", "Done", BoxIcon::Information, BoxButtons::Ok, mrOk);
        },
        "unused expectation: message box \"Import\" \"Done\"");
}

TEST(ScriptedUi, AFileFilterOffersBothCasesOfItsExtension) {
    FileDialogSpec spec;
    spec.title = "Import";
    spec.filter = "CSV files|*.CSV|All files|*.*";
    EXPECT_EQ(spec.NameFilters(), (std::vector<std::string>{"CSV files (*.CSV *.csv)", "All files (*.*)"}));
    FileDialogSpec mixed;
    mixed.filter = "Workspaces|*.Wrk;*.cfg";
    EXPECT_EQ(mixed.NameFilters(), (std::vector<std::string>{"Workspaces (*.Wrk *.wrk *.WRK *.cfg *.CFG)"}));

    ScriptedUi ui;
    ui.ExpectOpenFile("/data/x.csv").ExpectOpenFile(std::nullopt);
    std::string path;
    EXPECT_TRUE(Ui().OpenFile(nullptr, spec, path));
    EXPECT_EQ(path, "/data/x.csv");
    EXPECT_FALSE(Ui().OpenFile(nullptr, spec, path));
    EXPECT_EQ(path, "/data/x.csv");
    ASSERT_EQ(ui.fileDialogs.size(), 2u);
    EXPECT_EQ(ui.fileDialogs[0].title, "Import");

    FileDialogSpec csvOnly;
    csvOnly.filter = "CSV files|*.CSV";
    ui.ExpectSaveFile("/data/x.txt");
    EXPECT_NONFATAL_FAILURE(Ui().SaveFile(nullptr, csvOnly, path), "does not offer");
}

TEST(ScriptedUi, AnswersTheStandardDialogsAndRecordsTheRest) {
    ScriptedUi ui;
    FontSpec bold;
    bold.bold = true;
    ui.ExpectFont(bold)
        .ExpectColor(ColorValue(0x6A240A))
        .ExpectColor(std::nullopt)
        .ExpectInput("")
        .ExpectInput(std::nullopt);
    FontSpec font;
    EXPECT_TRUE(Ui().ChooseFont(nullptr, font));
    EXPECT_TRUE(font.bold);
    ColorValue color = clWindow;
    EXPECT_TRUE(Ui().ChooseColor(nullptr, color));
    EXPECT_EQ(color.Value(), 0x6A240A);
    EXPECT_FALSE(Ui().ChooseColor(nullptr, color));
    EXPECT_EQ(color.Value(), 0x6A240A);
    std::string text = "old";
    EXPECT_TRUE(Ui().InputQuery(nullptr, "Rename", "New name", text));  // OK with an empty text
    EXPECT_EQ(text, "");
    text = "old";
    EXPECT_FALSE(Ui().InputQuery(nullptr, "Rename", "New name", text));
    EXPECT_EQ(text, "old");
    EXPECT_EQ(ui.prompts, (std::vector<std::string>{"Rename|New name", "Rename|New name"}));

    {
        BusyCursor busy;
        BusyCursor nested;
        EXPECT_EQ(ui.busyDepth, 2);
    }
    EXPECT_EQ(ui.busyDepth, 0);
    Ui().AlertSound("alert.wav");
    EXPECT_EQ(ui.alerts, (std::vector<std::string>{"alert.wav"}));
    Ui().SetClipboardText("copied");
    EXPECT_EQ(Ui().ClipboardText(), "copied");
}

TEST(ScriptedUi, PumpsTheEventLoopBeforeAnsweringSoTimersRunInsideTheBox) {
    ScriptedUi ui;
    Timer heartbeat;
    int ticks = 0;
    heartbeat.SetInterval(5);
    heartbeat.onTimer = [&] { ++ticks; };
    heartbeat.SetEnabled(true);
    ui.ExpectBox("Session", "Lost", BoxIcon::Warning, BoxButtons::Ok, mrOk).PumpBefore(60);
    EXPECT_EQ(ticks, 0);  // nothing has pumped the loop yet
    EXPECT_EQ(Ui().MessageBox(nullptr, "Lost", "Session", BoxIcon::Warning, BoxButtons::Ok), mrOk);
    EXPECT_GE(ticks, 1);  // a busy machine may run fewer than the 12 ticks of 60 ms
}

TEST(ScriptedUi, RestoresTheHostItReplaced) {
    UiHost* outer = &Ui();
    {
        ScriptedUi ui;
        EXPECT_EQ(&Ui(), &ui);
        {
            ScriptedUi inner;
            EXPECT_EQ(&Ui(), &inner);
        }
        EXPECT_EQ(&Ui(), &ui);
    }
    EXPECT_EQ(&Ui(), outer);
}

}  // namespace
