// The panes show only the wiki's own pages, as the local MediaWiki serves them. A link to
// another site, clicked with real X input, opens in the user's browser (here a stand-in that
// records what it is handed) and the pane stays where it was; a link that asks for a window of
// its own does too, whatever its address; a link within the wiki opens in the pane; a local
// file or another program's address goes nowhere, and the status line says so. The tab's tool
// tip tells where its pane is.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QQuickItem>
#include <QStringList>
#include <QTabBar>
#include <QTimer>
#include <QUrl>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "tests/qt/browser_stand_in.h"
#include "tests/qt/event_loop_wait.h"
#include "tests/qt/page_script.h"
#include "tests/qt/pane_user.h"
#include "tests/qt/quick_panes.h"
#include "tests/qt/stand_in_wiki.h"
#include "tests/qt/window_under_input.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/x_input.h"
#include "window/pane_labels.h"
#include "window/qt/form1_window.h"
#include "window/qt/tab_container.h"
#include "window/qt/utf8.h"

namespace nominator {
namespace {

using testing::ElementsAre;
using testing::HasSubstr;
using testing::IsEmpty;

constexpr char kWiki[] = "https://en.wikipedia.org";
constexpr char kArticle[] = "/wiki/Linked_article";
// Links the wiki's own pages hold in the real wiki only: its edit page's "Editing help", which
// the local wiki's toolbar replaces, and a page's script and form that lead elsewhere. The
// wiki's TLS end answers for it.
constexpr char kStagedPage[] = "/wiki/Staged_links";
constexpr char kStagedLinks[] = R"html(<!DOCTYPE html><title>Staged links</title>
<body style="margin:0">
<p><a id="help" target="helpwindow" href="https://www.mediawiki.org/wiki/Help:Editing_pages">Editing
help</a> (opens in new window)</p>
<p><a id="blank" target="_blank" href="https://en.wikipedia.org/wiki/Help:Editing">Help</a></p>
<p><button id="script" onclick="location.href = 'https://example.org/by-script'">Script</button></p>
<form action="https://example.org/form"><input type="hidden" name="q" value="x">
<button id="form">Form</button></form>)html";
constexpr char kWikiLink[] = "#mw-content-text a[href=\"/wiki/Sample_page\"]";
constexpr char kExternalLink[] = "a.external[href^=\"https://example.org\"]";
constexpr std::uint32_t kLetterA = 0x61;
constexpr std::uint32_t kReturn = 0xff0d;
constexpr std::uint32_t kEscape = 0xff1b;
// Long enough for a pane that was wrongly sent on to have begun to show another address.
constexpr int kSettleMs = 1500;

struct LinkRow {
    const char* name;
    // The page of the wiki the link is on, and the link.
    const char* page;
    const char* selector;
    ClickKind click;
    // What the user's browser is handed; nothing when empty.
    const char* handed;
    // Where the pane is afterwards.
    const char* paneShows;
    // Part of what the status line then says; anything when empty.
    const char* status;
};

void PrintTo(const LinkRow& row, std::ostream* out) { *out << row.name; }

const LinkRow kLinks[] = {
    {"AnotherSite", kArticle, kExternalLink, ClickKind::Left,
     "https://example.org/linked-reference", kArticle, ""},
    {"AnotherSiteWithTheWheelsButton", kArticle, kExternalLink, ClickKind::Middle,
     "https://example.org/linked-reference", kArticle, ""},
    {"Mail", kArticle, "a[href^=\"mailto:\"]", ClickKind::Left, "mailto:editor@example.org",
     kArticle, ""},
    {"TheWikiInANewWindow", kArticle, kWikiLink, ClickKind::ControlLeft,
     "https://en.wikipedia.org/wiki/Sample_page", kArticle, ""},
    {"TheEditorsHelpInItsOwnWindow", kStagedPage, "#help", ClickKind::Left,
     "https://www.mediawiki.org/wiki/Help:Editing_pages", kStagedPage, ""},
    {"TheWikiInABlankTarget", kStagedPage, "#blank", ClickKind::Left,
     "https://en.wikipedia.org/wiki/Help:Editing", kStagedPage, ""},
    {"APageScript", kStagedPage, "#script", ClickKind::Left, "https://example.org/by-script",
     kStagedPage, ""},
    {"AForm", kStagedPage, "#form", ClickKind::Left, "https://example.org/form?q=x", kStagedPage,
     ""},
    {"TheWiki", kArticle, kWikiLink, ClickKind::Left, "", "/wiki/Sample_page", ""},
    {"ALocalFile", kArticle, "a[href^=\"file:\"]", ClickKind::Left, "", kArticle,
     "Tab 0 did not open \"file:///etc/hostname\""},
    {"AnotherProgramsScheme", kArticle, "a[href^=\"irc:\"]", ClickKind::Left, "", kArticle,
     "Tab 0 did not open \"irc://irc.example.org/wikipedi\u2026\""},
};

// Tab 0 on pages of the local wiki, the user's browser replaced by the stand-in.
class PanesOnTheWikiTest : public WindowUnderInputTest {
protected:
    static void SetUpTestSuite() {
        LoopbackWiki().tlsEnd().answer(kStagedPage, [](const support::ArrivedRequest&) {
            support::StubAnswer answer;
            answer.body = kStagedLinks;
            return answer;
        });
    }

