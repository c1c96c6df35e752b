// Form1's real widgets as a user meets them: where they sit, what they say, what shows when,
// where the keyboard focus goes, and that long texts come through whole.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QQuickItem>
#include <QQuickWebEngineProfile>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTabBar>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QWebEngineUrlRequestInterceptor>
#include <algorithm>
#include <chrono>
#include <iterator>
#include <ostream>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "core/deletion_sorting.h"
#include "core/pane_addresses.h"
#include "core/saved_edits.h"
#include "core/status_catalogue.h"
#include "tests/qt/quick_panes.h"
#include "tests/support/gui_test_constants.h"
#include "window/form1_layout.h"
#include "window/pane_labels.h"
#include "window/qt/clickable_label.h"
#include "window/qt/form1_widgets.h"
#include "window/qt/form1_window.h"
#include "window/qt/multi_line_box.h"
#include "window/qt/tab_container.h"
#include "window/qt/utf8.h"

// Readable failure messages instead of raw bytes.
void PrintTo(const QRect& rect, std::ostream* out) {
    *out << rect.x() << "," << rect.y() << " " << rect.width() << "x" << rect.height();
}
void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace nominator {
namespace {

using support::kEngineGiveUpMs;
using support::kNoonOnMarch7;

using namespace std::chrono_literals;
using testing::ElementsAre;

// The key goes where the user's would: to the list of choices while one is open.
void PressKey(Qt::Key key) {
    QWidget* popup = QApplication::activePopupWidget();
    QTest::keyClick(popup != nullptr ? popup : QApplication::focusWidget(), key);
}

void TypeKeys(const QString& text) {
    for (const QChar character : text) {
        QWidget* popup = QApplication::activePopupWidget();
        QTest::keyClicks(popup != nullptr ? popup : QApplication::focusWidget(), character);
    }
}

// These tests look at widgets, not pages: no request may leave, whatever the host name rules.
class BlockAllRequests : public QWebEngineUrlRequestInterceptor {
public:
    void interceptRequest(QWebEngineUrlRequestInfo& info) override { info.block(true); }
};

class Form1WindowTest : public testing::Test {
protected:
    void SetUp() override {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        ASSERT_TRUE(QTest::qWaitFor([&] { return pane("Browser4") != nullptr; }, kEngineGiveUpMs))
            << "the browser panes never appeared";
        ProfileOf(*pane("Browser"))->setUrlRequestInterceptor(&blocker);
    }

    QQuickItem* pane(std::string_view name) { return FindPane(name); }

    // The panes' widget in Tabby, and the part of it that the pane fills.
    QRect paneRect(std::string_view name) {
        const QWidget* panes = window.findChild<QWidget*>(QStringLiteral("BrowserPanes"));
        const QQuickItem* item = pane(name);
        if (panes == nullptr || item == nullptr) return {};
        const QPointF inPanes = item->mapToScene(QPointF(0, 0));
        return {panes->mapTo(window.tabby(), inPanes.toPoint()), item->size().toSize()};
    }

    [[nodiscard]] bool activate() {
        window.activateWindow();
        QApplication::setActiveWindow(&window);
        return QTest::qWaitForWindowActive(&window);
    }

    void nominate() { QTest::mouseClick(window.command1(), Qt::LeftButton); }

    void clickTab(int index) {
        QTabBar* bar = window.tabby()->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
    }

    // Where each press of Tab (or Shift+Tab) puts the focus, by control name.
    std::vector<std::string> tabPresses(int count, Qt::KeyboardModifiers modifiers = {}) {
        std::vector<std::string> stops;
        for (int i = 0; i < count; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, modifiers);
            QWidget* focus = QApplication::focusWidget();
            if (focus == nullptr) {
                stops.emplace_back("<nothing>");
            } else if (focus == window.tabby()->tabBar()) {
                stops.emplace_back("Tabby's tab bar");
            } else {
                stops.push_back(ToUtf8(focus->objectName()));
            }
        }
        return stops;
    }

    // Declared first: the window's profile uses it until the window is gone.
    BlockAllRequests blocker;
    Form1Window window{[] { return kNoonOnMarch7; }};
};

TEST_F(Form1WindowTest, EveryControlSitsWhereTheLayoutPutsIt) {
    EXPECT_EQ(window.windowTitle(), "Form1");
    // The panes take their size once the tab container is first shown.
    nominate();
    for (int tab = 0; tab < window.tabby()->tabBar()->count(); ++tab) {
        EXPECT_EQ(paneRect(PaneObjectName(tab)), ToPixels(kPaneRect)) << tab;
    }
    for (const ControlLayout& layout : kForm1Layout) {
        SCOPED_TRACE(std::string(layout.name));
        const QRect designed = ToPixels(layout.rect);
        QWidget* widget = window.findChild<QWidget*>(ToQString(layout.name));
        ASSERT_NE(widget, nullptr);
        const QRect actual(widget->mapTo(&window, QPoint(0, 0)), widget->size());

        if (layout.kind == ControlKind::ClickableLabel) {
            EXPECT_EQ(actual.topLeft(), designed.topLeft());
            EXPECT_GE(actual.width(), designed.width());
            EXPECT_GE(actual.height(), designed.height());
            EXPECT_GE(actual.width(), widget->sizeHint().width()) << "the caption is cut";
        } else {
            EXPECT_EQ(actual, designed);
        }
    }
}

// The label's caption may make it wider than designed; it must still reach no other control.
TEST_F(Form1WindowTest, NoTwoControlsOverlapAsTheyAreDrawn) {
    nominate();
    window.show(Control::Text6);
    for (const ControlLayout& one : kForm1Layout) {
        const QWidget* widget = window.findChild<QWidget*>(ToQString(one.name));
        ASSERT_NE(widget, nullptr) << one.name;
        for (const ControlLayout& other : kForm1Layout) {
            if (&other == &one) continue;
            const QWidget* neighbour = window.findChild<QWidget*>(ToQString(other.name));
            ASSERT_NE(neighbour, nullptr) << other.name;
            EXPECT_FALSE(widget->geometry().intersects(neighbour->geometry()))
                << one.name << " and " << other.name;
        }
    }
}

TEST_F(Form1WindowTest, ThePanesWindowSitsInForm1sWindowAtThePanesRectangle) {
    nominate();
    QQuickWindow* panes = PanesWindow();
    ASSERT_NE(panes, nullptr);
    EXPECT_EQ(panes->parent(), window.windowHandle());
    EXPECT_TRUE(panes->isVisible());
    EXPECT_EQ(panes->geometry(), QRect(window.tabby()->pos() + QPoint(8, 32), QSize(465, 257)));
}

TEST_F(Form1WindowTest, ThePanesShareOnePersistentProfileInTheUsersDataFolder) {
    QQuickWebEngineProfile* profile = ProfileOf(*pane("Browser"));
    ASSERT_NE(profile, nullptr);
    EXPECT_EQ(ProfileOf(*pane("Browser2")), profile);
    EXPECT_EQ(ProfileOf(*pane("Browser3")), profile);
    EXPECT_EQ(ProfileOf(*pane("Browser4")), profile);
    EXPECT_FALSE(profile->isOffTheRecord());
    EXPECT_EQ(profile->storageName(), "afd-nominator");
    EXPECT_EQ(profile->persistentCookiesPolicy(), QQuickWebEngineProfile::ForcePersistentCookies);
    // Where earlier versions kept the login: the same folder keeps it after an update.
    EXPECT_EQ(profile->persistentStoragePath(),
              QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
                  "/QtWebEngine/afd-nominator");
}

TEST_F(Form1WindowTest, WindowOpensAtItsDesignSizeWhichIsTheSmallestItCanBe) {
    EXPECT_EQ(window.box(Box::Text1)->geometry(), QRect(16, 8, 137, 25));
    EXPECT_EQ(window.command1()->geometry(), QRect(200, 40, 49, 25));
    EXPECT_EQ(window.tabby()->geometry(), QRect(24, 152, 481, 297));

    const QSize designed(TwipsToPixels(kClientWidthTwips), TwipsToPixels(kClientHeightTwips));
    ASSERT_EQ(designed, QSize(526, 461));
    EXPECT_EQ(window.size(), designed);
    EXPECT_EQ(window.minimumSize(), designed);

    for (const QSize smaller : {QSize(400, 300), QSize(525, 800), QSize(900, 460)}) {
        SCOPED_TRACE(std::to_string(smaller.width()) + "x" + std::to_string(smaller.height()));
        window.resize(smaller);
        EXPECT_EQ(window.size(), smaller.expandedTo(designed));
    }
}

struct SizeRow {
    const char* name;
    QSize window;
    // Tabby's rectangle in the window, which the shown pane's window fills below the tabs.
    QRect tabby;
};

// One after the other on the same window: growing, and shrinking back, are both seen.
const SizeRow kSizes[] = {
    {"larger", {1100, 800}, {24, 152, 1055, 636}},
    {"wider only", {900, 800}, {24, 152, 855, 636}},
    {"back to the design size", {526, 461}, {24, 152, 481, 297}},
    {"higher only", {526, 700}, {24, 152, 481, 536}},
    {"larger again", {1100, 800}, {24, 152, 1055, 636}},
};

TEST_F(Form1WindowTest, TabbyAndTheShownPaneTakeTheRoomAWindowGainsAndNothingElseMoves) {
    // Tabby is hidden until the first nomination, and takes its size as it is first shown.
    window.resize(kSizes[0].window);
    nominate();
    QQuickWindow* panesWindow = PanesWindow();
    ASSERT_NE(panesWindow, nullptr);
    for (const SizeRow& row : kSizes) {
        SCOPED_TRACE(row.name);
        window.resize(row.window);
        ASSERT_TRUE(QTest::qWaitFor([&] { return window.size() == row.window; }))
            << window.size().width() << "x" << window.size().height();
        EXPECT_EQ(window.tabby()->geometry(), row.tabby);
        // Tabby's margins to the window's right and bottom edges are the designed ones.
        EXPECT_EQ(row.window.width() - row.tabby.right() - 1, 21);
        EXPECT_EQ(row.window.height() - row.tabby.bottom() - 1, 12);

        // The pane's window, and the pane in it, keep their margins in Tabby: 8 pixels to the
        // left, right and bottom, and the tab strip's 32 above.
        const QRect pane(row.tabby.topLeft() + QPoint(8, 32), row.tabby.size() - QSize(16, 40));
        EXPECT_TRUE(QTest::qWaitFor([&] { return panesWindow->geometry() == pane; }))
            << "the panes' window is at " << panesWindow->geometry().x() << ","
            << panesWindow->geometry().y() << " " << panesWindow->width() << "x"
            << panesWindow->height();
        for (int tab : {3, 1, 0}) {
            clickTab(tab);
            EXPECT_EQ(paneRect(PaneObjectName(tab)), pane.translated(-row.tabby.topLeft())) << tab;
        }

        const int gainedWidth = row.window.width() - 526;
        for (const ControlLayout& layout : kForm1Layout) {
            if (layout.name == "Tabby") continue;
            SCOPED_TRACE(std::string(layout.name));
            const QWidget* widget = window.findChild<QWidget*>(ToQString(layout.name));
            ASSERT_NE(widget, nullptr);
            QRect designed = ToPixels(layout.rect);
            // The status line and the further articles' box take the room to their right, no
            // more.
            if (layout.growth == Growth::Width) designed.setWidth(designed.width() + gainedWidth);
            if (layout.kind == ControlKind::ClickableLabel) {
                EXPECT_EQ(widget->pos(), designed.topLeft());
            } else {
                EXPECT_EQ(widget->geometry(), designed);
            }
        }
    }
}

TEST_F(Form1WindowTest, InitialTextsAndTheLogLineAfterLoading) {
    const std::vector<std::pair<Box, QString>> expected = {
        {Box::Text1, "Word"},  {Box::Reason, "Reason"}, {Box::Text2, "{{subst:afd}}"},
        {Box::Text3, "Text3"}, {Box::Text5, "Text5"},   {Box::Text6, ""}};
    for (const auto& [box, text] : expected) EXPECT_EQ(window.box(box)->text(), text);
    EXPECT_EQ(window.command1()->text(), "AFD");
    EXPECT_EQ(window.dayPlus()->text(), "Next Day ->");
    QTabBar* bar = window.tabby()->tabBar();
    ASSERT_EQ(bar->count(), 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(bar->tabText(i), QStringLiteral("Tab %1").arg(i));
        EXPECT_EQ(ToUtf8(bar->tabToolTip(i)),
                  PaneLabelsOf(PlanNomination({})).at(static_cast<std::size_t>(i)).name);
    }
    EXPECT_EQ(bar->currentIndex(), 0);

    ASSERT_TRUE(window.load());
    EXPECT_EQ(window.box(Box::Text5)->text(), "{{subst:afd3 | pg=Word}}");
}

TEST_F(Form1WindowTest, NominationShowsTheHiddenControlsAndTheSelectedTabsPane) {
    const std::set<std::string_view> shownAtStart = {"Text1",   "Reason",   "Command1", "DayPlus",
                                                     "Further", "Category", "Topics"};
    for (const ControlLayout& layout : kForm1Layout) {
        SCOPED_TRACE(std::string(layout.name));
        EXPECT_EQ(window.findChild<QWidget*>(ToQString(layout.name))->isVisible(),
                  shownAtStart.count(layout.name) == 1);
    }

    nominate();
    for (Control control :
         {Control::Text2, Control::Text3, Control::Text5, Control::Tabby, Control::Status}) {
        EXPECT_TRUE(window.control(control)->isVisible())
            << ToUtf8(window.control(control)->objectName());
    }
    // The notice box shows only once a notice is due, which no answer of the wiki said here.
    EXPECT_FALSE(window.control(Control::Text6)->isVisible());
    EXPECT_TRUE(PanesWindow()->isVisible());
    EXPECT_TRUE(pane("Browser")->isVisible());
    for (const char* hidden : {"Browser2", "Browser3", "Browser4"}) {
        EXPECT_FALSE(pane(hidden)->isVisible()) << hidden;
    }
}

// The longest line each entry of the status line's catalogue can make: the wiki's longest
// titles, every edit named, and the longest note on the creator's notice after it.
std::string LongestStatusText(StatusId id) {
    const auto note = std::max_element(
        std::begin(kNoticeNotes), std::end(kNoticeNotes),
        [](const NoticeNote& a, const NoticeNote& b) { return a.text.size() < b.text.size(); });
    StatusFacts facts{.check = Status(StatusId::Renomination, {}, {{"ordinal", "123rd"}}),
                      .notice = note->state};
    const NominationPlan plan =
        PlanNomination({.name = "A", .logKey = "K", .notice = NoticeState::Open, .creator = "C"});
    using S = EditState;
    const std::string address(200, 'x');
    switch (id) {
        // Said on their own, when a pane does not keep an address or a download.
        case StatusId::AddressRefused:
            return PaneNoticeStatus(12, PaneNotice::AddressRefused, "file:///" + address).text;
        case StatusId::NotHandedOn:
            return PaneNoticeStatus(12, PaneNotice::NotHandedOn, "mailto:" + address).text;
        case StatusId::DownloadRefused:
            return PaneNoticeStatus(12, PaneNotice::DownloadRefused, address).text;
        case StatusId::DownloadSaved:
            return PaneNoticeStatus(12, PaneNotice::DownloadSaved, "/home/" + address).text;
        case StatusId::DownloadFailed:
            return PaneNoticeStatus(12, PaneNotice::DownloadFailed, address,
                                    "the network connection was lost")
                .text;
        case StatusId::PaneBehind:
            facts.behind = {
                {2, "Editing Wikipedia:Articles for deletion/Log/2026 September 27 - Wikipedia"}};
            break;
        case StatusId::PanesBehind:
            facts.behind = {{0, "Editing Mississippi River Commission - Wikipedia"},
                            {1, "Wikipedia:Articles for deletion/Mississippi River Commission"},
                            {2, "Editing Wikipedia:Articles for deletion/Log/2026 September 27"}};
            break;
        case StatusId::NominationComplete:
            facts.saves = SavedEditsStatus(plan, {S::Saved, S::Saved, S::Saved, S::Saved},
                                           CreatorsKnown::All);
            break;
        case StatusId::PartlySaved:
            facts.saves = SavedEditsStatus(plan, {S::Unsaved, S::Unsaved, S::Unsaved, S::Saved},
                                           CreatorsKnown::All);
            break;
        case StatusId::SavedSoFar:
            facts.saves = SavedEditsStatus(plan, {S::Saved, S::Saved, S::Saved, S::Saved},
                                           CreatorsKnown::NotAll);
            break;
        case StatusId::NoLogMarker:
            facts.noLogMarker = true;
            break;
        default:
            facts.check = Status(id, {}, {{"ordinal", "123rd"}});
    }
    return ComposeStatus(facts).text;
}

TEST_F(Form1WindowTest, EveryStatusTextFitsTheStatusLineWhole) {
    QLabel* status = window.status();
    std::vector<std::string> texts;
    for (const StatusEntry& entry : kStatusCatalogue) texts.push_back(LongestStatusText(entry.id));
    for (const std::string& text : texts) {
        SCOPED_TRACE(text);
        window.setStatus(text, "", true);
        const QRect needed = status->fontMetrics().boundingRect(
            status->contentsRect(), Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop,
            ToQString(text));
        EXPECT_TRUE(status->contentsRect().contains(needed))
            << needed.width() << "x" << needed.height();
        EXPECT_EQ(status->text(), ToQString(text));
    }
}

TEST_F(Form1WindowTest, ClickingATabShowsOnlyItsPaneAndANominationKeepsTheTab) {
    nominate();
    for (int tab : {1, 2, 3, 0, 2}) {
        SCOPED_TRACE("tab " + std::to_string(tab));
        clickTab(tab);
        EXPECT_EQ(window.tabby()->tabBar()->currentIndex(), tab);
        for (int i = 0; i < window.tabby()->tabBar()->count(); ++i) {
            const std::string name = PaneObjectName(i);
            EXPECT_EQ(pane(name)->isVisible(), i == tab) << name;
            if (i == tab) {
                EXPECT_EQ(paneRect(name), QRect(8, 32, 465, 257)) << name;
            }
        }
    }

    nominate();
    EXPECT_EQ(window.tabby()->tabBar()->currentIndex(), 2);
    EXPECT_TRUE(pane("Browser3")->isVisible());
    EXPECT_FALSE(pane("Browser")->isVisible());
}

// The four panes a nomination uses, then as many more as asked.
std::vector<PaneLabel> Labels(int count) {
    std::vector<PaneLabel> labels = PaneLabelsOf(PlanNomination({}));
    labels.resize(static_cast<std::size_t>(std::min(count, 4)));
    for (int pane = 4; pane < count; ++pane) {
        labels.push_back({"Tab " + std::to_string(pane), "Pane " + std::to_string(pane),
                          "The pane on tab " + std::to_string(pane)});
    }
    return labels;
}

struct PaneListRow {
    const char* name;
    std::vector<PaneLabel> labels;
};

// What a screen reader says of the pane: its view is the child of the item it names.
std::pair<std::string, std::string> SaidOf(QQuickItem& pane) {
    QAccessibleInterface* said = QAccessible::queryAccessibleInterface(pane.parentItem());
    if (said == nullptr) return {"<nothing>", "<nothing>"};
    return {ToUtf8(said->text(QAccessible::Name)), ToUtf8(said->text(QAccessible::Description))};
}

// One after the other on the same window, so that growing and shrinking the list are both seen.
const PaneListRow kPaneLists[] = {
    {"six, the discussion's pane renamed",
     [] {
         std::vector<PaneLabel> labels = Labels(6);
         labels.at(1) = {"Tab 1", "Second discussion", "Another discussion page"};
         return labels;
     }()},
    {"twelve, more than the strip has room for", Labels(12)},
    {"back to the four", Labels(4)},
};

TEST_F(Form1WindowTest, TheTabsAndThePanesFollowTheListOfPanes) {
    nominate();
    QTabBar* bar = window.tabby()->tabBar();
    QQuickItem* const article = pane("Browser");
    window.navigate(PaneOfKind(EditKind::ArticleTag), "https://en.wikipedia.org/wiki/Kept_page");
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return article->property("url").toUrl().toString().endsWith("Kept_page"); }));
    for (const PaneListRow& row : kPaneLists) {
        SCOPED_TRACE(row.name);
        window.setPanes(row.labels);
        const int count = static_cast<int>(row.labels.size());
        ASSERT_EQ(bar->count(), count);
        ASSERT_TRUE(QTest::qWaitFor([&] {
            return PaneOnTab(count - 1) != nullptr && PaneOnTab(count) == nullptr;
        })) << "the panes are not one a tab";
        for (int tab = 0; tab < count; ++tab) {
            SCOPED_TRACE(tab);
            const PaneLabel& label = row.labels.at(static_cast<std::size_t>(tab));
            EXPECT_EQ(ToUtf8(bar->tabText(tab)), label.caption);
            EXPECT_EQ(ToUtf8(bar->tabToolTip(tab)), label.name);
            EXPECT_EQ(SaidOf(*PaneOnTab(tab)), std::pair(label.name, label.description));
        }
        // The article's pane stays, and with it its page.
        EXPECT_EQ(pane("Browser"), article);
        EXPECT_TRUE(article->property("url").toUrl().toString().endsWith("Kept_page"));

        // The strip stays inside Tabby above the panes, and scrolls to every tab.
        EXPECT_TRUE(window.tabby()->rect().contains(bar->geometry()));
        EXPECT_LE(bar->geometry().bottom(), ToPixels(kPaneRect).top());
        for (int tab = 0; tab < count; ++tab) {
            bar->setCurrentIndex(tab);
            EXPECT_TRUE(bar->rect().contains(bar->tabRect(tab))) << "tab " << tab;
        }
        clickTab(count - 1);
        EXPECT_EQ(bar->currentIndex(), count - 1);
        for (int tab = 0; tab < count; ++tab) {
            EXPECT_EQ(PaneOnTab(tab)->isVisible(), tab == count - 1) << tab;
        }
    }
}

