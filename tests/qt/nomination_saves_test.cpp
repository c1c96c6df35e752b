// A whole nomination against the local MediaWiki, as a user makes it: the title and reason
// pasted, AFD clicked, then nothing but the wiki's own "create" link and Save buttons, clicked
// with real X input. The tool puts each text into the wiki's edit form and never saves; the
// wiki, read back, holds the three edits where they belong, with their summaries, and the status
// line follows the saves. A discussion filed under a category and two deletion-sorting topics
// gets a listing on each topic's list. Closing a nomination that is saved in part asks first. The
// article's creator, when another account or an IP address, gets the notice on their talk page in
// tab 3; the status line says when the creator is blocked (the notice is left all the same) or a
// bot (none is). A bundle of three articles makes its seven edits the same way.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QQuickItem>
#include <QUrl>
#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <exception>
#include <memory>
#include <mutex>
#include <optional>
#include <regex>
#include <string>
#include <vector>

#include "core/deletion_sorting.h"
#include "tests/qt/event_loop_wait.h"
#include "tests/qt/page_script.h"
#include "tests/qt/pane_user.h"
#include "tests/qt/quick_panes.h"
#include "tests/qt/stand_in_wiki.h"
#include "tests/qt/window_under_input.h"
#include "tests/support/gui_test_constants.h"
#include "window/qt/clickable_label.h"
#include "window/qt/form1_window.h"
#include "window/qt/multi_line_box.h"
#include "window/qt/tab_container.h"
#include "window/qt/utf8.h"