    static void TearDownTestSuite() { LoopbackWiki().tlsEnd().passOn(kStagedPage); }

    void SetUp() override {
        WindowUnderInputTest::SetUp();
        // The tabs show from the first nomination on; what the nomination opens is not what is
        // tested here.
        window.show(Control::Tabby);
        ASSERT_TRUE(WaitInEventLoop([] { return pane().isVisible(); }, kGiveUpMs));
    }

    static QQuickItem& pane() { return PaneUser::pane(0); }
    static std::string address() {
        return ToUtf8(pane().property("url").toUrl().toString(QUrl::FullyEncoded));
    }

    // Opens the wiki's page in tab 0 and waits until it has loaded.
    void open(const std::string& page) {
        window.navigate(PaneOfKind(EditKind::ArticleTag), kWiki + page);
        ASSERT_TRUE(WaitInEventLoop(
            [&] {
                return address() == kWiki + page && !pane().property("loading").toBool() &&
                       pane().property("loadProgress").toInt() == 100;
            },
            kGiveUpMs))
            << "tab 0 did not load " << page << "; it shows " << address();
        // The editor's toolbar comes after the page has loaded, and moves what is below it.
        ASSERT_TRUE(WaitInEventLoop(
            [] {
                return RunInPage(
                           pane(),
                           QStringLiteral("document.readyState === 'complete' &&"
                                          " (!document.getElementById('wpTextbox1') ||"
                                          " !!document.querySelector('.wikiEditor-ui-toolbar'))"))
                    .value_or(false)
                    .toBool();
            },
            kGiveUpMs))
            << "the page at " << page << " did not settle";
    }

    std::string tabTip() const { return ToUtf8(window.tabby()->tabBar()->tabToolTip(0)); }

    BrowserStandIn browser;
};

class OffWikiLinksTest : public PanesOnTheWikiTest, public testing::WithParamInterface<LinkRow> {};

TEST_P(OffWikiLinksTest, OnlyTheWikiOpensInThePane) {
    const LinkRow& row = GetParam();
    ASSERT_NO_FATAL_FAILURE(open(row.page));
    const std::string expected = std::string(kWiki) + row.paneShows;
    const std::function<bool()> done = [&] {
        if (*row.handed != '\0') return !browser.handed().isEmpty();
        if (*row.status != '\0') return window.status()->text().contains(ToQString(row.status));
        return address() == expected && !pane().property("loading").toBool();
    };
    ASSERT_TRUE(user.clickInPage(0, row.selector, done, row.click))
        << "the click on " << row.selector << " changed nothing; tab 0 shows " << address();
    EXPECT_FALSE(WaitInEventLoop([&] { return address() != expected; }, kSettleMs))
        << "tab 0 went on to " << address();

    QStringList handed;
    for (const QUrl& url : browser.handed()) handed << url.toString(QUrl::FullyEncoded);
    if (*row.handed != '\0') {
        EXPECT_THAT(handed, ElementsAre(QString::fromLatin1(row.handed)));
    } else {
        EXPECT_THAT(handed, IsEmpty());
    }
    if (*row.status != '\0') {
        EXPECT_THAT(ToUtf8(window.status()->text()), HasSubstr(row.status));
        EXPECT_TRUE(window.status()->isVisible());
    }
    // The tab says what it holds, then where its pane is.
    EXPECT_EQ(tabTip(), PaneLabelsOf(PlanNomination({})).front().name + "\n" +
                            ToUtf8(QUrl(QString::fromStdString(expected)).toDisplayString()));
}

INSTANTIATE_TEST_SUITE_P(Links, OffWikiLinksTest, testing::ValuesIn(kLinks),
                         [](const testing::TestParamInfo<LinkRow>& info) {
                             return std::string(info.param.name);
                         });

struct DownloadRow {
    const char* name;
    // Saves under the name it types; otherwise Escape closes the save dialog.
    bool save;
    const char* status;
};

void PrintTo(const DownloadRow& row, std::ostream* out) { *out << row.name; }

// The desktop's folder for downloads, staged in the test's own configuration folder (the
// test's environment sets one) for as long as the test runs.
class DownloadTest : public PanesOnTheWikiTest, public testing::WithParamInterface<DownloadRow> {
protected:
    void SetUp() override {
        ASSERT_TRUE(qEnvironmentVariableIsSet("XDG_CONFIG_HOME"))
            << "the test writes the desktop's folder names into a configuration folder of its own";
        PanesOnTheWikiTest::SetUp();
        userDirs_ = std::filesystem::path(qEnvironmentVariable("XDG_CONFIG_HOME").toStdString()) /
                    "user-dirs.dirs";
        if (std::ifstream kept{userDirs_}) {
            kept_ = std::string(std::istreambuf_iterator<char>(kept), {});
        }
        std::filesystem::create_directories(userDirs_.parent_path());
        std::filesystem::create_directories(downloads());
        std::ofstream(userDirs_) << "XDG_DOWNLOAD_DIR=\"" << downloads().string() << "\"\n";
    }