TEST(Form1WindowPanesTest, PanesListedBeforeTheEngineLoadsAreTheOnesItMakes) {
    BlockAllRequests blocker;
    Form1Window window{[] { return kNoonOnMarch7; }};
    window.setPanes(Labels(6));
    ASSERT_EQ(window.tabby()->tabBar()->count(), 6);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ASSERT_TRUE(QTest::qWaitFor([] { return PaneOnTab(5) != nullptr; }, kEngineGiveUpMs));
    ProfileOf(*PaneOnTab(0))->setUrlRequestInterceptor(&blocker);
    EXPECT_EQ(PaneOnTab(6), nullptr);
    EXPECT_EQ(SaidOf(*PaneOnTab(5)),
              std::pair(std::string("Pane 5"), std::string("The pane on tab 5")));
}

TEST_F(Form1WindowTest, TabSkipsHiddenControlsAndTheLabel) {
    ASSERT_TRUE(activate());
    EXPECT_EQ(QApplication::focusWidget(), window.box(Box::Text1));
    EXPECT_THAT(tabPresses(6),
                ElementsAre("Command1", "Reason", "Further", "Category", "Topics", "Text1"));

    nominate();
    // Loading the hidden panes deactivates the window; a test below covers that on its own.
    ASSERT_TRUE(activate());
    QTest::mouseClick(window.box(Box::Text1), Qt::LeftButton);
    ASSERT_EQ(QApplication::focusWidget(), window.box(Box::Text1));
    EXPECT_THAT(tabPresses(6),
                ElementsAre("Command1", "Text2", "Text3", "Reason", "Text5", "Tabby's tab bar"));
}

