#include <gtest/gtest.h>

#include <QMdiArea>
#include <QMdiSubWindow>
#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/BaseIniFile.h"
#include "core/MIniStore.h"
#include "grid/WorkspaceManager.h"
#include "guisupport/ScriptedUi.h"
#include "support/TestTempDir.h"
#include "toolkit/MdiForm.h"

namespace {

const std::string kModifiedText =
    "The configuration of currently open workspace has been changed.\nDo you want to save it?";
const std::string kNoWindows = "[Application]\nName=Korvane.exe\n\n";

// Records what the base asks of it. Windows are the MDI children; a file is accepted when its
// application name is this program's, in any letter case.
class TestWorkspace : public WorkspaceManager {
public:
    using WorkspaceManager::WorkspaceManager;

    bool LoadFile(const std::string& fileName) override {
        calls.push_back("LoadFile " + Name(fileName));
        const BaseIniFile file(fileName);
        return acceptAll || MIniStore::SameName(file.ReadString("Application", "Name", ""), kApplicationName);
    }
    bool SaveFile(BaseIniFile& file, const std::string& fileName) override {
        calls.push_back("SaveFile " + Name(fileName));
        const QList<QMdiSubWindow*> children = MdiArea()->subWindowList();
        if (children.isEmpty()) return false;
        file.WriteString("AccountTemplate", "Sort", "Name(Up);");
        file.WriteString("Application", "Name", kApplicationName);
        for (int i = 0; i < children.size(); ++i) file.WriteString("DataWindow", std::to_string(i), "2");
        for (int i = 0; i < children.size(); ++i)
            file.WriteString(std::to_string(i), "Title", children[i]->widget()->objectName().toStdString());
        return true;
    }
    void SaveAsDefault() override {}
    void ResetTitles() override { calls.push_back("ResetTitles"); }
    void LoadTitles(const std::string& fileName) override { calls.push_back("LoadTitles " + Name(fileName)); }
    void ClearTemplates() override { calls.push_back("ClearTemplates"); }
    void LoadTemplates(const std::string& fileName) override {
        calls.push_back("LoadTemplates " + Name(fileName));
    }
    void StartSession() override {}
    void SaveWindowAs(BaseIniFile& file) override {
        calls.push_back("SaveWindowAs");
        file.WriteString("Application", "Name", kApplicationName);
        file.WriteString("DataWindow", "2026121161635123", "2");
        file.WriteString("2026121161635123", "Title", "Command History");
    }

    // The calls since the last look.
    std::vector<std::string> TakeCalls() { return std::exchange(calls, {}); }

    bool acceptAll = false;
    std::vector<std::string> calls;

private:
    static std::string Name(const std::string& path) {
        return std::filesystem::path(path).filename().string();
    }
};

class WorkspaceManagerTest : public ::testing::Test {
protected:
    WorkspaceManagerTest() {
        TestTempDir::Write(a, kNoWindows);
        TestTempDir::Write(b, "[application]\nname=KORVANE.EXE\n");
        TestTempDir::Write(foreign, "[Application]\nName=Other.exe\n");
    }

    // A window that records its close query and may refuse it.
    MdiForm* AddWindow(const std::string& name, bool refuse = false) {
        auto* form = new MdiForm(&area);
        form->setObjectName(QString::fromStdString(name));
        form->onCloseQuery = [this, name, refuse] {
            closeQueries.push_back(name);
            return !refuse;
        };
        form->Show();
        return form;
    }
    int OpenWindows() const {
        int open = 0;
        for (QMdiSubWindow* child : area.subWindowList()) open += child->isHidden() ? 0 : 1;
        return open;
    }
    // The directory holds these names and nothing else (no temporary left behind).
    std::vector<std::string> Listing() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(dir.Path()))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    TestTempDir dir;
    const std::string a = dir.File("a.wrk");
    const std::string b = dir.File("b.wrk");
    const std::string foreign = dir.File("foreign.wrk");
    QMdiArea area;
    TestWorkspace workspace{&area};
    std::vector<std::string> closeQueries;
};

