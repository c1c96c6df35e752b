// What a page asks of its user reaches the user, as in a browser's tab: the question before a
// page with unsaved changes is left, alert, confirm and prompt, a file and a colour chooser, a
// site's sign-in, and the context menu. Real window, real engine, real X input, pages of the
// loopback stand-in for the wiki. Each page reports what happened in it by asking the
// stand-in for "/report/KIND?VALUE".
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTabBar>
#include <QTest>
#include <QUrlQuery>
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/wiki_addresses.h"
#include "tests/qt/event_loop_wait.h"
#include "tests/qt/page_script.h"
#include "tests/qt/quick_panes.h"
#include "tests/qt/stand_in_wiki.h"
#include "tests/qt/window_under_input.h"
#include "tests/support/gui_test_constants.h"
#include "tests/support/x_input.h"
#include "window/qt/clickable_label.h"
#include "window/qt/form1_window.h"
#include "window/qt/tab_container.h"
#include "window/qt/utf8.h"

namespace nominator {
namespace {

using namespace support::keysym;

using namespace std::chrono_literals;
using support::ArrivedRequest;
using support::StubAnswer;
using support::XInput;
using testing::HasSubstr;
using testing::StartsWith;

constexpr int kFocusMs = 5000;
constexpr std::uint32_t kLetterA = 0x61;
constexpr std::uint32_t kLetterL = 0x6c;
// A file the file chooser picks, typed into its name field.
constexpr char kChosenFile[] = "/tmp/afd-page-questions/chosen.txt";

// An editor as the wiki's: a text area at the page's top left that asks before the page is left
// once it holds text, and reports each change and when it takes the keys.
constexpr char kEditorPage[] = R"html(<!DOCTYPE html><title>Editing TITLE</title>
<body style="margin:0">
<textarea id="text" style="position:absolute;left:0;top:0;width:300px;height:60px"></textarea>
<button id="alert" style="position:absolute;left:0;top:80px;width:90px;height:40px"
 onclick="alert('Hello from the page'); report('alert', 'closed')">alert</button>
<button id="confirm" style="position:absolute;left:100px;top:80px;width:90px;height:40px"
 onclick="report('confirm', confirm('Really?'))">confirm</button>
<button id="prompt" style="position:absolute;left:200px;top:80px;width:90px;height:40px"
 onclick="report('prompt', prompt('Your name?', 'nobody'))">prompt</button>
<input id="file" type="file" style="position:absolute;left:0;top:130px;width:200px;height:30px"
 onchange="report('file', this.files[0].name)">
<input id="colour" type="color" value="#336699"
 style="position:absolute;left:210px;top:130px;width:80px;height:30px"
 onchange="report('colour', this.value)">
<script>
function report(kind, value) {
  new Image().src = '/report/' + kind + '?' + encodeURIComponent(String(value));
}
const text = document.getElementById('text');
text.addEventListener('input', () => report('typed', text.value));
text.addEventListener('focus', () => report('focused', ''));
addEventListener('beforeunload', event => {
  if (text.value) { event.preventDefault(); event.returnValue = ''; }
});
</script>)html";

// What the pages reported of this kind so far, oldest first.
std::vector<std::string> Reports(std::string_view kind) {
    const std::string prefix = "/report/" + std::string(kind) + "?";
    std::vector<std::string> values;
    for (const ArrivedRequest& request : StandInWiki().requests()) {
        if (request.target.starts_with(prefix)) {
            values.push_back(QUrl::fromPercentEncoding(
                                 QByteArray::fromStdString(request.target.substr(prefix.size())))
                                 .toStdString());
        }
    }
    return values;
}

std::size_t RequestsFor(std::string_view target) {
    std::size_t count = 0;
    for (const ArrivedRequest& request : StandInWiki().requests()) {
        if (request.target == target) ++count;
    }
    return count;
}

// The request a pane makes for an address of the wiki.
std::string Target(const std::string& address) { return address.substr(WikiBase.size()); }

std::string ArticleEditor(std::string_view title) { return Target(ArticleEditUrl(title)); }

const std::string kTodaysLog = Target(LogEditUrl("2026_March_7"));
const std::string kTomorrowsLog = Target(LogEditUrl("2026_March_8"));

class PageQuestionsTest : public WindowUnderInputTest {
protected:
    static void SetUpTestSuite() {
        std::filesystem::create_directories(std::filesystem::path(kChosenFile).parent_path());
        std::ofstream(kChosenFile) << "chosen\n";
        StandInWiki().answer("/w/index.php", [](const ArrivedRequest& request) {
            StubAnswer answer;
            answer.body = kEditorPage;
            // Named as the wiki names its editor: by the title it edits.
            const QUrlQuery query(QUrl(QString::fromStdString("https://wiki" + request.target)));
            answer.body.replace(answer.body.find("TITLE"), 5,
                                query.queryItemValue(QStringLiteral("title"), QUrl::FullyDecoded)
                                    .toHtmlEscaped()
                                    .toStdString());
            return answer;
        });
    }

