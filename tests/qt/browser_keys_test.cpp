// The keys a browser user expects: what each key does, as tables through the panes' key filter
// and the kept zoom's file, and then pressed with real X input on the panes' pages, which come
// from a loopback stand-in for the wiki: zoom for all the panes, kept across runs with the
// profile; reload and history on the visible pane; and nothing at all from a text box.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QQuickItem>
#include <QQuickWebEngineProfile>
#include <QQuickWindow>
#include <QStandardPaths>
#include <QTabBar>
#include <QTest>
#include <QUrl>
#include <QWheelEvent>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "browser_engine/browser_keys.h"
#include "browser_engine/browser_zoom.h"
#include "browser_engine/zoom_file.h"
#include "tests/qt/quick_panes.h"
#include "tests/qt/stand_in_wiki.h"
#include "tests/support/gui_test_constants.h"
#include "tests/support/x_input.h"
#include "window/qt/form1_window.h"
#include "window/qt/tab_container.h"
#include "window/qt/utf8.h"

namespace nominator {
namespace {

using support::kEngineGiveUpMs;
using namespace support::keysym;

using support::ArrivedRequest;
using support::XInput;
using Modifier = support::XInput::Modifier;

constexpr int kStepMs = 5000;
// Long enough for a reload or a navigation that should not happen to reach the stand-in.
constexpr int kSettleMs = 700;

constexpr char kCreatorsTalkPage[] = "https://en.wikipedia.org/wiki/User_talk:Creator";

// Every page tells its zoom as its title: under Xvfb one pixel is one device pixel, so the
// page's devicePixelRatio is the zoom the engine draws it at.
const std::string kPage =
    "<!DOCTYPE html><title>loading</title><body><p>A page of the wiki.</p><script>"
    "function tell() { document.title = String(window.devicePixelRatio); }"
    "tell(); window.addEventListener('resize', tell);</script>";

// Before the first window: the stand-in must be in place before the engine starts, and an
// earlier run of these tests may have left a zoom in the profile.
void PrepareOnce() {
    static bool prepared = false;
    if (std::exchange(prepared, true)) return;
    StandInWiki().answer("/", [](const ArrivedRequest&) {
        support::StubAnswer answer;
        answer.body = kPage;
        return answer;
    });
    QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).removeRecursively();
}

QQuickItem* Pane(int index) { return PaneOnTab(index); }

// The window's panes, one a tab.
int PaneCount(const Form1Window& window) { return window.tabby()->tabBar()->count(); }

QUrl UrlOf(int pane) { return Pane(pane)->property("url").toUrl(); }

// What the stand-in sees as the request's target for the address.
std::string TargetOf(const QUrl& address) {
    return address.toEncoded(QUrl::RemoveScheme | QUrl::RemoveAuthority).toStdString();
}

std::size_t RequestsFor(const QUrl& address) {
    const std::vector<ArrivedRequest> requests = StandInWiki().requests();
    return static_cast<std::size_t>(std::count_if(
        requests.begin(), requests.end(),
        [&](const ArrivedRequest& request) { return request.target == TargetOf(address); }));
}

// The zoom the page says it is drawn at; nothing while it has not said.
std::optional<double> PageZoom(int pane) {
    bool number = false;
    const double zoom = Pane(pane)->property("title").toString().toDouble(&number);
    return number ? std::optional(zoom) : std::nullopt;
}

double ZoomFactor(int pane) { return Pane(pane)->property("zoomFactor").toDouble(); }

bool Near(double a, double b) { return std::abs(a - b) < 0.005; }

// A key and what is held with it, or a notch of the wheel.
struct Press {
    std::uint32_t keysym = 0;
    Modifier modifier = Modifier::None;
    // A notch of the wheel instead of a key: up (true) or down.
    std::optional<bool> wheelUp;
};

constexpr Press Key(std::uint32_t keysym, Modifier modifier = Modifier::None) {
    return {keysym, modifier, std::nullopt};
}
constexpr Press CtrlWheel(bool up) { return {0, Modifier::Control, up}; }

class BrowserKeysTest : public testing::Test {
protected:
    void SetUp() override {
        PrepareOnce();
        ASSERT_TRUE(input.connected()) << "no X display";
        ASSERT_NO_FATAL_FAILURE(startWindow());
        zoomFile =
            QDir(ProfileOf(*Pane(0))->persistentStoragePath()).filePath(ToQString(kZoomFileName));
        ASSERT_NO_FATAL_FAILURE(clickIntoPage());
    }