    void TearDown() override {
        if (kept_) {
            std::ofstream(userDirs_) << *kept_;
        } else if (!userDirs_.empty()) {
            std::filesystem::remove(userDirs_);
        }
        PanesOnTheWikiTest::TearDown();
    }

    std::filesystem::path downloads() const { return folder_.path() / "Downloads"; }

private:
    support::ScratchFolder folder_;
    std::filesystem::path userDirs_;
    // What the file held before the test, if it was there.
    std::optional<std::string> kept_;
};

// The wiki's export, offered as a file: nothing is written but where the user chose to save it.
TEST_P(DownloadTest, IsSavedOnlyWhereTheUserChooses) {
    const bool save = GetParam().save;
    ASSERT_NO_FATAL_FAILURE(open(kArticle));
    const std::filesystem::path file = downloads() / "exported.xml";
    // The save dialog is asked before the engine's signal returns, in an event loop of its own
    // under the click's: the user answers it from there. Any further dialog, which a second
    // click would open, is closed unanswered.
    QStringList shownIn;
    QTimer answer;
    answer.callOnTimeout([&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        // The keys go to the dialog only once it has the focus, which takes a while under load.
        if (dialog == nullptr || !dialog->isVisible() || !dialog->isActiveWindow() ||
            dialog->property("answered").toBool()) {
            return;
        }
        dialog->setProperty("answered", true);
        shownIn << dialog->directory().absolutePath();
        if (save && shownIn.size() == 1) {
            input.key(kLetterA, support::XInput::Modifier::Control);
            input.type(file.filename().string());
            input.key(kReturn);
        } else {
            input.key(kEscape);
        }
        input.sync();
    });
    answer.start(50);
    ASSERT_TRUE(
        user.clickInPage(0, "a[href*=\"Special:Export\"]", [&] { return !shownIn.isEmpty(); }))
        << "no save dialog; the status line says " << ToUtf8(window.status()->text());
    ASSERT_TRUE(WaitInEventLoop(
        [&] { return window.status()->text().contains(ToQString(GetParam().status)); }, kGiveUpMs))
        << ToUtf8(window.status()->text());
    EXPECT_THAT(shownIn, ElementsAre(ToQString(downloads().string())));
    EXPECT_EQ(address(), std::string(kWiki) + kArticle);
    EXPECT_THAT(browser.handed(), IsEmpty());
    std::vector<std::filesystem::path> written;
    for (const auto& entry : std::filesystem::directory_iterator(downloads())) {
        written.push_back(entry.path());
    }
    if (save) {
        EXPECT_EQ(ToUtf8(window.status()->toolTip()), file.string());
        ASSERT_THAT(written, ElementsAre(file));
        std::ifstream saved(file);
        const std::string text{std::istreambuf_iterator<char>(saved), {}};
        EXPECT_THAT(text, HasSubstr("<title>Linked article</title>"));
    } else {
        EXPECT_THAT(written, IsEmpty());
    }
}

const DownloadRow kDownloads[] = {
    {"Saved", true, "Tab 0's download was saved as"},
    {"Refused", false, "was not saved: no place was chosen for it"},
};

INSTANTIATE_TEST_SUITE_P(Downloads, DownloadTest, testing::ValuesIn(kDownloads),
                         [](const testing::TestParamInfo<DownloadRow>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
}  // namespace nominator