    // Types the title into Text1 and clicks AFD, with real input; waits until the article's
    // editor for it has been asked for, unless a page is expected to ask first.
    void nominate(std::string_view title, bool waitForEditor = true) {
        clickOn(window.box(Box::Text1));
        ASSERT_TRUE(WaitInEventLoop(
            [&] {
                return window.box(Box::Text1)->hasFocus() &&
                       QGuiApplication::focusWindow() == window.windowHandle();
            },
            kGiveUpMs))
            << "the click on Text1 did not take the keys back from the page";
        input.key(kLetterA, XInput::Modifier::Control);
        input.type(title);
        input.sync();
        const std::size_t before = RequestsFor(ArticleEditor(title));
        clickOn(window.command1());
        if (waitForEditor) {
            ASSERT_TRUE(WaitInEventLoop(
                [&] { return RequestsFor(ArticleEditor(title)) > before && editorLoaded(title); },
                kGiveUpMs))
                << "the article's editor for " << title << " did not load";
        }
    }

    // The editor for the title has loaded in the tab's pane.
    static bool editorLoaded(std::string_view title, int tab = 0) {
        QQuickItem* pane = PaneOnTab(tab);
        return pane != nullptr && !pane->property("loading").toBool() &&
               pane->property("loadProgress").toInt() == 100 &&
               ToUtf8(pane->property("title").toString()) == "Editing " + std::string(title);
    }

    // A point of the shown page, in the page's own pixels.
    void clickPage(QPoint at) { click(PanesWindow()->mapToGlobal(at)); }

    // Types into the shown page's text area until the page has reported the text.
    // Clicks into the page's text area until the page itself says that it has the keys, which
    // travel on from the panes' window to the page after the click. Under Xvfb, with no window
    // manager, a click into the panes' window now and then leaves the keys where they were; a
    // second click, as a user's would, gives them to the page.
    void givePageTheKeys() {
        const std::size_t focused = Reports("focused").size();
        bool hasTheKeys = false;
        for (int click = 0; click < 3 && !hasTheKeys; ++click) {
            clickPage({50, 30});
            hasTheKeys = WaitInEventLoop(
                [&] {
                    return Reports("focused").size() > focused &&
                           QGuiApplication::focusWindow() == PanesWindow();
                },
                kFocusMs);
        }
        ASSERT_TRUE(hasTheKeys) << "no click gave the page's text area the keys";
    }