    // The next test starts from no zoom kept.
    void TearDown() override {
        window.reset();
        QFile::remove(zoomFile);
    }

    // A window as the program starts it, a nomination made and its three pages loaded, and the
    // creator's talk page opened in the fourth pane, as when a notice is due.
    void startWindow() {
        window = std::make_unique<Form1Window>([] { return kNoonOnMarch7; });
        ASSERT_TRUE(window->load());
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        ASSERT_TRUE(QTest::qWaitFor([] { return Pane(0) != nullptr; }, kEngineGiveUpMs));
        window->command1()->click();
        window->navigate(PaneOfKind(EditKind::CreatorNotice), kCreatorsTalkPage);
        for (int pane = 0; pane < PaneCount(*window); ++pane)
            ASSERT_NO_FATAL_FAILURE(waitForPage(pane));
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    // Until the new window's pane has its page from the stand-in, which has told its zoom.
    static void waitForPage(int pane) {
        ASSERT_TRUE(QTest::qWaitFor(
            [pane] {
                return UrlOf(pane).scheme() == "https" && RequestsFor(UrlOf(pane)) > 0 &&
                       !Pane(pane)->property("loading").toBool() && PageZoom(pane);
            },
            kEngineGiveUpMs))
            << "pane " << pane << " at " << UrlOf(pane).toString().toStdString();
    }

    // Opens the address in the article's pane as a nomination does, until its page has come.
    void navigateArticle(const QUrl& address) {
        const std::size_t before = RequestsFor(address);
        window->navigate(PaneOfKind(EditKind::ArticleTag), address.toString().toStdString());
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                return RequestsFor(address) > before && UrlOf(0) == address &&
                       !Pane(0)->property("loading").toBool();
            },
            kEngineGiveUpMs));
    }

    void click(QPoint global) {
        input.moveTo(global.x(), global.y());
        input.clickLeft();
        input.sync();
    }

    // Gives the shown page the keys, as a user's click does.
    void clickIntoPage() {
        QQuickWindow* panes = PanesWindow();
        click(panes->mapToGlobal(QPoint(panes->width() / 2, panes->height() / 2)));
        ASSERT_TRUE(
            QTest::qWaitFor([panes] { return QGuiApplication::focusWindow() == panes; }, kStepMs));
    }

    void press(const Press& press) {
        if (press.wheelUp) {
            input.wheel(*press.wheelUp, press.modifier);
        } else {
            input.key(press.keysym, press.modifier);
        }
        input.sync();
    }

    // Until all the panes are at the zoom and the shown page is drawn at it.
    bool waitForZoom(double zoom) {
        const int shown = window->tabby()->tabBar()->currentIndex();
        return QTest::qWaitFor(
            [&] {
                for (int pane = 0; pane < PaneCount(*window); ++pane) {
                    if (!Near(ZoomFactor(pane), zoom)) return false;
                }
                const std::optional<double> drawn = PageZoom(shown);
                return drawn && Near(*drawn, zoom);
            },
            kStepMs);
    }

    std::string zoomsSeen() const {
        std::string seen;
        for (int pane = 0; pane < PaneCount(*window); ++pane) {
            seen += "pane " + std::to_string(pane) + ": " + std::to_string(ZoomFactor(pane)) +
                    " (page: " + Pane(pane)->property("title").toString().toStdString() + ") ";
        }
        return seen;
    }

    XInput input;
    std::unique_ptr<Form1Window> window;
    QString zoomFile;
};

// A key as Qt reports it, or a turn of the wheel in eighths of a degree, Ctrl held.
struct QtPress {
    Qt::Key key = Qt::Key_unknown;
    Qt::KeyboardModifiers modifiers;
    int wheelTurn = 0;
};

constexpr QtPress QtKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
    return {key, modifiers, 0};
}
constexpr QtPress CtrlWheelTurn(int eighths) {
    return {Qt::Key_unknown, Qt::ControlModifier, eighths};
}

