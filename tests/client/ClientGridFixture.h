#pragma once
// Client data windows over a real session logged in to the loopback test server: windows live in
// a real QMdiArea, the settings file names the server and, when a test asks, a temporary working
// directory; a scripted user interface answers every box and dialog.
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <vector>

#include "../session/SessionFixture.h"
#include "brae/Brae_PN_PositionEntry.h"
#include "client/TCommandHistoryGridForm.h"
#include "client/TKVNGrid.h"
#include "grid/TitleManager.h"
#include "store/CommandHistory.h"
#include "store/TInterfaceView.h"
#include "support/TestTempDir.h"
#include "toolkit/MessageRouter.h"

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
