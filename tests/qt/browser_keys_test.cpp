// The keys a browser user expects, pressed with real X input on the panes' pages, which come
// from a loopback stand-in for the wiki: zoom for all the panes, kept across runs with the
// profile; reload and history on the visible pane; and nothing at all from a text box.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
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
#include "tests/qt/quick_panes.h"
#include "tests/qt/stand_in_wiki.h"
#include "tests/support/x_input.h"
#include "window/qt/form1_window.h"
#include "window/qt/tab_container.h"
#include "window/qt/utf8.h"

namespace nominator {
namespace {

using support::ArrivedRequest;
using support::XInput;
using Modifier = support::XInput::Modifier;

constexpr int kGiveUpMs = 60000;
constexpr int kStepMs = 5000;
// Long enough for a reload or a navigation that should not happen to reach the stand-in.
constexpr int kSettleMs = 700;

constexpr std::uint32_t kF5 = 0xffc2;
constexpr std::uint32_t kLeft = 0xff51;
constexpr std::uint32_t kRight = 0xff53;
constexpr std::uint32_t kKeypadPlus = 0xffab;
constexpr std::uint32_t kKeypadMinus = 0xffad;

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
        ASSERT_TRUE(QTest::qWaitFor([] { return Pane(0) != nullptr; }, kGiveUpMs));
        window->command1()->click();
        window->navigate(Pane::Browser4, kCreatorsTalkPage);
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
            kGiveUpMs))
            << "pane " << pane << " at " << UrlOf(pane).toString().toStdString();
    }

    // Opens the address in the article's pane as a nomination does, until its page has come.
    void navigateArticle(const QUrl& address) {
        const std::size_t before = RequestsFor(address);
        window->navigate(Pane::Browser, address.toString().toStdString());
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                return RequestsFor(address) > before && UrlOf(0) == address &&
                       !Pane(0)->property("loading").toBool();
            },
            kGiveUpMs));
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

struct ZoomRow {
    const char* name;
    std::vector<Press> presses;
    double zoom;
};

void PrintTo(const ZoomRow& row, std::ostream* out) { *out << row.name; }

std::vector<Press> Times(int count, Press press) { return std::vector<Press>(count, press); }

const ZoomRow kZoomRows[] = {
    {"CtrlPlus", {Key('+', Modifier::Control)}, 1.1},
    {"CtrlEquals", {Key('=', Modifier::Control)}, 1.1},
    {"CtrlKeypadPlus", {Key(kKeypadPlus, Modifier::Control)}, 1.1},
    {"CtrlPlusThrice", Times(3, Key('+', Modifier::Control)), 1.5},
    {"CtrlMinus", {Key('-', Modifier::Control)}, 0.9},
    {"CtrlKeypadMinus", {Key(kKeypadMinus, Modifier::Control)}, 0.9},
    {"CtrlMinusThrice", Times(3, Key('-', Modifier::Control)), 0.75},
    {"CtrlZeroAfterZoomingIn",
     {Key('+', Modifier::Control), Key('+', Modifier::Control), Key('0', Modifier::Control)},
     1.0},
    {"CtrlZeroAfterZoomingOut", {Key('-', Modifier::Control), Key('0', Modifier::Control)}, 1.0},
    {"CtrlWheelUp", {CtrlWheel(true)}, 1.1},
    {"CtrlWheelDownTwice", {CtrlWheel(false), CtrlWheel(false)}, 0.8},
    {"StopsAtTheLargest", Times(20, Key('+', Modifier::Control)), 5.0},
    {"StopsAtTheSmallest", Times(20, Key('-', Modifier::Control)), 0.25},
};

class ZoomKeysTest : public BrowserKeysTest, public testing::WithParamInterface<ZoomRow> {};

TEST_P(ZoomKeysTest, ZoomAllPanes) {
    ASSERT_TRUE(waitForZoom(kDefaultZoom)) << zoomsSeen();
    for (const Press& each : GetParam().presses) press(each);
    EXPECT_TRUE(waitForZoom(GetParam().zoom)) << zoomsSeen();
}

INSTANTIATE_TEST_SUITE_P(Keys, ZoomKeysTest, testing::ValuesIn(kZoomRows),
                         [](const testing::TestParamInfo<ZoomRow>& info) {
                             return std::string(info.param.name);
                         });

