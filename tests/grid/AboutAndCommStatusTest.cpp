// The about box (client line, version texts, logo) and the communication status dialog (its lines
// in order, scrolled to the last and to the widest, copy to the real clipboard, clear, cancel,
// minimum size).
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <vector>

#include "core/BaseIniFile.h"
#include "core/VersionInfo.h"
#include "grid/TAboutBox.h"
#include "grid/TCommStatusForm.h"
#include "guisupport/ScriptedUi.h"
#include "support/TestTempDir.h"
#include "toolkit/QtText.h"

namespace {

std::string Text(const Form& form, const char* label) {
    return FromQt(form.Control<QLabel>(label)->text());
}

// The lines the dialog's list shows, in its order.
std::vector<std::string> Lines(const TCommStatusForm& form) {
    const QAbstractItemModel* model = form.Control<QListView>("StatusMemo")->model();
    std::vector<std::string> lines;
    for (int row = 0; row < model->rowCount(); ++row)
        lines.push_back(FromQt(model->index(row, 0).data().toString()));
    return lines;
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
            ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
            EXPECT_EQ(QApplication::focusWidget(), f.Control<QPushButton>("OKButton"));
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

// The program's own version block: the box's prefix is the only "Copyright" before the holder.
TEST(AboutBox, ShowsTheProgramsCopyrightOnce) {
    ScriptedUi ui;
    TAboutBox box(nullptr);
    ui.ExpectModal<TAboutBox>([](TAboutBox& f) {
        EXPECT_EQ(Text(f, "CopyrightLabel"), "Copyright (C) 2026 KelpTools");
        f.Control<QPushButton>("OKButton")->click();
    });
    EXPECT_EQ(box.ShowModal(), mrOk);
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
            const std::vector<std::string> shown = {"first line", "second line", "third line"};
            EXPECT_EQ(Lines(f), shown);
            log.emplace_back(3, "while open");  // shown next time
            EXPECT_EQ(Lines(f), shown);
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
        ui.ExpectModal<TCommStatusForm>([&](TCommStatusForm& f) {
            EXPECT_EQ(Lines(f),
                      (std::vector<std::string>{"first line", "second line", "third line", "while open"}));
            f.Control<QPushButton>("ClearExitButton")->click();
            EXPECT_TRUE(Lines(f).empty());
        });
        EXPECT_EQ(form.ShowModal(), mrOk);
    }
    EXPECT_TRUE(log.empty());
}

// A long log opens on its last line, and the horizontal scroll bar reaches the end of the widest
// line wherever it stands in the log; the texts keep their bytes (Windows-1252 letters included).
TEST(CommStatusForm, OpensOnTheLastLineAndScrollsToTheWidest) {
    GUIErrorDetailsVector log;
    for (int i = 0; i < 500; ++i) log.emplace_back(3, "line " + std::to_string(i));
    const std::string widest = "a much wider line than the others, " + std::string(60, 'W') + " \x80\xE9";
    log[137] = GUIErrorDetails(3, widest);
    ScriptedUi ui;
    TCommStatusForm form(nullptr, log);
    ui.ExpectModal<TCommStatusForm>([&](TCommStatusForm& f) {
        auto* view = f.Control<QListView>("StatusMemo");
        const std::vector<std::string> lines = Lines(f);
        ASSERT_EQ(lines.size(), 500u);
        EXPECT_EQ(lines[0], "line 0");
        EXPECT_EQ(lines[137], widest);
        EXPECT_EQ(lines[499], "line 499");

        const QScrollBar* vertical = view->verticalScrollBar();
        EXPECT_GT(vertical->maximum(), 0);
        EXPECT_EQ(vertical->value(), vertical->maximum());
        const QRect viewport = view->viewport()->rect();
        EXPECT_EQ(view->indexAt(QPoint(1, viewport.bottom() - 1)).row(), 499);
        const QRect last = view->visualRect(view->model()->index(499, 0));
        EXPECT_TRUE(last.top() >= 0 && last.bottom() <= viewport.bottom())
            << last.top() << " " << last.bottom();

        const int textWidth = view->fontMetrics().horizontalAdvance(ToQt(widest));
        EXPECT_GE(view->horizontalScrollBar()->maximum() + viewport.width(), textWidth);
        f.Control<QPushButton>("CancelButton")->click();
    });
    EXPECT_EQ(form.ShowModal(), mrCancel);
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