struct ZoomRow {
    const char* name;
    std::vector<QtPress> presses;
    double zoom;
};

void PrintTo(const ZoomRow& row, std::ostream* out) { *out << row.name; }

std::vector<QtPress> Times(int count, QtPress press) { return std::vector<QtPress>(count, press); }

constexpr int kNotch = 120;

const ZoomRow kZoomRows[] = {
    {"CtrlPlus", {QtKey(Qt::Key_Plus, Qt::ControlModifier | Qt::ShiftModifier)}, 1.1},
    {"CtrlEquals", {QtKey(Qt::Key_Equal)}, 1.1},
    {"CtrlKeypadPlus", {QtKey(Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier)}, 1.1},
    {"CtrlPlusThrice", Times(3, QtKey(Qt::Key_Plus)), 1.5},
    {"CtrlMinus", {QtKey(Qt::Key_Minus)}, 0.9},
    {"CtrlKeypadMinus", {QtKey(Qt::Key_Minus, Qt::ControlModifier | Qt::KeypadModifier)}, 0.9},
    {"CtrlMinusThrice", Times(3, QtKey(Qt::Key_Minus)), 0.75},
    {"CtrlZeroAfterZoomingIn", {QtKey(Qt::Key_Plus), QtKey(Qt::Key_Plus), QtKey(Qt::Key_0)}, 1.0},
    {"CtrlZeroAfterZoomingOut", {QtKey(Qt::Key_Minus), QtKey(Qt::Key_0)}, 1.0},
    {"CtrlWheelUp", {CtrlWheelTurn(kNotch)}, 1.1},
    {"CtrlWheelDownTwice", {CtrlWheelTurn(-kNotch), CtrlWheelTurn(-kNotch)}, 0.8},
    // A touchpad turns by fractions of a notch: a step takes a whole one.
    {"CtrlWheelInHalves", Times(3, CtrlWheelTurn(kNotch / 2)), 1.1},
    {"StopsAtTheLargest", Times(20, QtKey(Qt::Key_Plus)), 5.0},
    {"StopsAtTheSmallest", Times(20, QtKey(Qt::Key_Minus)), 0.25},
};

// The zoom the keys' actions leave, from the default, as the engine steps it.
double ZoomAfter(const std::vector<BrowserKey>& keys) {
    double zoom = kDefaultZoom;
    for (const BrowserKey key : keys) {
        if (key == BrowserKey::ZoomIn) zoom = ZoomedIn(zoom);
        if (key == BrowserKey::ZoomOut) zoom = ZoomedOut(zoom);
        if (key == BrowserKey::ZoomReset) zoom = kDefaultZoom;
    }
    return zoom;
}

class ZoomKeysTest : public testing::TestWithParam<ZoomRow> {};

// What the panes' window hands the filter, without the engine: each row's presses and the zoom
// they step to; the real window's test below shows that a key gets there and zooms the panes.
TEST_P(ZoomKeysTest, StepTheZoomOfAllPanes) {
    QWindow window;
    std::vector<BrowserKey> acted;
    new BrowserKeys(window, [&](BrowserKey key) { acted.push_back(key); });
    for (const QtPress& press : GetParam().presses) {
        if (press.wheelTurn != 0) {
            QWheelEvent turn(QPointF(1, 1), QPointF(1, 1), QPoint(), QPoint(0, press.wheelTurn),
                             Qt::NoButton, press.modifiers, Qt::NoScrollPhase, false);
            QCoreApplication::sendEvent(&window, &turn);
        } else {
            QKeyEvent key(QEvent::KeyPress, press.key, press.modifiers);
            QCoreApplication::sendEvent(&window, &key);
        }
    }
    EXPECT_DOUBLE_EQ(ZoomAfter(acted), GetParam().zoom);
}

