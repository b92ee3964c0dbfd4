// The real host's modal loops, answered by a responder that acts on the active modal widget.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "guisupport/ModalResponder.h"
#include "guisupport/QtPrinters.h"
#include "support/LogRecorder.h"
#include "toolkit/BusyCursor.h"
#include "toolkit/Form.h"
#include "toolkit/QtUiHost.h"
#include "toolkit/Timer.h"

namespace {

TEST(QtUiHost, MessageBoxButtonsGiveTheirResultNumbers) {
    struct Case {
        BoxButtons buttons;
        QMessageBox::StandardButton pressed;
        int expected;
    } cases[] = {{BoxButtons::Ok, QMessageBox::Ok, mrOk},
                 {BoxButtons::OkCancel, QMessageBox::Cancel, mrCancel},
                 {BoxButtons::YesNo, QMessageBox::Yes, mrYes},
                 {BoxButtons::YesNo, QMessageBox::No, mrNo},
                 {BoxButtons::YesNoCancel, QMessageBox::Yes, mrYes},
                 {BoxButtons::YesNoCancel, QMessageBox::No, mrNo},
                 {BoxButtons::YesNoCancel, QMessageBox::Cancel, mrCancel}};
    QtUiHost host;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        QString caption, text;
        int buttonCount = 0;
        ModalResponder responder([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            caption = box->windowTitle();
            text = box->text();
            buttonCount = int(box->buttons().size());
            box->button(c.pressed)->click();
        });
        EXPECT_EQ(host.MessageBox(nullptr, "Delete \x80 5?", "Delete", BoxIcon::Question, c.buttons),
                  c.expected);
        EXPECT_EQ(caption, "Delete");
        EXPECT_EQ(text, QString::fromUtf8("Delete \u20AC 5?"));
        EXPECT_EQ(buttonCount, c.buttons == BoxButtons::Ok            ? 1
                               : c.buttons == BoxButtons::YesNoCancel ? 3
                                                                      : 2);
    }
}

TEST(QtUiHost, ATimerKeepsFiringInsideABoxAndMayDisableItselfInItsEvent) {
    QtUiHost host;
    Timer timer;
    int ticks = 0;
    timer.SetInterval(10);
    timer.onTimer = [&] {
        timer.SetEnabled(false);  // as the main window's process timer does
        ++ticks;
        timer.SetEnabled(true);
    };
    timer.SetEnabled(true);
    ModalResponder responder([](QWidget* modal) {
        QTimer::singleShot(150, modal,
                           [modal] { qobject_cast<QMessageBox*>(modal)->button(QMessageBox::Ok)->click(); });
    });
    EXPECT_EQ(host.MessageBox(nullptr, "Connection lost", "Session", BoxIcon::Error, BoxButtons::Ok), mrOk);
    EXPECT_GE(ticks, 5);
    timer.SetEnabled(false);
    int stopped = ticks;
    QTest::qWait(40);
    EXPECT_EQ(ticks, stopped);
}

TEST(QtUiHost, TheInputBoxTellsCancelFromAnEmptyText) {
    QtUiHost host;
    for (bool accept : {true, false}) {
        SCOPED_TRACE(accept);
        ModalResponder responder([&](QWidget* modal) {
            auto* dialog = qobject_cast<QInputDialog*>(modal);
            ASSERT_NE(dialog, nullptr);
            dialog->setTextValue("");
            if (accept)
                dialog->accept();
            else
                dialog->reject();
        });
        std::string text = "old";
        EXPECT_EQ(host.InputQuery(nullptr, "Rename", "Name", text), accept);
        EXPECT_EQ(text, accept ? "" : "old");
    }
}

TEST(QtUiHost, RunsAFormsModalLoopWhereEscAndTheCloseBoxGiveCancel) {
    QtUiHost host;
    for (bool esc : {true, false}) {
        SCOPED_TRACE(esc);
        Form form;
        auto* cancel = new QPushButton("&Cancel", &form);
        form.BindButton(cancel, mrCancel);
        form.SetCancelButton(cancel);
        int shows = 0;
        form.onShow = [&] { ++shows; };
        ModalResponder responder([&](QWidget* modal) {
            ASSERT_EQ(modal, &form);
            if (esc)
                QTest::keyClick(modal, Qt::Key_Escape);
            else
                modal->close();
        });
        EXPECT_EQ(host.RunModal(form), mrCancel);
        EXPECT_EQ(shows, 1);
        EXPECT_FALSE(form.isVisible());
    }
}

TEST(QtUiHost, TheFileDialogOffersBothCasesOfTheFiltersExtension) {
    QTemporaryDir dir;
    QFile(dir.filePath("x.csv")).open(QIODevice::WriteOnly);
    QtUiHost host;
    FileDialogSpec spec;
    spec.title = "Import";
    spec.filter = "CSV files|*.CSV";
    spec.initialDir = dir.path().toStdString();
    spec.mustExist = true;
    QStringList filters;
    ModalResponder responder([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        filters = dialog->nameFilters();
        dialog->selectFile("x.csv");
        QMetaObject::invokeMethod(dialog, "accept");
    });
    std::string path;
    ASSERT_TRUE(host.OpenFile(nullptr, spec, path));
    EXPECT_EQ(filters, QStringList{"CSV files (*.CSV *.csv)"});
    EXPECT_EQ(QFileInfo(QString::fromStdString(path)).fileName(), "x.csv");
}

TEST(QtUiHost, TheBusyCursorRestoresTheCursorItFound) {
    QtUiHost host;
    UiHost* before = SetUi(&host);
    QApplication::setOverrideCursor(Qt::IBeamCursor);
    {
        BusyCursor busy;
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        { BusyCursor nested; }
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::IBeamCursor);
    QApplication::restoreOverrideCursor();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    SetUi(before);
}

// The byte text reaches the clipboard as its Windows-1252 characters and comes back unchanged,
// a large one as well as the empty one.
TEST(QtUiHost, TheClipboardTakesTheBytesAsTheirCharacters) {
    QtUiHost host;
    QClipboard* clipboard = QGuiApplication::clipboard();
    const QString before = clipboard->text();
    std::string all;
    for (int b = 1; b < 256; ++b) all += char(b);
    host.SetClipboardText("caf\xE9 \x80 \x93quoted\x94");
    EXPECT_EQ(clipboard->text(), QString::fromUtf8("caf\u00E9 \u20AC \u201Cquoted\u201D"));
    std::string large;
    for (int i = 0; i < 20000; ++i) large += all;
    host.SetClipboardText(large);
    EXPECT_EQ(host.ClipboardText(), large);
    host.SetClipboardText("");
    EXPECT_EQ(host.ClipboardText(), "");
    clipboard->setText(before);
}

TEST(QtUiHost, TheAlertSoundLogsTheFileName) {
    LogRecorder log;
    QtUiHost host;
    host.AlertSound("new-row.wav");
    EXPECT_TRUE(log.Has(LOG_INFO, "new-row.wav"));
}

}  // namespace