// Shown, the notice box comes after the panes and DayPlus, before the discussion's category and
// topics, the last stops before Text1.
TEST_F(Form1WindowTest, TabReachesTheNoticeBoxOnceItShows) {
    nominate();
    // A notice is shown after the check for earlier nominations, which is refused here.
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return window.status()->text() != "Checking for earlier nominations..."; }));
    window.show(Control::Text6);
    ASSERT_TRUE(activate());
    QTest::mouseClick(window.box(Box::Text5), Qt::LeftButton);
    ASSERT_EQ(QApplication::focusWidget(), window.box(Box::Text5));
    EXPECT_THAT(tabPresses(1), ElementsAre("Tabby's tab bar"));
    QTest::mouseClick(window.box(Box::Text1), Qt::LeftButton);
    ASSERT_EQ(QApplication::focusWidget(), window.box(Box::Text1));
    EXPECT_THAT(tabPresses(4, Qt::ShiftModifier),
                ElementsAre("Topics", "Category", "Further", "Text6"));
    EXPECT_THAT(tabPresses(4), ElementsAre("Further", "Category", "Topics", "Text1"));
}

// Typing a letter into the category list picks the category of that letter.
TEST_F(Form1WindowTest, TheCategoryListOffersTheWikisCategoriesAndALetterPicksOne) {
    QComboBox* category = window.list(Choice::Category);
    std::vector<std::string> entries;
    for (int i = 0; i < category->count(); ++i) entries.push_back(ToUtf8(category->itemText(i)));
    EXPECT_EQ(entries, CategoryEntries());
    EXPECT_EQ(window.chosen(Choice::Category), 0U);
    ASSERT_TRUE(activate());
    category->setFocus();
    const std::pair<Qt::Key, const char*> letters[] = {
        {Qt::Key_B, "B Biographical"}, {Qt::Key_W, "W Web or internet"}, {Qt::Key_N, "Not sorted"}};
    for (const auto& [key, entry] : letters) {
        // Longer than the pause after which a list's search by letters starts anew.
        QTest::qWait(QApplication::keyboardInputInterval() + 100);
        QTest::keyClick(category, key);
        EXPECT_EQ(ToUtf8(category->currentText()), entry);
        EXPECT_EQ(window.chosen(Choice::Category),
                  static_cast<std::size_t>(category->currentIndex()));
    }
}