INSTANTIATE_TEST_SUITE_P(Keys, ZoomKeysTest, testing::ValuesIn(kZoomRows),
                         [](const testing::TestParamInfo<ZoomRow>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(BrowserKeysTest, ARealCtrlPlusZoomsAllPanesAndCtrlWheelDownZoomsOut) {
    ASSERT_TRUE(waitForZoom(kDefaultZoom)) << zoomsSeen();
    press(Key('+', Modifier::Control));
    EXPECT_TRUE(waitForZoom(1.1)) << zoomsSeen();
    press(CtrlWheel(false));
    press(CtrlWheel(false));
    EXPECT_TRUE(waitForZoom(0.9)) << zoomsSeen();
}

// F5 and Ctrl+R are told from the other keys in the key table below; here, on one window, each
// asks the wiki again for the shown page alone, whichever tab shows.
struct ReloadRow {
    const char* name;
    Press press;
    int tab;
};

const ReloadRow kReloadRows[] = {
    {"F5OnTheArticle", Key(kF5), 0},
    {"CtrlROnTheDiscussion", Key('r', Modifier::Control), 1},
    {"F5OnTheLog", Key(kF5), 2},
    {"F5OnTheCreatorsTalkPage", Key(kF5), 3},
};

TEST_F(BrowserKeysTest, ReloadKeysAskTheWikiForTheShownPageAgain) {
    for (const ReloadRow& row : kReloadRows) {
        SCOPED_TRACE(row.name);
        const int shown = row.tab;
        if (shown != window->tabby()->tabBar()->currentIndex()) {
            window->tabby()->tabBar()->setCurrentIndex(shown);
            ASSERT_NO_FATAL_FAILURE(clickIntoPage());
        }
        std::vector<std::size_t> before(static_cast<std::size_t>(PaneCount(*window)));
        for (int pane = 0; pane < PaneCount(*window); ++pane) {
            before.at(static_cast<std::size_t>(pane)) = RequestsFor(UrlOf(pane));
        }

        press(row.press);

        const std::size_t shownBefore = before.at(static_cast<std::size_t>(shown));
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return RequestsFor(UrlOf(shown)) == shownBefore + 1; }, kStepMs))
            << RequestsFor(UrlOf(shown)) - shownBefore << " requests";
        QTest::qWait(kSettleMs);
        for (int pane = 0; pane < PaneCount(*window); ++pane) {
            SCOPED_TRACE(pane);
            EXPECT_EQ(RequestsFor(UrlOf(pane)),
                      before.at(static_cast<std::size_t>(pane)) + (pane == shown ? 1 : 0));
        }
        // The page is back before the next key.
        ASSERT_NO_FATAL_FAILURE(waitForPage(shown));
    }
}

TEST_F(BrowserKeysTest, AltLeftAndAltRightGoBackAndForwardAtTheSameZoom) {
    const QUrl first = UrlOf(0);
    const QUrl second(QStringLiteral("https://en.wikipedia.org/wiki/Second_page"));
    press(Key('-', Modifier::Control));
    ASSERT_TRUE(waitForZoom(0.9)) << zoomsSeen();
    ASSERT_NO_FATAL_FAILURE(navigateArticle(second));

    press(Key(kLeft, Modifier::Alt));
    EXPECT_TRUE(QTest::qWaitFor([&] { return UrlOf(0) == first; }, kStepMs))
        << UrlOf(0).toString().toStdString();
    EXPECT_TRUE(waitForZoom(0.9)) << zoomsSeen();

    press(Key(kRight, Modifier::Alt));
    EXPECT_TRUE(QTest::qWaitFor([&] { return UrlOf(0) == second; }, kStepMs))
        << UrlOf(0).toString().toStdString();
    EXPECT_TRUE(waitForZoom(0.9)) << zoomsSeen();
}

struct KeptZoomRow {
    const char* name;
    // What the kept file holds; nothing for no file.
    std::optional<QByteArray> file;
    double zoom;
};

void PrintTo(const KeptZoomRow& row, std::ostream* out) { *out << row.name; }

const KeptZoomRow kKeptZoomRows[] = {
    {"AsTheKeysLeftIt", QByteArray("0.8\n"), 0.8},     {"FileRemoved", std::nullopt, 1.0},
    {"FileDamaged", QByteArray("\x01\xff zoom"), 1.0}, {"FileEmpty", QByteArray(""), 1.0},
    {"ZoomTooLarge", QByteArray("12\n"), 5.0},
};

