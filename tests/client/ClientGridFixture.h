#pragma once
// Client data windows over a real session logged in to the loopback test server: windows live in
// a real QMdiArea, the settings file names the server and, when a test asks, a temporary working
// directory; a scripted user interface answers every box and dialog.
#include <QApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <cstdio>
#include <functional>
#include <vector>

#include "../session/SessionFixture.h"
#include "brae/Brae_PN_PositionEntry.h"
#include "client/TCommandHistoryGridForm.h"
#include "client/TKVNGrid.h"
#include "client/TWaitProgressForm.h"
#include "grid/TitleManager.h"
#include "store/CommandHistory.h"
#include "store/TInterfaceView.h"
#include "support/TestTempDir.h"
#include "toolkit/Edit.h"
#include "toolkit/MessageRouter.h"
#include "toolkit/QtText.h"

using HistoryView = TInterfaceView<CommandHistory>;

class ClientGridFixture : public SessionFixture {
protected:
    void SetUp() override {
        SessionFixture::SetUp();
        area.resize(900, 600);
        area.show();
    }
    void TearDown() override {
        for (const QPointer<TKVNGrid>& window : windows)
            if (window) delete window->SubWindow();
        SessionFixture::TearDown();
    }

    // The settings file: the server, and the working directory when one is given.
    void WriteSettings(const std::string& workingDir, bool withKey = true) {
        std::string text =
            "[Config]\nHostNameList=127.0.0.1\nPortList=" + std::to_string(server->GetPort()) + "\n";
        if (withKey) text += "WorkingDir=" + workingDir + "\n";
        settings.Write(text);
    }

    BaseGridConfig Config(const std::string& section) const {
        BaseGridConfig config;
        config.SettingsFileName = dir.File("Windows.ini");
        config.WorkingDirectory = dir.Path();
        config.WindowSection = section;
        config.TitlesSection = "Titles";
        config.TemplateSection = "Template";
        config.WindowTitle = section;
        return config;
    }
    template <class W>
    W& Track(W* window) {
        windows.push_back(window);
        window->Show();
        QApplication::processEvents();
        return *window;
    }
    // A window of a kind over a command-history view holding the given entries.
    TKVNGrid& Open(ChildType kind, int rows = 1) {
        auto* view = new HistoryView;
        for (int i = 1; i <= rows; ++i) {
            CommandHistory entry;
            entry.SequenceNumber.SetValue(i);
            view->UpdateRow(&entry);
        }
        return Track(new TKVNGrid(&area, kind, Config("Window" + std::to_string(windows.size() + 1)), &titles,
                                  session.get(), view));
    }
    TCommandHistoryGridForm& OpenHistory() {
        return Track(
            new TCommandHistoryGridForm(&area, Config("CommandHistory" + std::to_string(windows.size() + 1)),
                                        &titles, session.get(), new HistoryView));
    }

    // The refresh as the main window's timer runs it.
    void Refresh() { session->RefreshGrids(); }

    void SendPositionEntry(const std::string& account) {
        Brae_PN_PositionEntry entry;
        entry.ReportDate.SetText("20210315", 8);
        entry.Instrument.SetText("AB");
        entry.AccountNumber.SetText(account.c_str());
        session->SendCommand(entry,
                             {EnumActionType::Add, EnumBusinessItemType::Position, "New position", false});
    }
    // What the pending-operations dialog showed once it had a result.
    struct Shown {
        std::string caption;
        std::string result;
        std::string style;
        bool bold = false;
        bool okBefore = true;
        bool closedBefore = true;
        bool titleBarClose = true;
        bool logShown = false;
        std::string logEdit;
    };
    // Expects the window's pending-operations dialog: while it waits, runs between, then pumps the
    // session and ticks until the dialog has a result, and closes it with OK.
    void ExpectPendingOperations(Shown& shown, TKVNGrid& window, const std::function<void()>& between = {}) {
        ui.ExpectModal<TWaitProgressForm>([&shown, &window, between, this](TWaitProgressForm& form) {
            shown.caption = FromQt(form.windowTitle());
            shown.titleBarClose = form.windowFlags().testFlag(Qt::WindowCloseButtonHint);
            shown.okBefore = form.mpOkButton->isVisible();
            EXPECT_TRUE(form.ProgressBar->isVisible());
            EXPECT_EQ(form.ProgressBar->maximum(), 0);  // a marquee
            EXPECT_EQ(window.PendingOperationsForm(), &form);
            // No way out before a result.
            form.close();
            shown.closedBefore = !form.isVisible();
            if (between) between();
            EXPECT_TRUE(PumpUntil([&] {
                form.ProcessWaitTimer();
                return form.IsFinished();
            }));
            shown.result = FromQt(form.ItemLabel->text());
            shown.style = FromQt(form.ItemLabel->styleSheet());
            shown.bold = form.ItemLabel->font().bold();
            EXPECT_TRUE(form.mpOkButton->isVisible());
            EXPECT_FALSE(form.ProgressBar->isVisible());
            shown.logShown = form.LogFileLabel->isVisible() && form.ResultLogFileEdit->isVisible();
            shown.logEdit = FromQt(form.ResultLogFileEdit->text());
            form.mpOkButton->click();
        });
    }
    // Shows the dialog from the window as ExpectPendingOperations drives it.
    Shown ShowDialog(TKVNGrid& window, bool problems, const std::function<void()>& between = {}) {
        Shown shown;
        ExpectPendingOperations(shown, window, between);
        session->CommandFailed = true;  // cleared before the dialog shows
        window.ShowPendingOperations(problems);
        EXPECT_EQ(window.PendingOperationsForm(), nullptr);
        return shown;
    }

    // A command's sequence number as the 8 digits of its header.
    static std::string Sequence(uint32_t number) {
        char text[16];
        std::snprintf(text, sizeof text, "%08u", number);
        return text;
    }

    bool AllAnswered() {
        return PumpUntil([&] { return session->PendingCommands.empty(); });
    }

    TestTempDir dir;
    QMdiArea area;
    TitleManager titles{{"SequenceNumber", "ExecutionTime", "CommandAction", "BusinessItem", "CommandStatus",
                         "ErrorMessage", "Description"},
                        "Titles"};
    std::vector<QPointer<TKVNGrid>> windows;
};