// Return starts a line and Tab moves on; what the wiki lists is offered for the line typed.
TEST_F(Form1WindowTest, TheTopicsBoxTakesOneTopicALineAndCompletesFromTheWikisTopics) {
    MultiLineBox* topics = window.lines(Box::Topics);
    ASSERT_NE(topics, nullptr);
    window.setTopicChoices({"American football", "Football", "Places"});
    ASSERT_TRUE(activate());
    topics->setFocus();
    // Return with no choice highlighted starts a line.
    TypeKeys("Places");
    QAbstractItemView* offered = topics->completer()->popup();
    EXPECT_TRUE(offered->isVisible());
    PressKey(Qt::Key_Return);
    EXPECT_FALSE(offered->isVisible());
    TypeKeys("footb");
    ASSERT_TRUE(offered->isVisible());
    EXPECT_EQ(offered->model()->rowCount(), 2);
    PressKey(Qt::Key_Down);
    PressKey(Qt::Key_Down);
    PressKey(Qt::Key_Return);
    EXPECT_FALSE(offered->isVisible());
    EXPECT_EQ(window.text(Box::Topics), "Places\nFootball");
    PressKey(Qt::Key_Return);
    TypeKeys("pl");
    ASSERT_TRUE(offered->isVisible());
    PressKey(Qt::Key_Escape);
    EXPECT_FALSE(offered->isVisible());
    PressKey(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), window.box(Box::Text1));
    EXPECT_EQ(window.text(Box::Topics), "Places\nFootball\npl");
    window.setText(Box::Topics, "Sports\n");
    EXPECT_EQ(window.text(Box::Topics), "Sports\n");
}