TEST_F(WorkspaceManagerTest, CaptionSuffixDropsTheDirectoryAndCutsAtTheFirstExtensionText) {
    ScriptedUi ui;
    EXPECT_EQ(workspace.GetCaptionSuffix(), " - Workspace: Not defined");
    workspace.acceptAll = true;
    const struct {
        std::string file, suffix;
    } cases[] = {
        {"/home/u/daily.wrk", " - Workspace: daily"}, {"/home/u.v/daily", " - Workspace: daily"},
        {"daily.wrk", " - Workspace: daily"},         {"/w/x.y.wrk", " - Workspace: x.y"},
        {"/w/a.wrk.b.wrk", " - Workspace: a"},        {"/w/new.wrkspace.wrk", " - Workspace: new"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        workspace.LoadWorkspace(c.file);
        EXPECT_EQ(workspace.GetFileName(), c.file);
        EXPECT_EQ(workspace.GetCaptionSuffix(), c.suffix);
    }
}

TEST_F(WorkspaceManagerTest, AnUnnamedWorkspaceIsNeverModifiedAndNeverPrompts) {
    ScriptedUi ui;  // any box fails the test
    workspace.SetModified();
    EXPECT_TRUE(workspace.IsUnnamed());
    EXPECT_FALSE(workspace.IsModified());
    EXPECT_TRUE(workspace.ConfirmSaveChanges());
    AddWindow("one");
    workspace.CloseWorkspace();  // nothing to close while unnamed
    EXPECT_TRUE(closeQueries.empty());
    EXPECT_TRUE(workspace.TakeCalls().empty());
}

TEST_F(WorkspaceManagerTest, OpenWorkspaceAsksOnlyWhenSomethingWouldBeLost) {
    ScriptedUi ui;
    ui.ExpectOpenFile(a);
    workspace.OpenWorkspace();
    ASSERT_EQ(ui.fileDialogs.size(), 1u);
    const FileDialogSpec& spec = ui.fileDialogs[0];
    EXPECT_EQ(spec.title, "Open Workspace");
    EXPECT_EQ(spec.filter, "Workspace files (*.wrk)|*.WRK");
    EXPECT_EQ(spec.defaultExt, "wrk");
    EXPECT_EQ(spec.fileName, "");
    EXPECT_TRUE(spec.mustExist);
    EXPECT_EQ(workspace.GetFileName(), a);
    EXPECT_FALSE(workspace.IsModified());
    EXPECT_EQ(workspace.TakeCalls(),
              (std::vector<std::string>{"LoadFile a.wrk", "LoadTitles a.wrk", "LoadTemplates a.wrk"}));
    EXPECT_EQ(ui.busyCalls, 1);
    EXPECT_EQ(ui.busyDepth, 0);

    // The open workspace, unmodified, under another spelling of its path: nothing happens.
    ui.ExpectOpenFile(dir.Path() + "/./../" + std::filesystem::path(dir.Path()).filename().string() +
                      "/a.wrk");
    workspace.OpenWorkspace();
    EXPECT_TRUE(workspace.TakeCalls().empty());

    // Modified: the prompt comes first, also for the open one; Cancel leaves everything as it was.
    AddWindow("one");
    workspace.SetModified();
    ui.ExpectOpenFile(a).ExpectBox("Saving Workspace Data", kModifiedText, BoxIcon::Question,
                                   BoxButtons::YesNoCancel, mrCancel);
    workspace.OpenWorkspace();
    EXPECT_EQ(workspace.GetFileName(), a);
    EXPECT_TRUE(workspace.IsModified());
    EXPECT_TRUE(workspace.TakeCalls().empty());
    EXPECT_TRUE(closeQueries.empty());

    // No: the open one is closed unsaved and the chosen one loaded (its name in other case).
    ui.ExpectOpenFile(b).ExpectBox("Saving Workspace Data", kModifiedText, BoxIcon::Question,
                                   BoxButtons::YesNoCancel, mrNo);
    workspace.OpenWorkspace();
    EXPECT_EQ(workspace.GetFileName(), b);
    EXPECT_FALSE(workspace.IsModified());
    EXPECT_EQ(closeQueries, std::vector<std::string>{"one"});
    EXPECT_EQ(workspace.TakeCalls(),
              (std::vector<std::string>{"ResetTitles", "ClearTemplates", "LoadFile b.wrk", "LoadTitles b.wrk",
                                        "LoadTemplates b.wrk"}));
    EXPECT_EQ(TestTempDir::Read(a), kNoWindows);  // not saved

    // A cancelled dialog changes nothing; a file of another program leaves the workspace unnamed.
    ui.ExpectOpenFile(std::nullopt);
    workspace.OpenWorkspace();
    EXPECT_EQ(workspace.GetFileName(), b);
    ui.ExpectOpenFile(foreign);
    workspace.OpenWorkspace();
    EXPECT_TRUE(workspace.IsUnnamed());
    EXPECT_EQ(workspace.TakeCalls(),
              (std::vector<std::string>{"ResetTitles", "ClearTemplates", "LoadFile foreign.wrk"}));
}

TEST_F(WorkspaceManagerTest, SaveAsAndSaveWriteTheFileAndTellTheWindowsItsFinalName) {
    ScriptedUi ui;
    const std::string named = dir.File("named.wrk");

    ui.ExpectSaveFile(std::nullopt);  // cancelled: true, nothing changes
    EXPECT_TRUE(workspace.SaveAs());
    ASSERT_EQ(ui.fileDialogs.size(), 1u);
    const FileDialogSpec& spec = ui.fileDialogs[0];
    EXPECT_EQ(spec.title, "Save Workspace As");
    EXPECT_EQ(spec.filter, "Workspace files (*.wrk)|*.WRK");
    EXPECT_EQ(spec.defaultExt, "wrk");
    EXPECT_TRUE(spec.overwritePrompt);
    EXPECT_TRUE(spec.pathMustExist);
    EXPECT_TRUE(workspace.IsUnnamed());
    EXPECT_TRUE(workspace.TakeCalls().empty());

    // No window: the file holds the application name alone.
    ui.ExpectSaveFile(named);
    EXPECT_TRUE(workspace.SaveAs());
    EXPECT_EQ(workspace.GetFileName(), named);
    EXPECT_EQ(TestTempDir::Read(named), kNoWindows);
    EXPECT_EQ(workspace.TakeCalls(), std::vector<std::string>{"SaveFile named.wrk"});

    // Save rewrites the file from scratch, keeping its permissions.
    TestTempDir::Write(named, "[Stale]\nKey=1\n");
    std::filesystem::permissions(named, std::filesystem::perms::owner_read |
                                            std::filesystem::perms::owner_write |
                                            std::filesystem::perms::group_read);
    AddWindow("Positions");
    AddWindow("History");
    workspace.SetModified();
    EXPECT_TRUE(workspace.Save());
    EXPECT_FALSE(workspace.IsModified());
    EXPECT_EQ(
        TestTempDir::Read(named),
        "[AccountTemplate]\nSort=Name(Up);\n\n[Application]\nName=Korvane.exe\n\n[DataWindow]\n0=2\n1=2\n\n"
        "[0]\nTitle=Positions\n\n[1]\nTitle=History\n\n");
    EXPECT_EQ(std::filesystem::status(named).permissions(), std::filesystem::perms::owner_read |
                                                                std::filesystem::perms::owner_write |
                                                                std::filesystem::perms::group_read);
    EXPECT_EQ(workspace.TakeCalls(), std::vector<std::string>{"SaveFile named.wrk"});
    EXPECT_EQ(Listing(), (std::vector<std::string>{"a.wrk", "b.wrk", "foreign.wrk", "named.wrk"}));
}

TEST_F(WorkspaceManagerTest, ConfirmSaveChangesSavesGoesOnOrStops) {
    ScriptedUi ui;
    workspace.LoadWorkspace(a);
    AddWindow("Accounts");
    const auto prompt = [&](int answer) {
        workspace.SetModified();
        ui.ExpectBox("Saving Workspace Data", kModifiedText, BoxIcon::Question, BoxButtons::YesNoCancel,
                     answer);
    };

    prompt(mrCancel);
    EXPECT_FALSE(workspace.ConfirmSaveChanges());
    EXPECT_TRUE(workspace.IsModified());
    EXPECT_EQ(TestTempDir::Read(a), kNoWindows);

    prompt(mrNo);
    EXPECT_TRUE(workspace.ConfirmSaveChanges());
    EXPECT_FALSE(workspace.IsModified());
    EXPECT_EQ(TestTempDir::Read(a), kNoWindows);

    prompt(mrYes);
    EXPECT_TRUE(workspace.ConfirmSaveChanges());
    EXPECT_FALSE(workspace.IsModified());
    EXPECT_NE(TestTempDir::Read(a).find("Title=Accounts"), std::string::npos);

    // A workspace that became unnamed through a refused load keeps its flag: Yes saves as.
    workspace.SetModified();
    workspace.LoadWorkspace(foreign);
    ASSERT_TRUE(workspace.IsUnnamed());
    ASSERT_TRUE(workspace.IsModified());
    const std::string saved = dir.File("saved.wrk");
    ui.ExpectBox("Saving Workspace Data", kModifiedText, BoxIcon::Question, BoxButtons::YesNoCancel, mrYes)
        .ExpectSaveFile(saved);
    EXPECT_TRUE(workspace.ConfirmSaveChanges());
    EXPECT_EQ(workspace.GetFileName(), saved);
    EXPECT_FALSE(workspace.IsModified());
    EXPECT_NE(TestTempDir::Read(saved).find("Title=Accounts"), std::string::npos);
}

// Targets that cannot be written, even by root: an existing directory, and a path under a
// regular file.
TEST_F(WorkspaceManagerTest, AFailedSaveKeepsTheOldFileTheNameAndTheModifiedFlag) {
    ScriptedUi ui;
    for (const char* extension : {"wrk", "cfg"}) {
        std::filesystem::create_directory(dir.File("directory.") + extension);
        TestTempDir::Write(dir.File("directory.") + extension + "/inside", "x");
    }
    const std::vector<std::string> before = Listing();

    workspace.LoadWorkspace(b);
    AddWindow("Accounts");
    for (const std::string& base : {dir.File("directory"), a + "/under"}) {
        SCOPED_TRACE(base);
        const std::string target = base + ".wrk";
        workspace.SetModified();
        ui.ExpectSaveFile(target).ExpectBox("Error - Saving Workspace",
                                            "Unable to overwrite the workspace file!\n", BoxIcon::Error,
                                            BoxButtons::Ok, mrOk);
        EXPECT_FALSE(workspace.SaveAs());
        EXPECT_EQ(workspace.GetFileName(), b);
        EXPECT_TRUE(workspace.IsModified());

        // Saving into it through the prompt stops the caller.
        ui.ExpectBox("Saving Workspace Data", kModifiedText, BoxIcon::Question, BoxButtons::YesNoCancel,
                     mrYes)
            .ExpectSaveFile(target)
            .ExpectBox("Error - Saving Workspace", "Unable to overwrite the workspace file!\n",
                       BoxIcon::Error, BoxButtons::Ok, mrOk);
        workspace.LoadWorkspace(foreign);  // unnamed, still modified: Yes saves as
        EXPECT_FALSE(workspace.ConfirmSaveChanges());
        EXPECT_TRUE(workspace.IsModified());
        workspace.LoadWorkspace(b);

        ui.ExpectSaveFile(base + ".cfg")
            .ExpectBox("Error - Saving Window As",
                       "Unable to overwrite the existing configuration file!\nFile could be "
                       "open by another application.",
                       BoxIcon::Error, BoxButtons::Ok, mrOk);
        EXPECT_FALSE(workspace.SaveWindowAsFile());
    }
    for (const char* extension : {"wrk", "cfg"})
        EXPECT_EQ(TestTempDir::Read(dir.File("directory.") + extension + "/inside"), "x");
    EXPECT_EQ(TestTempDir::Read(a), kNoWindows);
    EXPECT_EQ(Listing(), before);
}

TEST_F(WorkspaceManagerTest, CloseAsksEveryWindowFromTheLastAndForgetsTheWorkspace) {
    ScriptedUi ui;
    workspace.LoadWorkspace(a);
    AddWindow("first");
    AddWindow("refuses", true);
    AddWindow("last");
    workspace.SetModified();
    workspace.TakeCalls();

    workspace.CloseWorkspace();
    EXPECT_EQ(closeQueries, (std::vector<std::string>{"last", "refuses", "first"}));
    EXPECT_EQ(OpenWindows(), 1);  // the one that refused stays
    EXPECT_EQ(workspace.TakeCalls(), (std::vector<std::string>{"ResetTitles", "ClearTemplates"}));
    EXPECT_TRUE(workspace.IsUnnamed());
    EXPECT_FALSE(workspace.IsModified());
}

TEST_F(WorkspaceManagerTest, WindowConfigurationFilesAreSavedAndOpened) {
    ScriptedUi ui;
    const std::string cfg = dir.File("history.cfg");
    AddWindow("History");

    ui.ExpectSaveFile(std::nullopt);
    EXPECT_TRUE(workspace.SaveWindowAsFile());
    ui.ExpectSaveFile(cfg);
    EXPECT_TRUE(workspace.SaveWindowAsFile());
    ASSERT_EQ(ui.fileDialogs.size(), 2u);
    EXPECT_EQ(ui.fileDialogs[1].title, "Save Configuration As");
    EXPECT_EQ(ui.fileDialogs[1].filter, "Configuration files (*.cfg)|*.CFG");
    EXPECT_EQ(ui.fileDialogs[1].defaultExt, "cfg");
    EXPECT_TRUE(ui.fileDialogs[1].overwritePrompt);
    EXPECT_TRUE(ui.fileDialogs[1].pathMustExist);
    EXPECT_EQ(TestTempDir::Read(cfg),
              "[Application]\nName=Korvane.exe\n\n[DataWindow]\n2026121161635123=2\n\n"
              "[2026121161635123]\nTitle=Command History\n\n");
    EXPECT_EQ(workspace.TakeCalls(), std::vector<std::string>{"SaveWindowAs"});

    // Opened while unnamed it stays unnamed and unmodified; into an open workspace it marks it
    // modified, unless the file is refused.
    ui.ExpectOpenFile(cfg);
    workspace.OpenWindow();
    EXPECT_EQ(ui.fileDialogs[2].title, "Load Configuration");
    EXPECT_EQ(ui.fileDialogs[2].filter, "Configuration files (*.cfg)|*.CFG");
    EXPECT_EQ(ui.fileDialogs[2].defaultExt, "cfg");
    EXPECT_TRUE(ui.fileDialogs[2].mustExist);
    EXPECT_TRUE(workspace.IsUnnamed());
    EXPECT_FALSE(workspace.IsModified());

    workspace.LoadWorkspace(a);
    const std::string foreignCfg = dir.File("foreign.cfg");
    TestTempDir::Write(foreignCfg, TestTempDir::Read(foreign));
    ui.ExpectOpenFile(foreignCfg);
    workspace.OpenWindow();
    EXPECT_FALSE(workspace.IsModified());
    EXPECT_EQ(workspace.GetFileName(), a);  // a refused window file leaves the workspace alone
    ui.ExpectOpenFile(cfg);
    workspace.OpenWindow();
    EXPECT_TRUE(workspace.IsModified());
    ui.ExpectOpenFile(std::nullopt);
    workspace.OpenWindow();
    EXPECT_EQ(
        workspace.TakeCalls(),
        (std::vector<std::string>{"LoadFile history.cfg", "LoadFile a.wrk", "LoadTitles a.wrk",
                                  "LoadTemplates a.wrk", "LoadFile foreign.cfg", "LoadFile history.cfg"}));
}

TEST_F(WorkspaceManagerTest, ReloadLoadsTheOpenWorkspaceAgainAndClearsTheFlag) {
    ScriptedUi ui;
    workspace.LoadWorkspace(a);
    workspace.SetModified();
    workspace.TakeCalls();
    workspace.Reload();
    EXPECT_EQ(workspace.GetFileName(), a);
    EXPECT_FALSE(workspace.IsModified());
    EXPECT_EQ(workspace.TakeCalls(),
              (std::vector<std::string>{"LoadFile a.wrk", "LoadTitles a.wrk", "LoadTemplates a.wrk"}));
}

}  // namespace
