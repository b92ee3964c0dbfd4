#include <gtest/gtest.h>

#include <QTest>
#include <memory>
#include <set>
#include <vector>

#include "toolkit/Form.h"
#include "toolkit/MessageRouter.h"

namespace {

TEST(MessageRouter, SendCallsTheHandlerAtOnceAndMayReEnter) {
    Form a, b;
    std::vector<std::string> trace;
    a.onMessage = [&](uint32_t message, int32_t wParam, int32_t lParam) {
        trace.push_back("a " + std::to_string(message) + " " + std::to_string(wParam));
        if (wParam > 0) MessageRouter::SendMessage(b.Handle(), message, wParam - 1, lParam);
        trace.push_back("a done " + std::to_string(wParam));
        return wParam * 10 + lParam;
    };
    b.onMessage = [&](uint32_t message, int32_t wParam, int32_t lParam) {
        trace.push_back("b " + std::to_string(wParam));
        return MessageRouter::SendMessage(a.Handle(), message, wParam, lParam);  // back into a
    };
    EXPECT_EQ(MessageRouter::SendMessage(a.Handle(), 0x8001, 2, 3), 23);
    EXPECT_EQ(trace, (std::vector<std::string>{"a 32769 2", "b 1", "a 32769 1", "b 0", "a 32769 0",
                                               "a done 0", "a done 1", "a done 2"}));
}

TEST(MessageRouter, HandlesAreNeverReusedAndAStaleHandleDoesNothing) {
    std::set<uint32_t> seen;
    uint32_t stale = 0;
    int calls = 0;
    for (int i = 0; i < 50; ++i) {
        auto form = std::make_unique<Form>();
        form->onMessage = [&](uint32_t, int32_t, int32_t) { return ++calls; };
        EXPECT_NE(form->Handle(), 0u);
        EXPECT_TRUE(seen.insert(form->Handle()).second);
        stale = form->Handle();
    }
    EXPECT_FALSE(MessageRouter::IsWindow(stale));
    EXPECT_EQ(MessageRouter::SendMessage(stale, 0x8001, 0, 0), 0);
    EXPECT_EQ(MessageRouter::SendMessage(0, 0x8001, 0, 0), 0);
    EXPECT_EQ(MessageRouter::SendMessage(0xFFFFFFF0u, 0x8001, 0, 0), 0);
    EXPECT_EQ(calls, 0);
}

TEST(MessageRouter, AHandlerMayDestroyItsOwnWindow) {
    auto* form = new Form;
    uint32_t handle = form->Handle();
    form->onMessage = [&](uint32_t, int32_t, int32_t) {
        delete form;
        return 7;
    };
    EXPECT_EQ(MessageRouter::SendMessage(handle, 0x8003, 0, 0), 7);
    EXPECT_FALSE(MessageRouter::IsWindow(handle));
}

TEST(MessageRouter, PostQueuesTheCallAndDropsItWhenTheWindowIsGone) {
    Form form;
    int calls = 0;
    form.onMessage = [&](uint32_t, int32_t, int32_t) { return ++calls; };
    MessageRouter::PostMessage(form.Handle(), 0x8001, 0, 0);
    EXPECT_EQ(calls, 0);
    auto gone = std::make_unique<Form>();
    gone->onMessage = [&](uint32_t, int32_t, int32_t) { return ++calls; };
    MessageRouter::PostMessage(gone->Handle(), 0x8001, 0, 0);
    gone.reset();
    QCoreApplication::processEvents();
    EXPECT_EQ(calls, 1);
}

TEST(MessageRouter, KnowsTheMainWindowAndReadsTitlesByHandle) {
    Form main;
    main.setWindowTitle(QString::fromUtf8("Accounts \u20AC"));
    uint32_t before = MessageRouter::MainWindow();
    MessageRouter::SetMainWindow(main.Handle());
    EXPECT_EQ(MessageRouter::MainWindow(), main.Handle());
    EXPECT_EQ(MessageRouter::WindowTitle(main.Handle()), "Accounts \x80");
    EXPECT_EQ(MessageRouter::Window(main.Handle()), &main);
    EXPECT_EQ(MessageRouter::WindowTitle(0), "");
    MessageRouter::SetMainWindow(before);
}

}  // namespace