    void typeIntoPage(std::string_view text) {
        givePageTheKeys();
        if (HasFatalFailure()) return;
        input.type(text);
        input.sync();
        ASSERT_TRUE(WaitInEventLoop(
            [&] {
                // Each report travels on its own: they may arrive in any order.
                const std::vector<std::string> typed = Reports("typed");
                return std::find(typed.begin(), typed.end(), text) != typed.end();
            },
            kGiveUpMs))
            << "the page never saw the typing";
    }
};

TEST_F(PageQuestionsTest, APageWithoutChangesIsLeftWithoutAQuestion) {
    nominate("Quiet");
    nominate("Quieter");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_THAT(ToUtf8(FindPane("Browser")->property("url").toUrl().toString()),
                HasSubstr("Quieter"));
    EXPECT_THAT(ToUtf8(window.status()->text()), testing::Not(HasSubstr("still shows")));
}

struct LeaveRow {
    const char* name;
    // Leave with Alt+L; otherwise Stay with Enter, the default answer.
    bool leave;
};

void PrintTo(const LeaveRow& row, std::ostream* out) { *out << row.name; }

class LeaveQuestionTest : public PageQuestionsTest, public testing::WithParamInterface<LeaveRow> {};

TEST_P(LeaveQuestionTest, ANominationAsksBeforeItLeavesAnEditedArticle) {
    nominate("AT&T");
    typeIntoPage("kept");
    nominate("C++", false);
    QMessageBox* question = openQuestion();
    ASSERT_NE(question, nullptr) << "no question before the edited page was left";
    EXPECT_THAT(ToUtf8(question->text()), HasSubstr("Tab 0 (Article editor)"));
    EXPECT_THAT(ToUtf8(question->text()), HasSubstr("AT&T"));
    EXPECT_EQ(ToUtf8(question->accessibleName()), "Leave this page?");

    const std::size_t before = RequestsFor(ArticleEditor("C++"));
    input.key(GetParam().leave ? kLetterL : kReturn,
              GetParam().leave ? XInput::Modifier::Alt : XInput::Modifier::None);
    input.sync();
    ASSERT_TRUE(
        WaitInEventLoop([] { return QApplication::activeModalWidget() == nullptr; }, kGiveUpMs));
    if (GetParam().leave) {
        EXPECT_TRUE(WaitInEventLoop(
            [&] { return RequestsFor(ArticleEditor("C++")) > before && editorLoaded("C++"); },
            kGiveUpMs));
        EXPECT_THAT(ToUtf8(window.status()->text()), testing::Not(HasSubstr("still shows")));
        return;
    }
    ASSERT_TRUE(WaitInEventLoop(
        [&] { return window.status()->text().startsWith(QStringLiteral("Tab 0 still shows")); },
        kGiveUpMs))
        << ToUtf8(window.status()->text());
    EXPECT_THAT(ToUtf8(window.status()->text()), HasSubstr("AT&T"));
    EXPECT_THAT(ToUtf8(FindPane("Browser")->property("url").toUrl().toString()),
                HasSubstr("AT%26T"));
    EXPECT_EQ(RequestsFor(ArticleEditor("C++")), before);

    // The page kept its text: a later nomination asks again, and leaving clears the warning.
    // A round trip to the page first: the engine has then had the page's answer to the first
    // question, and a new navigation meets a page that is no longer being asked. Without the
    // question, whether the pane went on to the next editor tells a page lost unasked from a
    // click that never reached AFD.
    ASSERT_EQ(RunInPage(*FindPane("Browser"), QStringLiteral("document.readyState")),
              QVariant(QStringLiteral("complete")));
    nominate("C++", false);
    question = openQuestion();
    ASSERT_NE(question, nullptr) << "no second question; "
                                 << (RequestsFor(ArticleEditor("C++")) > before
                                         ? "the pane left the edited page unasked"
                                         : "the pane never set out for the next editor")
                                 << "\n"
                                 << ToUtf8(window.status()->text());
    input.key(kLetterL, XInput::Modifier::Alt);
    input.sync();
    EXPECT_TRUE(WaitInEventLoop(
        [&] { return !window.status()->text().contains(QStringLiteral("still shows")); },
        kGiveUpMs))
        << ToUtf8(window.status()->text());
}

const LeaveRow kLeaveRows[] = {{"Leave", true}, {"Stay", false}};

INSTANTIATE_TEST_SUITE_P(Answers, LeaveQuestionTest, testing::ValuesIn(kLeaveRows),
                         [](const testing::TestParamInfo<LeaveRow>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(PageQuestionsTest, NextDayAsksBeforeItLeavesAnEditedLog) {
    nominate("Logged");
    showTab(2);
    ASSERT_TRUE(WaitInEventLoop(
        [] { return editorLoaded("Wikipedia:Articles_for_deletion/Log/2026_March_7", 2); },
        kGiveUpMs));
    typeIntoPage("listed");
    const std::size_t before = RequestsFor(kTomorrowsLog);
    input.key(kF8);
    input.sync();
    QMessageBox* question = openQuestion();
    ASSERT_NE(question, nullptr) << "no question before the edited log was left";
    EXPECT_THAT(ToUtf8(question->text()), HasSubstr("Tab 2 (Day's log editor)"));
    input.key(kEscape);
    input.sync();
    ASSERT_TRUE(WaitInEventLoop(
        [&] { return window.status()->text().startsWith(QStringLiteral("Tab 2 still shows")); },
        kGiveUpMs))
        << ToUtf8(window.status()->text());
    EXPECT_EQ(RequestsFor(kTomorrowsLog), before);
    EXPECT_THAT(ToUtf8(FindPane("Browser3")->property("url").toUrl().toString()),
                HasSubstr("2026_March_7"));
    EXPECT_GE(RequestsFor(kTodaysLog), 1u);
}

// The creator's talk page is opened by the window as the others are, once a nomination's notice
// is due.
TEST_F(PageQuestionsTest, AnotherAddressAsksBeforeItLeavesAnEditedTalkPage) {
    const std::string talkPage = ArticleEditUrl("User_talk:Creator");
    const std::string otherPage = ArticleEditUrl("User_talk:Other");
    nominate("Noticed");
    window.navigate(PaneOfKind(EditKind::CreatorNotice), talkPage);
    ASSERT_NO_FATAL_FAILURE(showTab(3));
    ASSERT_TRUE(WaitInEventLoop([] { return editorLoaded("User_talk:Creator", 3); }, kGiveUpMs));
    typeIntoPage("notice");
    const std::size_t before = RequestsFor(Target(otherPage));
    window.navigate(PaneOfKind(EditKind::CreatorNotice), otherPage);
    QMessageBox* question = openQuestion();
    ASSERT_NE(question, nullptr) << "no question before the edited talk page was left";
    EXPECT_THAT(ToUtf8(question->text()), HasSubstr("Tab 3 (Creator's talk page)"));
    input.key(kEscape);
    input.sync();
    ASSERT_TRUE(
        WaitInEventLoop([] { return QApplication::activeModalWidget() == nullptr; }, kGiveUpMs));
    EXPECT_THAT(ToUtf8(FindPane("Browser4")->property("url").toUrl().toString()),
                HasSubstr("Creator"));
    EXPECT_EQ(RequestsFor(Target(otherPage)), before);
}

struct DialogRow {
    const char* name;
    QPoint button;  // in the page
    std::string_view kind;
    // What the user does in the dialog, with real keys.
    void (*answer)(XInput& input);
    // Checks the dialog as it shows.
    void (*check)(QWidget& dialog);
    const char* reported;
};

void PrintTo(const DialogRow& row, std::ostream* out) { *out << row.name; }

void PressReturn(XInput& input) { input.key(kReturn); }
void PressEscape(XInput& input) { input.key(kEscape); }

const DialogRow kDialogs[] = {
    {"Alert",
     {45, 100},
     "alert",
     PressReturn,
     [](QWidget& dialog) {
         auto* box = qobject_cast<QMessageBox*>(&dialog);
         ASSERT_NE(box, nullptr);
         EXPECT_EQ(ToUtf8(box->text()), "Hello from the page");
         EXPECT_EQ(ToUtf8(box->accessibleName()), "en.wikipedia.org says");
     },
     "closed"},
    {"ConfirmOk",
     {145, 100},
     "confirm",
     PressReturn,
     [](QWidget& dialog) {
         auto* box = qobject_cast<QMessageBox*>(&dialog);
         ASSERT_NE(box, nullptr);
         EXPECT_EQ(ToUtf8(box->text()), "Really?");
     },
     "true"},
    {"ConfirmCancelledByEscape", {145, 100}, "confirm", PressEscape, [](QWidget&) {}, "false"},
    {"PromptAnswered",
     {245, 100},
     "prompt",
     [](XInput& input) {
         input.key(kLetterA, XInput::Modifier::Control);
         input.type("Zed & co");
         input.key(kReturn);
     },
     [](QWidget& dialog) {
         auto* prompt = qobject_cast<QInputDialog*>(&dialog);
         ASSERT_NE(prompt, nullptr);
         EXPECT_EQ(ToUtf8(prompt->labelText()), "Your name?");
         EXPECT_EQ(ToUtf8(prompt->textValue()), "nobody");
     },
     "Zed & co"},
    {"PromptCancelledByEscape", {245, 100}, "prompt", PressEscape, [](QWidget&) {}, "null"},
    {"FileChosen",
     {100, 145},
     "file",
     [](XInput& input) {
         input.type(kChosenFile);
         input.key(kReturn);
     },
     [](QWidget& dialog) { EXPECT_NE(qobject_cast<QFileDialog*>(&dialog), nullptr); },
     "chosen.txt"},
    {"ColourChosen",
     {250, 145},
     "colour",
     [](XInput& input) {
         // The colour dialog's red field, after its picker and its hue, saturation and value.
         for (int i = 0; i < 7; ++i) input.key(kTab);
         input.key(kLetterA, XInput::Modifier::Control);
         input.type("255");
         input.key(kReturn);
     },
     [](QWidget& dialog) {
         auto* colours = qobject_cast<QColorDialog*>(&dialog);
         ASSERT_NE(colours, nullptr);
         EXPECT_EQ(colours->currentColor(), QColor(0x33, 0x66, 0x99));
     },
     "#ff6699"},
};

class PageDialogTest : public PageQuestionsTest, public testing::WithParamInterface<DialogRow> {};

TEST_P(PageDialogTest, TheUsersAnswerReachesThePage) {
    const DialogRow& row = GetParam();
    nominate("Dialogs");
    // The page has the keys first, so that the click on its button is not the one that hands
    // them over.
    givePageTheKeys();
    const std::size_t before = Reports(row.kind).size();
    clickPage(row.button);
    QWidget* dialog = nullptr;
    ASSERT_TRUE(WaitInEventLoop(
        [&] {
            dialog = QApplication::activeModalWidget();
            return dialog != nullptr && dialog->isVisible() && dialog->isActiveWindow();
        },
        kGiveUpMs))
        << "no dialog showed";
    row.check(*dialog);
    // Drawn over the window, not inside the pane.
    EXPECT_TRUE(dialog->isWindow());
    row.answer(input);
    input.sync();
    ASSERT_TRUE(WaitInEventLoop([&] { return Reports(row.kind).size() > before; }, kGiveUpMs))
        << "the page got no answer";
    EXPECT_EQ(Reports(row.kind).back(), row.reported);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Dialogs, PageDialogTest, testing::ValuesIn(kDialogs),
                         [](const testing::TestParamInfo<DialogRow>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(PageQuestionsTest, ASitesSignInAsksForAUserNameAndPassword) {
    StandInWiki().answer("/w/index.php?title=Staff", [](const ArrivedRequest& request) {
        StubAnswer answer;
        if (HeaderOf(request, "Authorization").empty()) {
            answer.status = 401;
            answer.extraHeaders = "WWW-Authenticate: Basic realm=\"Wiki staff\"\r\n";
        }
        answer.body = "<!DOCTYPE html><title>Editing Staff</title>";
        return answer;
    });
    nominate("Staff", false);
    QWidget* dialog = nullptr;
    ASSERT_TRUE(WaitInEventLoop(
        [&] {
            dialog = QApplication::activeModalWidget();
            return dialog != nullptr && dialog->isVisible() && dialog->isActiveWindow();
        },
        kGiveUpMs))
        << "no sign-in dialog";
    EXPECT_EQ(ToUtf8(dialog->accessibleName()), "Sign in to en.wikipedia.org");
    input.type("Editor");
    input.key(kTab);
    input.type("secret");
    input.key(kReturn);
    input.sync();
    // "Editor:secret", as HTTP's basic sign-in sends it.
    EXPECT_TRUE(WaitInEventLoop(
        [] {
            for (const ArrivedRequest& request : StandInWiki().requests()) {
                if (HeaderOf(request, "Authorization") == "Basic RWRpdG9yOnNlY3JldA==") return true;
            }
            return false;
        },
        kGiveUpMs))
        << "the user name and password never reached the site";
}

// The article's pane, and the fourth pane as the window opens it once a notice is due.
class ContextMenuTest : public PageQuestionsTest, public testing::WithParamInterface<int> {};

TEST_P(ContextMenuTest, TheContextMenuPastesTheClipboardIntoThePage) {
    nominate("Menu");
    if (const int tab = GetParam(); tab != 0) {
        window.navigate(static_cast<Pane>(tab), ArticleEditUrl("User_talk:Menu"));
        ASSERT_NO_FATAL_FAILURE(showTab(tab));
        ASSERT_TRUE(
            WaitInEventLoop([&] { return editorLoaded("User_talk:Menu", tab); }, kGiveUpMs));
    }
    QGuiApplication::clipboard()->setText(QStringLiteral("from the clipboard"));
    const QPoint at = PanesWindow()->mapToGlobal(QPoint(50, 30));
    input.moveTo(at.x(), at.y());
    input.clickRight();
    input.sync();
    QMenu* menu = nullptr;
    ASSERT_TRUE(WaitInEventLoop(
        [&] {
            menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            return menu != nullptr && menu->isVisible();
        },
        kGiveUpMs))
        << "no context menu";
    EXPECT_EQ(ToUtf8(menu->accessibleName()), "Page menu");
    std::vector<std::string> items;
    QAction* paste = nullptr;
    for (QAction* action : menu->actions()) {
        if (action->isSeparator()) continue;
        items.push_back(ToUtf8(action->text()));
        if (action->text() == QStringLiteral("&Paste")) paste = action;
    }
    EXPECT_THAT(items, testing::IsSupersetOf({"&Back", "&Forward", "&Reload", "Cu&t", "&Copy",
                                              "&Paste", "Select &all"}));
    ASSERT_NE(paste, nullptr);
    ASSERT_TRUE(paste->isEnabled());
    click(menu->mapToGlobal(menu->actionGeometry(paste).center()));
    ASSERT_TRUE(WaitInEventLoop(
        [] {
            const std::vector<std::string> typed = Reports("typed");
            return std::find(typed.begin(), typed.end(), "from the clipboard") != typed.end();
        },
        kGiveUpMs))
        << "the clipboard's text never reached the page";
}

INSTANTIATE_TEST_SUITE_P(Tabs, ContextMenuTest, testing::Values(0, 3),
                         [](const testing::TestParamInfo<int>& info) {
                             return "Tab" + std::to_string(info.param);
                         });

}  // namespace
}  // namespace nominator