class KeptZoomTest : public testing::TestWithParam<KeptZoomRow> {};

// The profile's folder as the engine reads it when a window starts; the real restart below.
TEST_P(KeptZoomTest, ANewWindowReadsTheKeptZoomOrTheDefault) {
    const QString folder = QDir::temp().filePath(QStringLiteral("kept-zoom-test"));
    ASSERT_TRUE(QDir(folder).removeRecursively());
    ASSERT_TRUE(QDir().mkpath(folder));
    if (GetParam().file) {
        QFile kept(QDir(folder).filePath(ToQString(kZoomFileName)));
        ASSERT_TRUE(kept.open(QIODevice::WriteOnly));
        kept.write(*GetParam().file);
    }
    EXPECT_DOUBLE_EQ(ReadZoom(folder), GetParam().zoom);
    QDir(folder).removeRecursively();
}

INSTANTIATE_TEST_SUITE_P(Restart, KeptZoomTest, testing::ValuesIn(kKeptZoomRows),
                         [](const testing::TestParamInfo<KeptZoomRow>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(BrowserKeysTest, ANewWindowOnTheSameProfileOpensItsPagesAtTheKeptZoom) {
    press(Key('-', Modifier::Control));
    press(Key('-', Modifier::Control));
    ASSERT_TRUE(waitForZoom(0.8)) << zoomsSeen();
    window.reset();
    ASSERT_TRUE(QFile::exists(zoomFile));
    EXPECT_DOUBLE_EQ(ReadZoom(QFileInfo(zoomFile).path()), 0.8);

    ASSERT_NO_FATAL_FAILURE(startWindow());
    EXPECT_TRUE(waitForZoom(0.8)) << zoomsSeen();
}

struct BoxKeyRow {
    const char* name;
    Press press;
};

// Each browser key, and Ctrl+wheel with the pointer on the box.
const BoxKeyRow kBoxKeyRows[] = {
    {"CtrlPlus", Key('+', Modifier::Control)},
    {"CtrlEquals", Key('=', Modifier::Control)},
    {"CtrlMinus", Key('-', Modifier::Control)},
    {"CtrlZero", Key('0', Modifier::Control)},
    {"CtrlWheelUp", CtrlWheel(true)},
    {"CtrlWheelDown", CtrlWheel(false)},
    {"F5", Key(kF5)},
    {"CtrlR", Key('r', Modifier::Control)},
    {"AltLeft", Key(kLeft, Modifier::Alt)},
    {"AltRight", Key(kRight, Modifier::Alt)},
};

TEST_F(BrowserKeysTest, InATextBoxTheKeysLeaveTheBoxAndThePagesAlone) {
    // Somewhere to go both back and forward to, at a zoom that every zoom key would change.
    const QUrl first = UrlOf(0);
    press(Key('+', Modifier::Control));
    ASSERT_TRUE(waitForZoom(1.1)) << zoomsSeen();
    ASSERT_NO_FATAL_FAILURE(
        navigateArticle(QUrl(QStringLiteral("https://en.wikipedia.org/wiki/Second_page"))));
    QMetaObject::invokeMethod(Pane(0), "goBack");
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return UrlOf(0) == first && !Pane(0)->property("loading").toBool(); }, kStepMs));
    ASSERT_TRUE(waitForZoom(1.1)) << zoomsSeen();

    QLineEdit* text1 = window->box(Box::Text1);
    click(text1->mapToGlobal(QPoint(text1->width() - 4, text1->height() / 2)));
    ASSERT_TRUE(QTest::qWaitFor([&] { return text1->hasFocus(); }, kStepMs));
    const QString text = text1->text();
    std::vector<std::size_t> before(static_cast<std::size_t>(PaneCount(*window)));
    for (int pane = 0; pane < PaneCount(*window); ++pane)
        before.at(static_cast<std::size_t>(pane)) = RequestsFor(UrlOf(pane));

    for (const BoxKeyRow& row : kBoxKeyRows) {
        SCOPED_TRACE(row.name);
        press(row.press);
        QTest::qWait(kSettleMs);
        EXPECT_EQ(text1->text(), text);
        EXPECT_TRUE(text1->hasFocus());
        EXPECT_EQ(UrlOf(0), first);
        for (int pane = 0; pane < PaneCount(*window); ++pane) {
            SCOPED_TRACE(pane);
            EXPECT_DOUBLE_EQ(ZoomFactor(pane), 1.1);
            EXPECT_EQ(RequestsFor(UrlOf(pane)), before.at(static_cast<std::size_t>(pane)));
        }
    }
}

