// The window with its pages as assistive technology and the keyboard meet it: the panes named,
// "Next Day ->" pressed by assistive technology and by its key from a box or a page, the status
// line's changes announced, and nothing in the program's tree but Form1.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>
#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "tests/qt/event_loop_wait.h"
#include "tests/qt/quick_panes.h"
#include "tests/qt/stand_in_wiki.h"
#include "tests/support/gui_test_constants.h"
#include "tests/support/x_input.h"
#include "window/form1_accessibility.h"
#include "window/pane_labels.h"
#include "window/qt/clickable_label.h"
#include "window/qt/form1_window.h"
#include "window/qt/utf8.h"

namespace nominator {
namespace {

using namespace support::keysym;
using support::kGiveUpMs;

using support::XInput;

constexpr std::string_view kTomorrowsLog =
    "/w/index.php?title=Wikipedia:Articles_for_deletion/Log/2026_March_8&action=edit";

std::size_t TomorrowsLogRequests() {
    std::size_t count = 0;
    for (const support::ArrivedRequest& request : StandInWiki().requests()) {
        if (request.target == kTomorrowsLog) ++count;
    }
    return count;
}

std::vector<QAccessible::Event> announced;
const QObject* watched = nullptr;

void RecordAnnouncement(QAccessibleEvent* event) {
    if (event->object() == watched) announced.push_back(event->type());
}

class AccessiblePagesTest : public testing::Test {
protected:
    static void SetUpTestSuite() { StandInWiki(); }

    void SetUp() override {
        ASSERT_TRUE(input.connected()) << "no X display";
        ASSERT_TRUE(ShowWithPanes(window, kGiveUpMs));
        // The test runs with an accessibility bus, as under a screen reader: only then does Qt
        // build its tree and send its events.
        ASSERT_TRUE(QAccessible::isActive()) << "no accessibility bus";
    }

    // Presses F8 where the focus is and says whether tomorrow's log was asked for once more.
    bool nextDayKeyOpensTomorrowsLog() {
        const std::size_t before = TomorrowsLogRequests();
        input.key(kF8);
        input.sync();
        return WaitInEventLoop([&] { return TomorrowsLogRequests() > before; }, kGiveUpMs);
    }

    void click(QPoint global) {
        input.moveTo(global.x(), global.y());
        input.clickLeft();
        input.sync();
    }