namespace nominator {
namespace {

using support::keysym::kDown;
using support::keysym::kEscape;
using support::keysym::kReturn;
using support::keysym::kTab;

using namespace std::chrono_literals;
using testing::ContainsRegex;
using testing::HasSubstr;

constexpr std::uint32_t kLetterL = 0x6c;
constexpr std::uint32_t kLetterX = 0x78;
constexpr char kLog[] = "Wikipedia:Articles for deletion/Log/2026 March 7";

// A reason that no script, template or line break may change on its way into the editor.
const std::string kHostileReason =
    "It's \"notable\" \\ not </script><script>alert(1)</script> \xE2\x80\xA8 a | b }} c";

struct SaveRow {
    const char* name;
    const char* title;
    std::string reason;
    // The discussion page's name after "Wikipedia:Articles for deletion/".
    const char* page;
    // What the article's text starts with once saved (POSIX extended expression).
    const char* taggedArticle;
    // Whether the row saves the three edits; one that does not only looks into the editors.
    bool saves;
};

void PrintTo(const SaveRow& row, std::ostream* out) { *out << row.name; }

const SaveRow kRows[] = {
    {"FirstNominationBelowTheHatnote", "Hatnote article", "No sources discuss it.",
     "Hatnote article",
     R"(^\{\{short description\|An article with a hatnote\}\}

\{\{About\|the article with a hatnote\|other articles\|Sample page\}\}
<!-- [^>]+ -->
\{\{Article for deletion/dated\|page=Hatnote article\|[^
]*
<!-- End of AfD message[^>]*-->
\{\{Infobox\|name=Hatnote article\}\}
'''Hatnote article''')",
     true},
    {"SecondNomination", "Kept article", "Still unsourced.", "Kept article (2nd nomination)",
     R"(^\{\{Short description\|An article that was kept once\}\}
<!-- [^>]+ -->
\{\{AfDM\|page=Kept article \(2nd nomination\)\|[^
]*
<!-- End of AfD message[^>]*-->
'''Kept article''')",
     true},
    {"HostileReason", "Plain article", kHostileReason, "Plain article", "", false},
};

// The window under input, its panes logged in to the local wiki as Nominator.
class LoggedInWindowTest : public WindowUnderInputTest {
protected:
    static void SetUpTestSuite() { LoopbackWiki(); }

    void SetUp() override {
        LoopbackWiki().tlsEnd().passOn("/w/api.php");
        WindowUnderInputTest::SetUp();
        if (HasFatalFailure()) return;
        // Once for all tests, in the still hidden tab 0: the login is not what is tested here.
        static bool loggedIn = false;
        if (!loggedIn) {
            ASSERT_TRUE(PaneUser::logIn(0, LoopbackWiki()));
            loggedIn = true;
        }
    }

    static std::string field(int tab, const char* id) { return PaneUser::field(tab, id); }

    // Waits until the tab's editor holds the summary the tool puts in with its text.
    static bool filled(int tab, const std::string& summary) {
        return WaitInEventLoop([&] { return field(tab, "wpSummary") == summary; }, kGiveUpMs);
    }

    // Saves the tab's editor with its Save button, and waits until the wiki holds the page.
    void save(int tab, const std::string& title) {
        ASSERT_TRUE(user.save(tab))
            << "tab " << tab << " did not show the saved page of " << title << " but "
            << ToUtf8(PaneUser::pane(tab).property("url").toString()) << ": "
            << ToUtf8(RunInPage(PaneUser::pane(tab),
                                QStringLiteral("document.body ? document.body.innerText : ''"))
                          .value_or(QString())
                          .toString()
                          .left(600));
        ASSERT_TRUE(LoopbackWiki().page(title).has_value()) << title;
    }

    bool statusIs(const std::string& text) {
        return WaitInEventLoop([&] { return ToUtf8(window.status()->text()) == text; }, kGiveUpMs);
    }

    // Pastes the title and the reason and clicks AFD.
    void nominate(const std::string& title, const std::string& reason) {
        ASSERT_TRUE(user.paste(Box::Text1, title));
        ASSERT_TRUE(user.paste(Box::Reason, reason));
        user.clickOn(window.command1());
    }
};

// The articles here were all saved by the account the panes are logged in with.
const std::string kOwnArticle = ". You created the article: no notice needed";

class NominationSavesTest : public LoggedInWindowTest, public testing::WithParamInterface<SaveRow> {
protected:
    // An editor that holds only what the tool put there is left without the page's question;
    // once the user has typed into it, the page asks again.
    void leaveTheFilledEditors() {
        QQuickItem& log = PaneUser::pane(2);
        user.clickOn(window.dayPlus());
        ASSERT_TRUE(WaitInEventLoop(
            [&] { return log.property("url").toString().contains(QStringLiteral("2026_March_8")); },
            kGiveUpMs))
            << "the filled log was not left for the next day's";
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        // The next day's log does not exist yet: it has no place for the line.
        EXPECT_TRUE(
            statusIs("No place for the log line on this log page: paste it at the top of "
                     "the list by hand" +
                     kOwnArticle))
            << ToUtf8(window.status()->text());

        ASSERT_TRUE(user.showTab(0));
        const std::string before = field(0, "wpTextbox1");
        ASSERT_TRUE(user.clickInPage(0, "#wpTextbox1", [&] {
            return RunInPage(PaneUser::pane(0), QStringLiteral("document.activeElement.id"))
                       .value_or(QString())
                       .toString() == QStringLiteral("wpTextbox1");
        })) << "no click gave the article's editor the keys";
        user.key(kLetterX);
        ASSERT_TRUE(WaitInEventLoop([&] { return field(0, "wpTextbox1") != before; }, kGiveUpMs));
        user.clickOn(window.command1());
        QMessageBox* question = openQuestion();
        ASSERT_NE(question, nullptr) << "the edited editor was left without a question";
        EXPECT_THAT(ToUtf8(question->text()), HasSubstr("Tab 0 (Article editor)"));
        user.key(kLetterL, support::XInput::Modifier::Alt);
    }
};

TEST_P(NominationSavesTest, TheEditorsGetTheTextsAndTheWikiHoldsWhatTheUserSaved) {
    const SaveRow& row = GetParam();
    const std::string discussion = std::string("Wikipedia:Articles for deletion/") + row.page;
    nominate(row.title, row.reason);

    // The article's editor: the tag below the short description and the hatnote.
    const std::string tagSummary = "Nominated for deletion; see [[:" + discussion + "]].";
    ASSERT_TRUE(filled(0, tagSummary)) << field(0, "wpSummary");
    const std::string tag = ToUtf8(window.box(Box::Text2)->text());
    EXPECT_THAT(field(0, "wpTextbox1"), HasSubstr(tag + "\n"));
    EXPECT_THAT(ToUtf8(window.status()->text()), testing::Not(HasSubstr("Saved")));
    // The user's own article: no notice, and the status line says so.
    EXPECT_THAT(ToUtf8(window.status()->text()), testing::EndsWith(kOwnArticle));
    EXPECT_FALSE(window.box(Box::Text6)->isVisible());
    EXPECT_FALSE(
        PaneUser::pane(3).property("url").toString().contains(QStringLiteral("User_talk")));

    // The discussion page: the wiki's own "create" link opens its editor. A renomination's page
    // takes the first one's place once the check has answered, and may not have begun loading
    // yet: the pane must show the row's page, loaded.
    ASSERT_TRUE(user.showTab(1));
    QQuickItem& discussionPane = PaneUser::pane(1);
    const auto shown = [&] {
        return ToUtf8(discussionPane.property("url")
                          .toUrl()
                          .toString(QUrl::FullyDecoded)
                          .replace(QLatin1Char('_'), QLatin1Char(' ')));
    };
    ASSERT_TRUE(WaitInEventLoop(
        [&] {
            return shown().ends_with(discussion) && !discussionPane.property("loading").toBool();
        },
        kGiveUpMs))
        << shown();
    ASSERT_TRUE(user.clickInPage(1, R"(.noarticletext a[href*="action=edit"])"))
        << "no click on the create link left the discussion page";
    const std::string discussionSummary =
        std::string("Creating deletion discussion page for [[:") + row.title + "]].";
    ASSERT_TRUE(filled(1, discussionSummary)) << field(1, "wpSummary");
    EXPECT_EQ(field(1, "wpTextbox1"), ToUtf8(window.box(Box::Text3)->text()));

    // The day's log: the line as the list's first entry.
    ASSERT_TRUE(user.showTab(2));
    const std::string logSummary = "Adding [[:" + discussion + "]].";
    ASSERT_TRUE(filled(2, logSummary)) << field(2, "wpSummary");
    EXPECT_THAT(
        field(2, "wpTextbox1"),
        HasSubstr("<!-- Add new entries to the TOP of the following list -->\n" +
                  ToUtf8(window.box(Box::Text5)->text()) + "\n{{Wikipedia:Articles for deletion/"));
    if (!row.saves) return leaveTheFilledEditors();

    ASSERT_TRUE(user.showTab(0));
    save(0, row.title);
    ASSERT_TRUE(statusIs("Saved: article tag. Not yet saved: discussion, log line" + kOwnArticle))
        << ToUtf8(window.status()->text());
    const std::optional<support::WikiPage> article = LoopbackWiki().page(row.title);
    EXPECT_THAT(article->text, ContainsRegex(row.taggedArticle));
    EXPECT_EQ(article->lastSummary, tagSummary);

    // Half done: closing asks, and Cancel keeps the window and what its pages hold.
    window.close();
    QMessageBox* question = openQuestion();
    ASSERT_NE(question, nullptr) << "closing a nomination saved in part did not ask";
    EXPECT_EQ(ToUtf8(question->text()), std::string("The nomination of ") + row.title +
                                            " is not complete: the discussion and the log line "
                                            "are not saved. Close anyway?");
    user.key(kEscape);
    ASSERT_TRUE(
        WaitInEventLoop([] { return QApplication::activeModalWidget() == nullptr; }, kGiveUpMs));
    EXPECT_TRUE(window.isVisible());

    ASSERT_TRUE(user.showTab(1));
    save(1, discussion);
    ASSERT_TRUE(statusIs("Saved: article tag, discussion. Not yet saved: log line" + kOwnArticle))
        << ToUtf8(window.status()->text());
    const std::optional<support::WikiPage> saved = LoopbackWiki().page(discussion);
    EXPECT_THAT(saved->text, ContainsRegex(std::string(R"(^===\[\[:)") + row.title +
                                           R"(\]\]===
:\[\[)" + row.title + R"(\]\] – )"));
    EXPECT_THAT(saved->text, HasSubstr("\n" + row.reason + " "));
    EXPECT_THAT(saved->text,
                HasSubstr(" [[User:Nominator|Nominator]] ([[User talk:Nominator|talk]]) "));
    EXPECT_EQ(saved->lastSummary, discussionSummary);

    ASSERT_TRUE(user.showTab(2));
    save(2, kLog);
    EXPECT_TRUE(statusIs("Nomination complete: tag, discussion and log line saved" + kOwnArticle))
        << ToUtf8(window.status()->text());
    const std::optional<support::WikiPage> log = LoopbackWiki().page(kLog);
    EXPECT_THAT(log->text, HasSubstr("<!-- Add new entries to the TOP of the following list -->\n"
                                     "{{" +
                                     discussion + "}}\n"));
    EXPECT_EQ(log->lastSummary, logSummary);

    // Complete: closing asks nothing.
    window.close();
    EXPECT_TRUE(WaitInEventLoop([&] { return !window.isVisible(); }, kGiveUpMs));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Nominations, NominationSavesTest, testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.name); });

struct DeletionTagRow {
    const char* name;
    const char* title;
    // The status line once the article's editor holds the tag.
    std::string status;
    // What the article's editor holds then, as the wiki saves it: the first nomination's tag in
    // place of any proposed-deletion tag, the rest of the article as it was.
    std::string filled;
    // Whether the row saves the article, and reads back the substituted tag and the rest.
    bool saves;
};

void PrintTo(const DeletionTagRow& row, std::ostream* out) { *out << row.name; }

const std::string kRemovedNote = ". The proposed-deletion tag is removed by this edit";

const DeletionTagRow kDeletionTagRows[] = {
    {"ProposedDeletionGoes", "Proposed article", "First nomination" + kRemovedNote + kOwnArticle,
     "{{Short description|An article proposed for deletion}}\n{{subst:afd}}\n"
     "'''Proposed article''' is an article that someone proposed for deletion.\n\n"
     "It has a second paragraph, and a [[Sample page|link]] to another article.",
     true},
    {"ABiographysProposedDeletionGoes", "Proposed biography",
     "First nomination" + kRemovedNote + kOwnArticle,
     "{{Short description|A living person, proposed for deletion}}\n{{subst:afd}}\n"
     "'''Proposed biography''' is the biography of a living person, without a source.",
     true},
    // Not the nominator's to remove: it stays, below the tag, and the line warns.
    {"ASpeedyDeletionTagStays", "Speedy article",
     "The article carries a speedy-deletion tag, which stays: an administrator decides on it" +
         kOwnArticle,
     "{{subst:afd}}\n{{db-a7|help=off}}\n"
     "'''Speedy article''' is an article tagged for speedy deletion.",
     false},
};

class DeletionTagSavesTest : public LoggedInWindowTest,
                             public testing::WithParamInterface<DeletionTagRow> {};

TEST_P(DeletionTagSavesTest, TheArticlesEditTakesOutOnlyTheProposedDeletionTag) {
    const DeletionTagRow& row = GetParam();
    nominate(row.title, "Not notable.");
    const std::string summary = "Nominated for deletion; see [[:Wikipedia:Articles for deletion/" +
                                std::string(row.title) + "]].";
    ASSERT_TRUE(filled(0, summary)) << field(0, "wpSummary");
    // The wiki's edit form ends the page's text with a line break; the saved text has none.
    EXPECT_EQ(field(0, "wpTextbox1"), row.filled + "\n");
    EXPECT_TRUE(statusIs(row.status)) << ToUtf8(window.status()->text());
    if (!row.saves) return;

    ASSERT_TRUE(user.showTab(0));
    save(0, row.title);
    EXPECT_TRUE(statusIs("Saved: article tag. Not yet saved: discussion, log line" + kRemovedNote +
                         kOwnArticle))
        << ToUtf8(window.status()->text());
    // The wiki substituted the tag; everything around it is the article's own text.
    const std::optional<support::WikiPage> article = LoopbackWiki().page(row.title);
    const std::string tag = "{{subst:afd}}\n";
    const std::size_t tagAt = row.filled.find(tag);
    const std::string before = row.filled.substr(0, tagAt);
    const std::string after = row.filled.substr(tagAt + tag.size());
    EXPECT_THAT(article->text, testing::StartsWith(before + "<!-- "));
    EXPECT_THAT(article->text,
                ContainsRegex(std::string("\n\\{\\{Article for deletion/dated\\|page=") +
                              row.title + "\\|[^\n]*\n<!-- End of AfD message[^>]*-->\n"));
    EXPECT_THAT(article->text, testing::EndsWith("-->\n" + after));
    EXPECT_THAT(article->text,
                testing::Not(ContainsRegex("[Pp]roposed[ _]deletion/dated|[Pp]rod[ _]blp/dated")));
    EXPECT_EQ(article->lastSummary, summary);
}

INSTANTIATE_TEST_SUITE_P(Articles, DeletionTagSavesTest, testing::ValuesIn(kDeletionTagRows),
                         [](const auto& info) { return std::string(info.param.name); });

struct NoticeRow {
    const char* name;
    const char* title;
    // The discussion page's name after "Wikipedia:Articles for deletion/".
    const char* page;
    const char* talkPage;
    const char* notice;
};

void PrintTo(const NoticeRow& row, std::ostream* out) { *out << row.name; }

const NoticeRow kNoticeRows[] = {
    {"AnotherAccountsArticle", "Creator's article", "Creator's article", "User talk:Creator",
     "{{subst:Afd notice|1=Creator's article}} ~~~~"},
    // Its later revisions are another account's.
    {"AnIpAddresssArticle", "IP article", "IP article", "User talk:192.0.2.7",
     "{{subst:Afd notice|1=IP article}} ~~~~"},
    // The creator's talk page holds the first nomination's notice already.
    {"ARenomination", "Renominated creator article", "Renominated creator article (2nd nomination)",
     "User talk:Creator",
     "{{subst:Afd notice|1=Renominated creator article|order=&#32;(2nd nomination)}} ~~~~"},
    // Its first revision, by the user, was a redirect.
    {"AnArticleBornARedirect", "Redirect-born article", "Redirect-born article",
     "User talk:Creator", "{{subst:Afd notice|1=Redirect-born article}} ~~~~"},
};

class CreatorNoticeTest : public LoggedInWindowTest,
                          public testing::WithParamInterface<NoticeRow> {};

TEST_P(CreatorNoticeTest, TheCreatorsTalkPageGetsTheNoticeAndTheWikiHoldsItOnceSaved) {
    const NoticeRow& row = GetParam();
    const std::optional<support::WikiPage> before = LoopbackWiki().page(row.talkPage);
    nominate(row.title, "Not notable.");

    QLineEdit* notice = window.box(Box::Text6);
    ASSERT_TRUE(WaitInEventLoop([&] { return notice->isVisible(); }, kGiveUpMs))
        << "no notice shown; the status says: " << ToUtf8(window.status()->text());
    EXPECT_EQ(ToUtf8(notice->text()), row.notice);

    ASSERT_TRUE(user.showTab(3));
    const std::string summary = std::string("Notification: [[Wikipedia:Articles for deletion/") +
                                row.page + "|nomination]] of [[:" + row.title +
                                "]] at [[WP:AFD|articles for deletion]].";
    ASSERT_TRUE(filled(3, summary)) << field(3, "wpSummary");
    const std::string earlier = before ? before->text + "\n\n" : "";
    EXPECT_EQ(field(3, "wpTextbox1"), earlier + row.notice);

    save(3, row.talkPage);
    // The wiki reads the saved notice as a link to the discussion page (a renomination's
    // included): that is what makes it count as saved.
    EXPECT_TRUE(statusIs("Saved: notice. Not yet saved: article tag, discussion, log line"))
        << ToUtf8(window.status()->text());
    const std::optional<support::WikiPage> talk = LoopbackWiki().page(row.talkPage);
    ASSERT_TRUE(talk.has_value());
    EXPECT_THAT(talk->text, testing::StartsWith(earlier + "== Nomination of [[:" +
                                                std::string(row.title) + "]] for deletion ==\n"));
    EXPECT_THAT(talk->text, ContainsRegex(R"(\[\[User:Nominator\|Nominator\]\] \(\[\[User talk:)"
                                          R"(Nominator\|talk\]\]\) [^
]+ \(UTC\)$)"));
    EXPECT_EQ(talk->lastSummary, summary);
}

INSTANTIATE_TEST_SUITE_P(Creators, CreatorNoticeTest, testing::ValuesIn(kNoticeRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(LoggedInWindowTest, AProtectedTalkPageGetsNoNoticeAndTheStatusLineSaysWhy) {
    nominate("Protected creator's article", "Not notable.");
    EXPECT_TRUE(statusIs(
        "First nomination. The creator's talk page is protected: no notice can be left there"))
        << ToUtf8(window.status()->text());
    EXPECT_FALSE(window.box(Box::Text6)->isVisible());
    EXPECT_FALSE(
        PaneUser::pane(3).property("url").toString().contains(QStringLiteral("User_talk")));
}

struct CreatorRow {
    const char* name;
    const char* title;
    // The whole status line.
    const char* status;
    // The notice in Text6 and the talk page tab 3 opens for it; empty: neither, and tab 3 is
    // sent nowhere.
    const char* notice;
    const char* talkPage;
};

void PrintTo(const CreatorRow& row, std::ostream* out) { *out << row.name; }

const CreatorRow kCreatorRows[] = {
    // Blocked since, yet the notice is left all the same.
    {"ABlockedCreator", "Blocked creator's article", "First nomination. The creator is blocked",
     "{{subst:Afd notice|1=Blocked creator's article}} ~~~~", "User talk:Blocked creator"},
    // A bot reads no notices.
    {"ABotCreator", "Bot's article", "First nomination. The creator is a bot: no notice needed", "",
     ""},
};

class CreatorStatusTest : public LoggedInWindowTest,
                          public testing::WithParamInterface<CreatorRow> {};

TEST_P(CreatorStatusTest, TheStatusLineSaysWhoTheCreatorIsAndTheNoticeFollows) {
    const CreatorRow& row = GetParam();
    const std::size_t requestsBefore = LoopbackWiki().tlsEnd().requests().size();
    nominate(row.title, "Not notable.");
    EXPECT_TRUE(statusIs(row.status)) << ToUtf8(window.status()->text());
    // A note, not a warning.
    EXPECT_EQ(window.status()->palette().color(QPalette::WindowText),
              window.palette().color(QPalette::WindowText));

    QQuickItem& talk = PaneUser::pane(3);
    // The pane's address, its title's underscores read as spaces.
    const auto address = [&] {
        return ToUtf8(talk.property("url").toString().replace(QLatin1Char('_'), QLatin1Char(' ')));
    };
    if (*row.notice != '\0') {
        QLineEdit* notice = window.box(Box::Text6);
        ASSERT_TRUE(WaitInEventLoop([&] { return notice->isVisible(); }, kGiveUpMs))
            << "no notice shown; the status says: " << ToUtf8(window.status()->text());
        EXPECT_EQ(ToUtf8(notice->text()), row.notice);
        EXPECT_TRUE(WaitInEventLoop(
            [&] { return address().find(row.talkPage) != std::string::npos; }, kGiveUpMs))
            << address();
        return;
    }
    // The window sends tab 3 to a talk page once the wiki has said which edits are saved and
    // whether the talk page may be edited: that answer, and a moment to read it, come first.
    ASSERT_TRUE(WaitInEventLoop(
        [&] {
            const std::vector<support::ArrivedRequest> answered =
                LoopbackWiki().tlsEnd().requests();
            return std::any_of(
                answered.begin() + static_cast<std::ptrdiff_t>(requestsBefore), answered.end(),
                [](const support::ArrivedRequest& request) {
                    return request.target.starts_with("/w/api.php?action=query&titles=") &&
                           request.target.find("&prop=templates") != std::string::npos;
                });
        },
        kGiveUpMs))
        << "the window never asked which edits are saved";
    EXPECT_FALSE(WaitInEventLoop([&] { return address() != "about:blank"; }, 2000)) << address();
    EXPECT_FALSE(window.box(Box::Text6)->isVisible());
    // Nor was the bot's talk page opened, under any of its spellings. (The API may be asked
    // about it while the review is on its way; the earlier row's talk page may still be heard
    // from as it is left.)
    static const std::regex kUserTalk("User(_|%20|\\+| )talk:Helper(_|%20|\\+| )bot",
                                      std::regex::icase);
    const std::vector<support::ArrivedRequest> requests = LoopbackWiki().tlsEnd().requests();
    std::vector<std::string> opened;
    for (auto request = requests.begin() + static_cast<std::ptrdiff_t>(requestsBefore);
         request != requests.end(); ++request) {
        if (!request->target.starts_with("/w/api.php") &&
            std::regex_search(request->target, kUserTalk)) {
            opened.push_back(request->target);
        }
    }
    EXPECT_THAT(opened, testing::IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(Creators, CreatorStatusTest, testing::ValuesIn(kCreatorRows),
                         [](const auto& info) { return std::string(info.param.name); });

// The filled notice of one nomination must not stay in tab 3, to be saved, under the texts of
// the next, which is due none.
TEST_F(LoggedInWindowTest, ANominationWithoutANoticeLeavesTheEarlierOnesTalkPage) {
    QQuickItem& talk = PaneUser::pane(3);
    nominate("Creator's article", "Not notable.");
    ASSERT_TRUE(WaitInEventLoop([&] { return field(3, "wpSummary").starts_with("Notification:"); },
                                kGiveUpMs))
        << ToUtf8(window.status()->text());

    nominate("Plain article", "Not notable.");
    EXPECT_TRUE(WaitInEventLoop(
        [&] { return talk.property("url").toUrl() == QUrl(QStringLiteral("about:blank")); },
        kGiveUpMs))
        << ToUtf8(talk.property("url").toString());
    EXPECT_TRUE(statusIs("First nomination" + kOwnArticle)) << ToUtf8(window.status()->text());
    EXPECT_FALSE(window.box(Box::Text6)->isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

struct SortedRow {
    const char* name;
    const char* title;
    // The category's letter, typed into its list, and the entry it picks.
    char letter;
    const char* category;
    // A few letters of each topic, typed before its choice is taken.
    std::vector<const char*> typed;
    std::vector<std::string> topics;
};

void PrintTo(const SortedRow& row, std::ostream* out) { *out << row.name; }

// A table, so that it runs after the wiki's pages are read as the fixture made them.
const SortedRow kSortedRows[] = {
    {"ACategoryAndTwoTopics",
     "Sorted article",
     'b',
     "B Biographical",
     {"footb", "plac"},
     {"Football", "Places"}},
};

class SortedNominationTest : public LoggedInWindowTest,
                             public testing::WithParamInterface<SortedRow> {};

// Chosen and typed as a user does: the category by its letter, each topic by a few of its
// letters and the choice the box offers; then only the wiki's own buttons.
TEST_P(SortedNominationTest, TheDiscussionIsFiledAndListedUnderEachTopicOnTheWiki) {
    const SortedRow& row = GetParam();
    const std::string title = row.title;
    const std::string discussion = "Wikipedia:Articles for deletion/" + title;
    const std::string lists[] = {TopicListTitle(row.topics[0]), TopicListTitle(row.topics[1])};

    ASSERT_TRUE(user.paste(Box::Text1, title));
    ASSERT_TRUE(user.paste(Box::Reason, "No sources discuss it."));
    // The further articles' box, the category list and the topics box follow the reason.
    user.key(kTab);
    ASSERT_TRUE(WaitInEventLoop([&] { return window.lines(Box::Further)->hasFocus(); }, kGiveUpMs));
    QComboBox* category = window.list(Choice::Category);
    user.key(kTab);
    ASSERT_TRUE(WaitInEventLoop([&] { return category->hasFocus(); }, kGiveUpMs));
    input.type(row.letter);
    input.sync();
    ASSERT_TRUE(
        WaitInEventLoop([&] { return ToUtf8(category->currentText()) == row.category; }, kGiveUpMs))
        << ToUtf8(category->currentText());

    MultiLineBox* topics = window.lines(Box::Topics);
    user.key(kTab);
    ASSERT_TRUE(WaitInEventLoop([&] { return topics->hasFocus(); }, kGiveUpMs));
    // The wiki's topics, asked for once the box is wanted.
    ASSERT_TRUE(
        WaitInEventLoop([&] { return topics->completer()->model()->rowCount() == 2; }, kGiveUpMs));
    for (const char* letters : row.typed) {
        input.type(letters);
        input.sync();
        ASSERT_TRUE(
            WaitInEventLoop([&] { return topics->completer()->popup()->isVisible(); }, kGiveUpMs))
            << letters << ": " << ToUtf8(topics->toPlainText());
        user.key(kDown);
        user.key(kReturn);
        ASSERT_TRUE(
            WaitInEventLoop([&] { return !topics->completer()->popup()->isVisible(); }, kGiveUpMs));
        user.key(kReturn);
    }
    ASSERT_TRUE(WaitInEventLoop(
        [&] {
            return ToUtf8(topics->toPlainText()) == row.topics[0] + "\n" + row.topics[1] + "\n";
        },
        kGiveUpMs))
        << ToUtf8(topics->toPlainText());

    user.clickOn(window.command1());
    const std::string sortedText = "{{subst:afd2 | pg=" + title + "| cat=" + row.category[0] +
                                   "| text=No sources discuss it.}} ~~~~\n{{subst:delsort|" +
                                   row.topics[0] + "|~~~~}}\n{{subst:delsort|" + row.topics[1] +
                                   "|~~~~}}";
    ASSERT_TRUE(WaitInEventLoop(
        [&] { return ToUtf8(window.box(Box::Text3)->text()) == sortedText; }, kGiveUpMs))
        << ToUtf8(window.box(Box::Text3)->text());
    ASSERT_EQ(window.tabby()->tabBar()->count(), 6);

    // Each topic's list: the discussion as its first entry, with its summary.
    const std::string listingSummary = "Listing [[:" + discussion + "]].";
    for (const int tab : {4, 5}) {
        ASSERT_TRUE(user.showTab(tab));
        ASSERT_TRUE(filled(tab, listingSummary)) << tab << ": " << field(tab, "wpSummary");
        EXPECT_THAT(field(tab, "wpTextbox1"),
                    HasSubstr("<!-- Add new entries to the TOP of the following list -->\n{{" +
                              discussion + "}}\n{{Wikipedia:Articles for deletion/"));
    }
    ASSERT_TRUE(user.showTab(0));
    ASSERT_TRUE(filled(0, "Nominated for deletion; see [[:" + discussion + "]]."));
    save(0, title);
    ASSERT_TRUE(user.showTab(1));
    ASSERT_TRUE(
        WaitInEventLoop([] { return !PaneUser::pane(1).property("loading").toBool(); }, kGiveUpMs));
    ASSERT_TRUE(user.clickInPage(1, R"(.noarticletext a[href*="action=edit"])"));
    ASSERT_TRUE(filled(1, "Creating deletion discussion page for [[:" + title + "]]."));
    save(1, discussion);
    ASSERT_TRUE(user.showTab(2));
    ASSERT_TRUE(filled(2, "Adding [[:" + discussion + "]]."));
    save(2, kLog);
    ASSERT_TRUE(user.showTab(4));
    save(4, lists[0]);
    ASSERT_TRUE(statusIs("Saved: article tag, discussion, log line, listing on " + row.topics[0] +
                         ". Not yet saved: listing on " + row.topics[1] + kOwnArticle))
        << ToUtf8(window.status()->text());

    // Half done: the missing listing is named.
    window.close();
    QMessageBox* question = openQuestion();
    ASSERT_NE(question, nullptr) << "closing a nomination saved in part did not ask";
    EXPECT_EQ(ToUtf8(question->text()), "The nomination of " + title +
                                            " is not complete: the listing on " + row.topics[1] +
                                            " is not saved. "
                                            "Close anyway?");
    // Escape keeps the window, and the nomination goes on.
    user.key(kEscape);
    ASSERT_TRUE(
        WaitInEventLoop([] { return QApplication::activeModalWidget() == nullptr; }, kGiveUpMs));
    ASSERT_TRUE(window.isVisible());
    ASSERT_TRUE(user.showTab(5));
    save(5, lists[1]);
    EXPECT_TRUE(WaitInEventLoop(
        [&] { return ToUtf8(window.status()->text()).starts_with("Nomination complete: "); },
        kGiveUpMs))
        << ToUtf8(window.status()->text());

    // Read back: the discussion filed under its category with a signed note for each topic, and
    // each list holding it first.
    const std::optional<support::WikiPage> saved = LoopbackWiki().page(discussion);
    ASSERT_TRUE(saved.has_value());
    EXPECT_THAT(saved->text, HasSubstr("<span class=\"afd-category\">" +
                                       std::string(1, row.category[0]) + "</span>"));
    for (const std::string& topic : row.topics) {
        EXPECT_THAT(saved->text,
                    HasSubstr(std::string("\n<small class=\"delsort-notice\">Note: This discussion "
                                          "has been included in the list of [[Wikipedia:"
                                          "WikiProject Deletion sorting/") +
                              topic + "|" + topic +
                              "-related deletion discussions]]. [[User:Nominator|Nominator]]"))
            << topic;
    }
    for (const std::string& list : lists) {
        const std::optional<support::WikiPage> listed = LoopbackWiki().page(list);
        ASSERT_TRUE(listed.has_value()) << list;
        EXPECT_THAT(listed->text,
                    HasSubstr("<!-- Add new entries to the TOP of the following list -->\n{{" +
                              discussion + "}}\n{{Wikipedia:Articles for deletion/"))
            << list;
        EXPECT_EQ(listed->lastSummary, listingSummary) << list;
    }
}

INSTANTIATE_TEST_SUITE_P(Sorted, SortedNominationTest, testing::ValuesIn(kSortedRows),
                         [](const auto& info) { return std::string(info.param.name); });

struct BundleRow {
    const char* name;
    std::string reason;
};

void PrintTo(const BundleRow& row, std::ostream* out) { *out << row.name; }

// Saved after the wiki's own pages are read as the fixture made them, the log's among them.
const BundleRow kBundleRows[] = {
    {"ThreeArticlesTwoCreators", "Three stubs about one non-notable subject."},
};

class BundleSavesTest : public LoggedInWindowTest, public testing::WithParamInterface<BundleRow> {};

// A bundle of three, the first two started by Creator and the third by Further creator: every
// edit made with nothing but the wiki's "create" link and Save buttons, read back from the wiki.
TEST_P(BundleSavesTest, EachEditIsSavedInItsPaneAndTheWikiHoldsEachWhereItBelongs) {
    const std::string& reason = GetParam().reason;
    const std::string discussion = "Wikipedia:Articles for deletion/Bundle lead";
    const std::optional<support::WikiPage> creatorTalkBefore =
        LoopbackWiki().page("User talk:Creator");
    ASSERT_TRUE(user.paste(Box::Further, "Bundle second\nBundle third"));
    nominate("Bundle lead", reason);

    // The tags: the first article's, and each further one's naming the shared discussion.
    const std::string tagSummary = "Nominated for deletion; see [[:" + discussion + "]].";
    ASSERT_TRUE(filled(0, tagSummary)) << field(0, "wpSummary");
    for (const int tab : {4, 5}) {
        ASSERT_TRUE(user.showTab(tab));
        ASSERT_TRUE(filled(tab, tagSummary)) << "tab " << tab << ": " << field(tab, "wpSummary");
        EXPECT_THAT(field(tab, "wpTextbox1"), HasSubstr("{{subst:afd1|Bundle lead}}\n"));
    }
    EXPECT_THAT(field(4, "wpTextbox1"),
                testing::StartsWith("{{Short description|The second of three related articles}}\n"
                                    "{{subst:afd1|Bundle lead}}\n"));

    ASSERT_TRUE(user.showTab(1));
    ASSERT_TRUE(
        WaitInEventLoop([] { return !PaneUser::pane(1).property("loading").toBool(); }, kGiveUpMs));
    ASSERT_TRUE(user.clickInPage(1, R"(.noarticletext a[href*="action=edit"])"))
        << "no click on the create link left the discussion page";
    ASSERT_TRUE(filled(1, "Creating deletion discussion page for [[:Bundle lead]]."))
        << field(1, "wpSummary");
    EXPECT_EQ(field(1, "wpTextbox1"),
              "{{subst:afd2 | pg=Bundle lead| text=" + reason +
                  "\n\nI am also nominating the following related pages:\n:{{la|Bundle second}}\n"
                  ":{{la|Bundle third}}}} ~~~~");
    ASSERT_TRUE(user.showTab(2));
    ASSERT_TRUE(filled(2, "Adding [[:" + discussion + "]].")) << field(2, "wpSummary");

    // The notices: Creator's one edit holds both of their articles; Further creator's its own.
    ASSERT_TRUE(user.showTab(3));
    const std::string notification = "Notification: [[" + discussion + "|nomination]] of ";
    ASSERT_TRUE(filled(3, notification + "[[:Bundle lead]] and [[:Bundle second]] at "
                                         "[[WP:AFD|articles for deletion]]."))
        << field(3, "wpSummary") << " / " << ToUtf8(window.status()->text());
    EXPECT_EQ(field(3, "wpTextbox1"),
              creatorTalkBefore->text +
                  "\n\n{{subst:Afd notice|1=Bundle lead}} ~~~~\n\n"
                  "{{subst:Afd notice|1=Bundle second|2=Bundle lead}} ~~~~");
    ASSERT_TRUE(user.showTab(6));
    ASSERT_TRUE(filled(6, notification + "[[:Bundle third]] at [[WP:AFD|articles for deletion]]."))
        << field(6, "wpSummary");
    EXPECT_EQ(field(6, "wpTextbox1"), "{{subst:Afd notice|1=Bundle third|2=Bundle lead}} ~~~~");

    const struct {
        int tab;
        const char* page;
    } saves[] = {{0, "Bundle lead"},
                 {1, "Wikipedia:Articles for deletion/Bundle lead"},
                 {2, kLog},
                 {3, "User talk:Creator"},
                 {4, "Bundle second"},
                 {5, "Bundle third"}};
    for (const auto& edit : saves) {
        ASSERT_TRUE(user.showTab(edit.tab));
        save(edit.tab, edit.page);
    }
    ASSERT_TRUE(
        statusIs("Saved: tag on Bundle lead, discussion, log line, notice to Creator, tag "
                 "on Bundle second, tag on Bundle third. Not yet saved: notice to Further "
                 "creator"))
        << ToUtf8(window.status()->text());
    window.close();
    QMessageBox* question = openQuestion();
    ASSERT_NE(question, nullptr) << "closing a bundle saved in part did not ask";
    EXPECT_EQ(ToUtf8(question->text()),
              "The nomination of Bundle lead is not complete: the notice to Further creator is "
              "not saved. Close anyway?");
    user.key(kEscape);
    ASSERT_TRUE(
        WaitInEventLoop([] { return QApplication::activeModalWidget() == nullptr; }, kGiveUpMs));

    ASSERT_TRUE(user.showTab(6));
    save(6, "User talk:Further creator");
    EXPECT_TRUE(statusIs("Nomination complete: 3 tags, discussion, log line and 2 notices saved"))
        << ToUtf8(window.status()->text());

    // What the wiki holds.
    for (const char* further : {"Bundle second", "Bundle third"}) {
        const std::optional<support::WikiPage> article = LoopbackWiki().page(further);
        EXPECT_THAT(article->text,
                    ContainsRegex(R"(\{\{Article for deletion/dated\|page=Bundle lead\|)"))
            << further;
        EXPECT_EQ(article->lastSummary, tagSummary) << further;
    }
    const std::optional<support::WikiPage> saved = LoopbackWiki().page(discussion);
    EXPECT_THAT(saved->text, HasSubstr("\n" + reason +
                                       "\n\nI am also nominating the following related pages:\n"
                                       ":{{la|Bundle second}}\n:{{la|Bundle third}} [[User:"));
    EXPECT_TRUE(LoopbackWiki().links(discussion, "Bundle third"));
    const std::optional<support::WikiPage> log = LoopbackWiki().page(kLog);
    EXPECT_THAT(log->text, HasSubstr("-->\n{{" + discussion + "}}\n"));
    const std::optional<support::WikiPage> creatorTalk = LoopbackWiki().page("User talk:Creator");
    EXPECT_THAT(creatorTalk->text, HasSubstr("== Nomination of [[:Bundle lead]] for deletion =="));
    EXPECT_THAT(creatorTalk->text,
                HasSubstr("== Nomination of [[:Bundle second]] for deletion =="));
    const std::optional<support::WikiPage> furtherTalk =
        LoopbackWiki().page("User talk:Further creator");
    EXPECT_THAT(furtherTalk->text,
                testing::StartsWith("== Nomination of [[:Bundle third]] for deletion ==\n"));
    EXPECT_TRUE(LoopbackWiki().links("User talk:Further creator", discussion));
    EXPECT_EQ(furtherTalk->lastSummary,
              notification + "[[:Bundle third]] at [[WP:AFD|articles for deletion]].");

    window.close();
    EXPECT_TRUE(WaitInEventLoop([&] { return !window.isVisible(); }, kGiveUpMs));
}

INSTANTIATE_TEST_SUITE_P(Bundles, BundleSavesTest, testing::ValuesIn(kBundleRows),
                         [](const auto& info) { return std::string(info.param.name); });

// The day's log in its editor: the address every nomination of the day opens in tab 2.
constexpr char kLogEditor[] =
    "/w/index.php?title=Wikipedia:Articles_for_deletion/Log/2026_March_7&action=edit";

// Holds back the wiki's answers to the day's log editor while closed, so that the page the
// pane shows outlives the click that leaves it; then gives the page as the wiki serves it.
class HeldLogEditor {
public:
    HeldLogEditor() {
        LoopbackWiki().tlsEnd().answer(
            kLogEditor, [gate = gate_](const support::ArrivedRequest& request) {
                {
                    std::unique_lock lock(gate->mutex);
                    ++gate->arrived;
                    gate->changed.wait(lock, [&] { return gate->open; });
                }
                support::StubAnswer answer;
                try {
                    answer.body =
                        LoopbackWiki().answerTo("https://en.wikipedia.org" + request.target);
                } catch (const std::exception& error) {
                    answer.status = 502;
                    answer.body = error.what();
                }
                return answer;
            });
    }
    ~HeldLogEditor() {
        open();
        LoopbackWiki().tlsEnd().passOn(kLogEditor);
    }
    HeldLogEditor(const HeldLogEditor&) = delete;
    HeldLogEditor& operator=(const HeldLogEditor&) = delete;

    void open() {
        const std::lock_guard lock(gate_->mutex);
        gate_->open = true;
        gate_->changed.notify_all();
    }
    void close() {
        const std::lock_guard lock(gate_->mutex);
        gate_->open = false;
        gate_->arrived = 0;
    }
    // How many requests came since it was closed last.
    int arrived() const {
        const std::lock_guard lock(gate_->mutex);
        return gate_->arrived;
    }

private:
    struct Gate {
        std::mutex mutex;
        std::condition_variable changed;
        bool open = false;
        int arrived = 0;
    };
    std::shared_ptr<Gate> gate_ = std::make_shared<Gate>();
};

struct LaterRow {
    const char* name;
    const char* earlier;
    const char* later;
    // The earlier log editor is read again after the click (as the user's typing is); without,
    // the click comes right after the earlier fill.
    bool readAgain;
};

void PrintTo(const LaterRow& row, std::ostream* out) { *out << row.name; }

const LaterRow kLaterRows[] = {
    {"RightAfterTheEarlierFill", "Bench article 1", "Bench article 2", false},
    {"TheEarlierEditorReadAgainAfterTheClick", "Bench article 3", "Bench article 4", true},
};

class LaterNominationTest : public LoggedInWindowTest,
                            public testing::WithParamInterface<LaterRow> {};

// A later nomination on the same day opens the log's editor at the same address as the earlier
// one, whose fill was left unsaved; that page may still report until the new one replaces it.
TEST_P(LaterNominationTest, TheLogEditorTheClickOpensGetsTheLaterLine) {
    const LaterRow& row = GetParam();
    const auto logSummary = [](const std::string& title) {
        return "Adding [[:Wikipedia:Articles for deletion/" + title + "]].";
    };
    HeldLogEditor held;
    nominate(row.earlier, "No sources discuss it.");
    ASSERT_TRUE(user.paste(Box::Text1, row.later));
    ASSERT_TRUE(WaitInEventLoop([&] { return held.arrived() > 0; }, kGiveUpMs));
    held.open();
    const std::string earlierLine = ToUtf8(window.box(Box::Text5)->text());
    ASSERT_TRUE(filled(2, logSummary(row.earlier))) << field(2, "wpSummary");

    held.close();
    user.clickOn(window.command1());
    QQuickItem& log = PaneUser::pane(2);
    ASSERT_TRUE(WaitInEventLoop([&] { return held.arrived() > 0; }, kGiveUpMs));
    // The earlier page, still shown, says what it holds once more after the click; the marker
    // is set after that.
    const QString readAgain = row.readAgain
                                  ? QStringLiteral(
                                        "document.getElementById('wpTextbox1')"
                                        ".dispatchEvent(new Event('input', {bubbles: true}));")
                                  : QString();
    ASSERT_TRUE(
        RunInPage(log, readAgain + QStringLiteral("setTimeout(() => { window.saidAgain = true; }, "
                                                  "300); true")));
    ASSERT_TRUE(WaitInEventLoop(
        [&] {
            return RunInPage(log, QStringLiteral("window.saidAgain === true"))
                .value_or(false)
                .toBool();
        },
        kGiveUpMs));
    ASSERT_TRUE(WaitInEventLoop(
        [&] { return !window.status()->text().startsWith(QStringLiteral("Checking")); },
        kGiveUpMs));
    // Whatever the earlier page was sent meanwhile has reached it.
    ASSERT_TRUE(RunInPage(log, QStringLiteral("true")));
    held.open();
    // The earlier page is replaced by the one the click opened, which alone gets the line.
    ASSERT_TRUE(WaitInEventLoop(
        [&] {
            return RunInPage(log, QStringLiteral("window.saidAgain === undefined"))
                .value_or(false)
                .toBool();
        },
        kGiveUpMs));
    ASSERT_TRUE(filled(2, logSummary(row.later))) << field(2, "wpSummary");
    const std::string text = field(2, "wpTextbox1");
    EXPECT_THAT(text, HasSubstr("<!-- Add new entries to the TOP of the following list -->\n" +
                                ToUtf8(window.box(Box::Text5)->text()) + "\n"));
    EXPECT_THAT(text, testing::Not(HasSubstr(earlierLine)));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(SameDay, LaterNominationTest, testing::ValuesIn(kLaterRows),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace nominator
