// The browser engine is a module that the window loads once it is on screen: a module that
// cannot be loaded is reported, and what the user does while it loads is not lost.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QLibraryInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <chrono>
#include <cstdlib>
#include <optional>
#include <stdexcept>
#include <thread>

#include "tests/qt/first_event.h"
#include "tests/qt/modal_report.h"
#include "tests/support/gui_test_constants.h"
#include "tests/support/x_input.h"
#include "window/qt/browser_engine_loader.h"
#include "window/qt/form1_window.h"
#include "window/qt/tab_container.h"

namespace nominator {
namespace {

using support::kGiveUpMs;
using support::kNoonOnMarch7;

using namespace std::chrono_literals;
using testing::HasSubstr;

const QString kMissingModule = QStringLiteral("/nonexistent/libafd_browser_engine.so");

struct UnloadableModule {
    const char* name;
    QString path;
    const char* reason;  // what the error must name
};

TEST(LoadBrowserEngineTest, AModuleThatCannotBeUsedIsReportedWithWhereAndWhy) {
    const UnloadableModule modules[] = {
        {"no such file", kMissingModule, "/nonexistent/libafd_browser_engine.so"},
        {"a library without the entry point",
         QLibraryInfo::path(QLibraryInfo::LibrariesPath) + QStringLiteral("/libQt6Core.so.6"),
         kNewBrowserEngineSymbol},
    };
    for (const UnloadableModule& module : modules) {
        SCOPED_TRACE(module.name);
        try {
            LoadBrowserEngine(module.path);
            ADD_FAILURE() << "an engine came from " << module.path.toStdString();
        } catch (const std::runtime_error& error) {
            EXPECT_THAT(error.what(), HasSubstr("cannot load the browser engine"));
            EXPECT_THAT(error.what(), HasSubstr(module.reason));
        }
    }
}

TEST(Form1WindowEngineTest, AMissingEngineIsReportedAndEndsTheProgramWithFailure) {
    Form1Window window([] { return kNoonOnMarch7; }, kMissingModule);
    ASSERT_TRUE(window.load());
    const ReportedRun run = ExecClosingTheReport([&] { window.show(); }, kGiveUpMs);
    ASSERT_FALSE(run.timedOut) << "no report appeared or it could not be closed";
    EXPECT_THAT(run.report.toStdString(), HasSubstr("cannot load the browser engine"));
    EXPECT_THAT(run.report.toStdString(), HasSubstr(kMissingModule.toStdString()));
    EXPECT_EQ(run.exitStatus, EXIT_FAILURE);
}

// The engine loads on the user-interface thread, which meanwhile handles no input; what the user
// does then must take effect afterwards. The stand-in engine takes a second to load, and the
// input is sent as real X events while it loads.
TEST(Form1WindowEngineTest, WhatIsTypedAndClickedWhileTheEngineLoadsTakesEffect) {
    support::XInput input;
    ASSERT_TRUE(input.connected()) << "no X display";
    Form1Window window([] { return kNoonOnMarch7; }, QStringLiteral(SLOW_TEST_ENGINE));
    ASSERT_TRUE(window.load());

    std::optional<std::jthread> user;
    // The engine starts loading right after the first frame; the input goes out meanwhile.
    FirstEvent sendInput(QEvent::Paint, [&] {
        const QPoint text1 = window.box(Box::Text1)->mapToGlobal(QPoint(4, 4));
        const QPoint command1 = window.command1()->mapToGlobal(window.command1()->rect().center());
        user.emplace([&input, text1, command1] {
            std::this_thread::sleep_for(300ms);
            input.moveTo(text1.x(), text1.y());
            input.type('x');
            input.moveTo(command1.x(), command1.y());
            input.clickLeft();
            input.sync();
        });
    });
    window.installEventFilter(&sendInput);
    window.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.tabby()->isVisible(); }, kGiveUpMs))
        << "the click on Command1 was lost";
    user.reset();
    EXPECT_EQ(window.box(Box::Text1)->text(), QStringLiteral("xWord"));
    const QWidget* panes = window.findChild<QWidget*>(QStringLiteral("BrowserPanes"));
    ASSERT_NE(panes, nullptr);
    EXPECT_THAT(panes->property("openedAddress0").toString().toStdString(),
                HasSubstr("title=xWord&"));
}

struct EndRow {
    const char* name;
    void (*close)(Form1Window& window);
};

void PrintTo(const EndRow& row, std::ostream* out) { *out << row.name; }

const EndRow kEnds[] = {
    // The pages are asked first, and their answer comes from inside the engine.
    {"CloseButton", [](Form1Window& window) { window.close(); }},
    {"EndSignal", [](Form1Window& window) { window.closeWithoutAsking(); }},
};

class EngineEndTest : public testing::TestWithParam<EndRow> {};

// The pages go before the profile they use, and from the event loop rather than inside the
// engine's own call that let the window close; the window has ended only once both have gone.
TEST_P(EngineEndTest, ThePanesGoFromTheEventLoopThenTheEngineThenTheWindowEnds) {
    qApp->setProperty("engineEnd", QStringList());
    Form1Window window([] { return kNoonOnMarch7; }, QStringLiteral(SLOW_TEST_ENGINE));
    ASSERT_TRUE(window.load());
    QObject::connect(&window, &Form1Window::ended, [] {
        QStringList end = qApp->property("engineEnd").toStringList();
        qApp->setProperty("engineEnd", end << QStringLiteral("window ended"));
    });
    window.show();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return window.findChild<QWidget*>(QStringLiteral("BrowserPanes")) != nullptr; },
        kGiveUpMs))
        << "the panes never came";
    GetParam().close(window);
    ASSERT_TRUE(QTest::qWaitFor(
        [] { return qApp->property("engineEnd").toStringList().contains("window ended"); },
        kGiveUpMs))
        << "the window never ended";
    EXPECT_EQ(qApp->property("engineEnd").toStringList().join(", ").toStdString(),
              "panes destroyed, engine destroyed, window ended");
}

INSTANTIATE_TEST_SUITE_P(Ends, EngineEndTest, testing::ValuesIn(kEnds),
                         [](const testing::TestParamInfo<EndRow>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
}  // namespace nominator