// The discussion text keeps its notes on lines of their own through its one-line box.
TEST_F(Form1WindowTest, TheDiscussionBoxKeepsItsLineBreaks) {
    const std::string text = "{{subst:afd2 | pg=A| text=B}} ~~~~\n{{subst:delsort|C|~~~~}}";
    window.setText(Box::Text3, text);
    EXPECT_EQ(window.text(Box::Text3), text);
    window.box(Box::Text3)->selectAll();
    window.box(Box::Text3)->copy();
    EXPECT_EQ(ToUtf8(QApplication::clipboard()->text()), text);
}

// The further articles' box: Return starts a line, Tab moves on, a paste keeps only the text.
TEST_F(Form1WindowTest, TheFurtherArticlesBoxTakesOneTitleALineAndTabMovesOn) {
    ASSERT_TRUE(activate());
    MultiLineBox* further = window.lines(Box::Further);
    QTest::mouseClick(further->viewport(), Qt::LeftButton);
    ASSERT_EQ(QApplication::focusWidget(), further);
    QTest::keyClicks(further, "Second");
    QTest::keyClick(further, Qt::Key_Return);
    QTest::keyClicks(further, "Third");
    EXPECT_EQ(window.text(Box::Further), "Second\nThird");
    EXPECT_THAT(tabPresses(1), ElementsAre("Category"));
    EXPECT_EQ(window.text(Box::Further), "Second\nThird");

    QMimeData* rich = new QMimeData;
    rich->setHtml(QStringLiteral("<b>Fourth</b>"));
    rich->setText(QStringLiteral("Fourth"));
    QApplication::clipboard()->setMimeData(rich);
    QTest::mouseClick(further->viewport(), Qt::LeftButton);
    QTest::keyClick(further, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClick(further, Qt::Key_Return);
    QTest::keyClick(further, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(further->toPlainText(), QStringLiteral("Second\nThird\nFourth"));
    QTextCursor pasted(further->document()->lastBlock());
    pasted.movePosition(QTextCursor::EndOfBlock);
    EXPECT_NE(pasted.charFormat().fontWeight(), QFont::Bold);
}

TEST_F(Form1WindowTest, ClickingTheLabelLeavesTheFocusWhereItWas) {
    // Every pane loads a page once first, so that only the label's own effect is seen.
    nominate();
    for (int tab : {1, 2, 3, 0}) clickTab(tab);
    ASSERT_TRUE(activate());
    QTest::mouseClick(window.box(Box::Reason), Qt::LeftButton);
    ASSERT_EQ(QApplication::focusWidget(), window.box(Box::Reason));

    QSignalSpy clicks(window.dayPlus(), &ClickableLabel::clicked);
    QTest::mouseClick(window.dayPlus(), Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(QApplication::focusWidget(), window.box(Box::Reason));
}

// The first clicks of a session load pages into panes that are not on screen.
TEST_F(Form1WindowTest, FirstNextDayKeepsTheWindowActiveAndTheFocusInIt) {
    ASSERT_TRUE(activate());
    QTest::mouseClick(window.dayPlus(), Qt::LeftButton);
    EXPECT_EQ(QApplication::activeWindow(), &window);
    EXPECT_EQ(QApplication::focusWidget(), window.box(Box::Text1));
}

TEST_F(Form1WindowTest, FirstNominationKeepsTheWindowActiveAndTheFocusInIt) {
    ASSERT_TRUE(activate());
    nominate();
    EXPECT_EQ(QApplication::activeWindow(), &window);
    EXPECT_EQ(QApplication::focusWidget(), window.command1());
}

TEST_F(Form1WindowTest, EnterInATextBoxDoesNotNominate) {
    ASSERT_TRUE(activate());
    QSignalSpy clicks(window.command1(), &QPushButton::clicked);
    for (Box box : {Box::Text1, Box::Reason}) {
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
            QTest::mouseClick(window.box(box), Qt::LeftButton);
            QTest::keyClick(window.box(box), key);
        }
    }
    // A default button would click after a short animation: give it the chance to.
    QTest::qWait(300);
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_FALSE(window.box(Box::Text3)->isVisible());
}

TEST_F(Form1WindowTest, PressOnTheLabelReleasedOutsideIsNoClick) {
    ClickableLabel* label = window.dayPlus();
    QSignalSpy clicks(label, &ClickableLabel::clicked);
    QTest::mousePress(label, Qt::LeftButton, {}, label->rect().center());
    QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(label->width() + 20, -20));
    EXPECT_EQ(clicks.count(), 0);
}

// Three times the old limit of 32767 characters, with a distinct end to show nothing was cut.
QString LongText(const QString& piece) {
    QString text = piece.repeated(100000 / piece.size());
    text.replace(text.size() - 3, 3, QStringLiteral("END"));
    return text;
}

TEST_F(Form1WindowTest, EveryBoxTakesAHundredThousandPastedCharacters) {
    nominate();
    window.show(Control::Text6);
    const QString text = LongText(QStringLiteral("0123456789"));
    ASSERT_EQ(text.size(), 100000);
    for (Box box : {Box::Text1, Box::Reason, Box::Text2, Box::Text3, Box::Text5, Box::Text6}) {
        QLineEdit* edit = window.box(box);
        SCOPED_TRACE(ToUtf8(edit->objectName()));
        QApplication::clipboard()->setText(text);
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(edit->text().size(), text.size());
        EXPECT_TRUE(edit->text() == text);
    }
}

TEST_F(Form1WindowTest, DiscussionTextHoldsALongTitleAndReasonWhole) {
    const QString title = LongText(QStringLiteral("Title "));
    const QString reason = LongText(QStringLiteral("why "));
    window.box(Box::Text1)->setText(title);
    window.box(Box::Reason)->setText(reason);
    nominate();

    const QString expected = "{{subst:afd2 | pg=" + title + "| text=" + reason + "}} ~~~~";
    EXPECT_EQ(window.box(Box::Text3)->text().size(), expected.size());
    EXPECT_TRUE(window.box(Box::Text3)->text() == expected);
}

TEST_F(Form1WindowTest, RenominatingKeepsTheEditedTagAndRewritesTheOtherTexts) {
    nominate();
    for (Box box : {Box::Text2, Box::Text3, Box::Text5}) {
        QTest::keyClick(window.box(box), Qt::Key_End);
        QTest::keyClicks(window.box(box), " edited");
    }
    ASSERT_EQ(window.box(Box::Text3)->text(), "{{subst:afd2 | pg=Word| text=Reason}} ~~~~ edited");
    nominate();

    EXPECT_EQ(window.box(Box::Text2)->text(), "{{subst:afd}} edited");
    EXPECT_EQ(window.box(Box::Text3)->text(), "{{subst:afd2 | pg=Word| text=Reason}} ~~~~");
    EXPECT_EQ(window.box(Box::Text5)->text(), "{{subst:afd3 | pg=Word}}");
}

}  // namespace
}  // namespace nominator