struct KeyRow {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    std::optional<BrowserKey> browserKey;
};

void PrintTo(const KeyRow& row, std::ostream* out) { *out << row.name; }

// The keys as Qt reports them, the layouts' variants among them; F8 belongs to the window.
const KeyRow kKeyRows[] = {
    {"CtrlPlus", Qt::Key_Plus, Qt::ControlModifier | Qt::ShiftModifier, BrowserKey::ZoomIn},
    {"CtrlPlusUnshifted", Qt::Key_Plus, Qt::ControlModifier, BrowserKey::ZoomIn},
    {"CtrlEquals", Qt::Key_Equal, Qt::ControlModifier, BrowserKey::ZoomIn},
    {"CtrlKeypadPlus", Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier, BrowserKey::ZoomIn},
    {"CtrlMinus", Qt::Key_Minus, Qt::ControlModifier, BrowserKey::ZoomOut},
    {"CtrlUnderscore", Qt::Key_Underscore, Qt::ControlModifier | Qt::ShiftModifier,
     BrowserKey::ZoomOut},
    {"CtrlZero", Qt::Key_0, Qt::ControlModifier, BrowserKey::ZoomReset},
    {"CtrlKeypadZero", Qt::Key_0, Qt::ControlModifier | Qt::KeypadModifier, BrowserKey::ZoomReset},
    {"F5", Qt::Key_F5, Qt::NoModifier, BrowserKey::Reload},
    {"CtrlR", Qt::Key_R, Qt::ControlModifier, BrowserKey::Reload},
    {"AltLeft", Qt::Key_Left, Qt::AltModifier, BrowserKey::Back},
    {"AltKeypadLeft", Qt::Key_Left, Qt::AltModifier | Qt::KeypadModifier, BrowserKey::Back},
    {"AltRight", Qt::Key_Right, Qt::AltModifier, BrowserKey::Forward},
    {"Plus", Qt::Key_Plus, Qt::ShiftModifier, std::nullopt},
    {"Minus", Qt::Key_Minus, Qt::NoModifier, std::nullopt},
    {"Zero", Qt::Key_0, Qt::NoModifier, std::nullopt},
    {"CtrlShiftZero", Qt::Key_0, Qt::ControlModifier | Qt::ShiftModifier, std::nullopt},
    {"AltPlus", Qt::Key_Plus, Qt::AltModifier, std::nullopt},
    {"R", Qt::Key_R, Qt::NoModifier, std::nullopt},
    {"CtrlAltR", Qt::Key_R, Qt::ControlModifier | Qt::AltModifier, std::nullopt},
    {"CtrlF5", Qt::Key_F5, Qt::ControlModifier, std::nullopt},
    {"F8", Qt::Key_F8, Qt::NoModifier, std::nullopt},
    {"Left", Qt::Key_Left, Qt::NoModifier, std::nullopt},
    {"CtrlLeft", Qt::Key_Left, Qt::ControlModifier, std::nullopt},
    {"ShiftAltRight", Qt::Key_Right, Qt::AltModifier | Qt::ShiftModifier, std::nullopt},
    {"CtrlA", Qt::Key_A, Qt::ControlModifier, std::nullopt},
};

class BrowserKeyOfTest : public testing::TestWithParam<KeyRow> {};

TEST_P(BrowserKeyOfTest, TellsTheBrowserKeysFromTheOthers) {
    const QKeyEvent event(QEvent::KeyPress, GetParam().key, GetParam().modifiers);
    EXPECT_EQ(BrowserKeyOf(event), GetParam().browserKey);
}

INSTANTIATE_TEST_SUITE_P(Keys, BrowserKeyOfTest, testing::ValuesIn(kKeyRows),
                         [](const testing::TestParamInfo<KeyRow>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
}  // namespace nominator