struct ReloadRow {
    const char* name;
    Press press;
    // The tab shown: the key reloads its pane alone.
    int tab;
};

void PrintTo(const ReloadRow& row, std::ostream* out) { *out << row.name; }

const ReloadRow kReloadRows[] = {
    {"F5OnTheArticle", Key(kF5), 0},
    {"CtrlROnTheArticle", Key('r', Modifier::Control), 0},
    {"F5OnTheLog", Key(kF5), 2},
    {"CtrlROnTheDiscussion", Key('r', Modifier::Control), 1},
    {"F5OnTheCreatorsTalkPage", Key(kF5), 3},
};

class ReloadKeysTest : public BrowserKeysTest, public testing::WithParamInterface<ReloadRow> {};

TEST_P(ReloadKeysTest, AskTheWikiForTheShownPageAgain) {
    const int shown = GetParam().tab;
    if (shown != 0) {
        window->tabby()->tabBar()->setCurrentIndex(shown);
        ASSERT_NO_FATAL_FAILURE(clickIntoPage());
    }
    std::vector<std::size_t> before(static_cast<std::size_t>(PaneCount(*window)));
    for (int pane = 0; pane < PaneCount(*window); ++pane)
        before.at(static_cast<std::size_t>(pane)) = RequestsFor(UrlOf(pane));

    press(GetParam().press);

    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return RequestsFor(UrlOf(shown)) == before.at(static_cast<std::size_t>(shown)) + 1; },
        kStepMs))
        << RequestsFor(UrlOf(shown)) - before.at(static_cast<std::size_t>(shown)) << " requests";
    QTest::qWait(kSettleMs);
    for (int pane = 0; pane < PaneCount(*window); ++pane) {
        SCOPED_TRACE(pane);
        EXPECT_EQ(RequestsFor(UrlOf(pane)),
                  before.at(static_cast<std::size_t>(pane)) + (pane == shown ? 1 : 0));
    }
}

INSTANTIATE_TEST_SUITE_P(Keys, ReloadKeysTest, testing::ValuesIn(kReloadRows),
                         [](const testing::TestParamInfo<ReloadRow>& info) {
                             return std::string(info.param.name);
                         });

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
    // What happens to the kept zoom between the two runs.
    std::function<void(const QString& file)> meanwhile;
    double zoom;
};

void PrintTo(const KeptZoomRow& row, std::ostream* out) { *out << row.name; }

void Replace(const QString& file, const QByteArray& text) {
    QFile replaced(file);
    ASSERT_TRUE(replaced.open(QIODevice::WriteOnly | QIODevice::Truncate));
    replaced.write(text);
}

const KeptZoomRow kKeptZoomRows[] = {
    {"AsTheKeysLeftIt", [](const QString&) {}, 0.8},
    {"FileRemoved", [](const QString& file) { ASSERT_TRUE(QFile::remove(file)); }, 1.0},
    {"FileDamaged", [](const QString& file) { Replace(file, "\x01\xff zoom"); }, 1.0},
    {"FileEmpty", [](const QString& file) { Replace(file, ""); }, 1.0},
    {"ZoomTooLarge", [](const QString& file) { Replace(file, "12\n"); }, 5.0},
};

class KeptZoomTest : public BrowserKeysTest, public testing::WithParamInterface<KeptZoomRow> {};

TEST_P(KeptZoomTest, ANewWindowOnTheSameProfileOpensItsPagesAtTheKeptZoom) {
    press(Key('-', Modifier::Control));
    press(Key('-', Modifier::Control));
    ASSERT_TRUE(waitForZoom(0.8)) << zoomsSeen();
    window.reset();
    ASSERT_TRUE(QFile::exists(zoomFile));

    ASSERT_NO_FATAL_FAILURE(GetParam().meanwhile(zoomFile));
    ASSERT_NO_FATAL_FAILURE(startWindow());
    EXPECT_TRUE(waitForZoom(GetParam().zoom)) << zoomsSeen();
}

INSTANTIATE_TEST_SUITE_P(Restart, KeptZoomTest, testing::ValuesIn(kKeptZoomRows),
                         [](const testing::TestParamInfo<KeptZoomRow>& info) {
                             return std::string(info.param.name);
                         });

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