    XInput input;
    Form1Window window{[] { return kNoonOnMarch7; }};
};

TEST_F(AccessiblePagesTest, PanesKeepTheirNamesAndDescriptionsThroughANomination) {
    QTest::mouseClick(window.command1(), Qt::LeftButton);
    ASSERT_TRUE(WaitInEventLoop(
        [&] { return window.status()->text() != "Checking for earlier nominations..."; },
        kGiveUpMs));
    const std::vector<PaneLabel> labels = PaneLabelsOf(PlanNomination({}));
    for (std::size_t tab = 0; tab < labels.size(); ++tab) {
        const std::string name = PaneObjectName(static_cast<int>(tab));
        SCOPED_TRACE(name);
        // The page's own view is the child of the pane that a screen reader names.
        QAccessibleInterface* pane =
            QAccessible::queryAccessibleInterface(FindPane(name)->parentItem());
        ASSERT_NE(pane, nullptr);
        EXPECT_EQ(pane->role(), QAccessible::Pane);
        EXPECT_EQ(ToUtf8(pane->text(QAccessible::Name)), labels.at(tab).name);
        EXPECT_EQ(ToUtf8(pane->text(QAccessible::Description)), labels.at(tab).description);
    }
    for (const char* box : {"Text1", "Text2", "Text3", "Reason", "Text5", "Text6"}) {
        SCOPED_TRACE(box);
        QAccessibleInterface* control =
            QAccessible::queryAccessibleInterface(window.findChild<QWidget*>(box));
        EXPECT_EQ(ToUtf8(control->text(QAccessible::Name)), AccessibleTextOf(box)->name);
    }
}

TEST_F(AccessiblePagesTest, PressingNextDayOpensTomorrowsLog) {
    const std::size_t before = TomorrowsLogRequests();
    QAccessibleInterface* label = QAccessible::queryAccessibleInterface(window.dayPlus());
    label->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(WaitInEventLoop([&] { return TomorrowsLogRequests() > before; }, kGiveUpMs));
}

TEST_F(AccessiblePagesTest, TheNextDayKeyWorksFromEveryBoxAndFromAPage) {
    QTest::mouseClick(window.command1(), Qt::LeftButton);
    for (const Box box : {Box::Text1, Box::Reason, Box::Text2, Box::Text3, Box::Text5}) {
        QLineEdit* edit = window.box(box);
        SCOPED_TRACE(edit->objectName().toStdString());
        click(edit->mapToGlobal(edit->rect().center()));
        ASSERT_TRUE(WaitInEventLoop([&] { return edit->hasFocus(); }, kGiveUpMs));
        const QString text = edit->text();
        EXPECT_TRUE(nextDayKeyOpensTomorrowsLog());
        EXPECT_EQ(edit->text(), text);
    }
    SCOPED_TRACE("the page");
    click(PanesWindow()->mapToGlobal(QPoint(40, 40)));
    ASSERT_TRUE(
        WaitInEventLoop([] { return QGuiApplication::focusWindow() == PanesWindow(); }, kGiveUpMs));
    EXPECT_TRUE(nextDayKeyOpensTomorrowsLog());
}

TEST_F(AccessiblePagesTest, TheStatusLinesChangesAreAnnounced) {
    watched = window.status();
    announced.clear();
    QAccessible::installUpdateHandler(RecordAnnouncement);
    StandInWiki().answer("/w/api.php", [](const support::ArrivedRequest&) {
        return support::StubAnswer{
            200, "application/json", "",
            R"({"query":{"pages":{"-1":{"ns":0,"title":"Word","missing":""}},"allpages":[],)"
            R"("userinfo":{"id":0,"name":"127.0.0.1","anon":""}}})",
            false};
    });
    QTest::mouseClick(window.command1(), Qt::LeftButton);
    const QString missing = QStringLiteral(
        "No article of this title on the wiki. No creator found for the article: no notice to "
        "leave");
    const bool answered =
        WaitInEventLoop([&] { return window.status()->text() == missing; }, kGiveUpMs);
    QAccessible::installUpdateHandler(nullptr);
    ASSERT_TRUE(answered) << ToUtf8(window.status()->text());
    EXPECT_THAT(announced, testing::Contains(QAccessible::NameChanged).Times(2));
    EXPECT_THAT(announced, testing::Contains(QAccessible::Alert));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(window.status())->text(QAccessible::Name),
              missing);
}

TEST_F(AccessiblePagesTest, OnlyForm1IsInTheProgramsTree) {
    QTest::mouseClick(window.command1(), Qt::LeftButton);
    ASSERT_TRUE(WaitInEventLoop(
        [&] { return window.status()->text() != "Checking for earlier nominations..."; },
        kGiveUpMs));
    QAccessibleInterface* application = QAccessible::queryAccessibleInterface(qApp);
    ASSERT_NE(application, nullptr);
    std::vector<std::string> windows;
    for (int i = 0; i < application->childCount(); ++i) {
        windows.push_back(ToUtf8(application->child(i)->text(QAccessible::Name)));
    }
    EXPECT_THAT(windows, testing::ElementsAre("Form1"));
}

// The documents below the interface, each named by the pane it is in ("" for none).
void CollectDocuments(QAccessibleInterface* node, const std::string& pane, int depth,
                      std::vector<std::string>& documents) {
    if (node == nullptr || depth > 40) return;
    std::string inPane = pane;
    if (node->role() == QAccessible::Pane) inPane = ToUtf8(node->text(QAccessible::Name));
    // A page's own nodes are the engine's, and change as the page does: not walked.
    if (node->role() == QAccessible::Document || node->role() == QAccessible::WebDocument) {
        documents.push_back(inPane);
        return;
    }
    for (int i = 0; i < node->childCount(); ++i) {
        CollectDocuments(node->child(i), inPane, depth + 1, documents);
    }
}

// What asks the wiki's API in the background is no page a screen reader could land on.
TEST_F(AccessiblePagesTest, EveryDocumentInTheTreeIsAPanesPage) {
    QTest::mouseClick(window.command1(), Qt::LeftButton);
    ASSERT_TRUE(WaitInEventLoop(
        [&] { return window.status()->text() != "Checking for earlier nominations..."; },
        kGiveUpMs));
    std::vector<std::string> documents;
    CollectDocuments(QAccessible::queryAccessibleInterface(&window), "", 0, documents);
    EXPECT_THAT(documents, testing::Not(testing::IsEmpty()));
    EXPECT_THAT(documents, testing::Each(testing::Not(testing::IsEmpty())));
}

}  // namespace
}  // namespace nominator
