// The about box (client line, version texts, logo) and the communication status dialog (memo,
// copy to the real clipboard, clear, cancel, minimum size).
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPushButton>

#include "core/BaseIniFile.h"
#include "core/VersionInfo.h"
#include "grid/TAboutBox.h"
#include "grid/TCommStatusForm.h"
#include "guisupport/ScriptedUi.h"
#include "support/TestTempDir.h"
#include "toolkit/Memo.h"
#include "toolkit/QtText.h"

namespace {

std::string Text(const Form& form, const char* label) {
    return FromQt(form.Control<QLabel>(label)->text());
}

struct EmptyVersionBlock {
    EmptyVersionBlock() { VersionInfo::InstallVersionBlock({}); }
    ~EmptyVersionBlock() { VersionInfo::RestoreVersionBlock(); }
};

}  // namespace

TEST(AboutBox, TheClientLineFollowsApplicationTarget) {
    EXPECT_EQ(TAboutBox::GetClientLine(2), TAboutBox::kSecondClientLine);
    for (int target : {-1, 0, 1, 3, 4})
        EXPECT_EQ(TAboutBox::GetClientLine(target), TAboutBox::kFirstClientLine) << target;
    EXPECT_TRUE(std::string(TAboutBox::kFirstClientLine).starts_with("for "));
    EXPECT_TRUE(std::string(TAboutBox::kSecondClientLine).starts_with("for "));

    // A text that is not a whole number takes the default target, which may be 2.
    TestTempDir dir;
    TestTempDir::Write(dir.File("a.ini"), "[Config]\nApplicationTarget=2x\n[Other]\nApplicationTarget=2\n");
    const BaseIniFile file(dir.File("a.ini"));
    struct Case {
        const char* section;
        int defaultTarget;
        const char* line;
    };
    for (const Case& c :
         {Case{"Config", 2, TAboutBox::kSecondClientLine}, Case{"Config", 0, TAboutBox::kFirstClientLine},
          Case{"Other", 0, TAboutBox::kSecondClientLine}, Case{"None", 2, TAboutBox::kSecondClientLine}}) {
        TAboutBox box(nullptr);
        box.SetClientLine(file, c.section, c.defaultTarget);
        EXPECT_EQ(Text(box, "ClientNameStaticText"), c.line) << c.section << c.defaultTarget;
    }
}

// Shown: the version block's texts with their prefixes and the logo; without a version block,
// empty texts and "Version " alone (no prefix before an empty copyright).
TEST(AboutBox, ShowsTheVersionBlockAndTheLogo) {
    ScriptedUi ui;
    {
        VersionInfo::InstallVersionBlock({"Position reporting client", "1.2.3.4", "2026 Example", "Korvane"});
        TAboutBox box(nullptr);
        ui.ExpectModal<TAboutBox>([](TAboutBox& f) {
            EXPECT_EQ(FromQt(f.windowTitle()), "About");
            EXPECT_EQ(Text(f, "ProductNameLabel"), "Korvane");
            EXPECT_EQ(Text(f, "VersionLabel"), "Version 1.2.3.4");
            EXPECT_EQ(Text(f, "CopyrightLabel"), "Copyright 2026 Example");
            EXPECT_EQ(Text(f, "FileDescriptionStaticText"), "Position reporting client");
            EXPECT_EQ(Text(f, "ClientNameStaticText"), TAboutBox::kFirstClientLine);
            EXPECT_FALSE(f.Control<QLabel>("LogoImage")->pixmap().isNull());
            f.Control<QPushButton>("OKButton")->click();
        });
        EXPECT_EQ(box.ShowModal(), mrOk);
        VersionInfo::RestoreVersionBlock();
    }
    {
        const EmptyVersionBlock empty;
        TAboutBox box(nullptr);
        ui.ExpectModal<TAboutBox>([](TAboutBox& f) {
            EXPECT_EQ(Text(f, "ProductNameLabel"), "");
            EXPECT_EQ(Text(f, "VersionLabel"), "Version ");
            EXPECT_EQ(Text(f, "CopyrightLabel"), "");
            EXPECT_EQ(Text(f, "FileDescriptionStaticText"), "");
            f.Control<QPushButton>("OKButton")->click();
        });
        EXPECT_EQ(box.ShowModal(), mrOk);
    }
}

TEST(CommStatusForm, ShowsCopiesClearsOrKeepsTheLog) {
    GUIErrorDetailsVector log;
    log.emplace_back(3, "first line");
    log.emplace_back(4, "second line");
    log.emplace_back(3, "third line");
    EXPECT_EQ(TCommStatusForm::JoinTexts(log), "first line\nsecond line\nthird line");
    EXPECT_EQ(TCommStatusForm::JoinTexts({}), "");

    ScriptedUi ui;
    {
        TCommStatusForm form(nullptr, log);
        ui.ExpectModal<TCommStatusForm>([&](TCommStatusForm& f) {
            EXPECT_EQ(FromQt(f.windowTitle()), "Communication Status Details");
            EXPECT_EQ(f.minimumSize(), f.size());
            EXPECT_EQ(f.Control<Memo>("StatusMemo")->Text(), "first line\nsecond line\nthird line");
            log.emplace_back(3, "while open");  // shown next time
            EXPECT_EQ(f.Control<Memo>("StatusMemo")->blockCount(), 3);
            f.Control<QPushButton>("CopyToClipboardButton")->click();
            EXPECT_TRUE(f.isVisible());
            f.Control<QPushButton>("CancelButton")->click();
        });
        EXPECT_EQ(form.ShowModal(), mrCancel);
    }
    EXPECT_EQ(ui.clipboard, "first line\nsecond line\nthird line\nwhile open");
    EXPECT_EQ(ui.busyCalls, 1);
    EXPECT_EQ(log.size(), 4u);
    {
        TCommStatusForm form(nullptr, log);
        ui.ExpectModal<TCommStatusForm>(
            [](TCommStatusForm& f) { f.Control<QPushButton>("ClearExitButton")->click(); });
        EXPECT_EQ(form.ShowModal(), mrOk);
    }
    EXPECT_TRUE(log.empty());
}

// Without a scripted user interface the copy reaches the real clipboard.
TEST(CommStatusForm, CopyPutsTheTextsOnTheRealClipboard) {
    GUIErrorDetailsVector log;
    log.emplace_back(3, "alpha");
    log.emplace_back(3, "beta");
    TCommStatusForm form(nullptr, log);
    QApplication::clipboard()->setText(QStringLiteral("before"));
    form.CopyToClipboardButtonClick();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("alpha\nbeta"));
}
