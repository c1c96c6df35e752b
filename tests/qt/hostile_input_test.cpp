// Titles and reasons as users type or paste them, hostile ones included, through the real
// window and the real browser engine: the texts must come back whole and unchanged, and each
// pane must request an address that names exactly the typed title.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QLineEdit>
#include <chrono>
#include <string>

#include "core/wiki_addresses.h"
#include "core/wiki_title.h"
#include "tests/qt/nomination_harness.h"
#include "window/qt/utf8.h"

namespace nominator {
namespace {

using testing::ElementsAre;

enum class Entry { Typed, Pasted };

struct HostileInput {
    const char* name;
    std::string title;
    std::string reason;
    Entry entry;
};

std::string Repeat(const std::string& piece, std::size_t times) {
    std::string text;
    for (std::size_t i = 0; i < times; ++i) text += piece;
    return text;
}

// Written independently of the program's encoder, to read back what the engine requested.
std::string PercentDecode(const std::string& encoded) {
    std::string decoded;
    for (std::size_t i = 0; i < encoded.size(); ++i) {
        if (encoded[i] == '%' && i + 2 < encoded.size()) {
            decoded += static_cast<char>(std::stoi(encoded.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            decoded += encoded[i];
        }
    }
    return decoded;
}

std::string Between(const std::string& text, const std::string& before, const std::string& after) {
    const std::size_t start = text.find(before);
    if (start == std::string::npos) return "<no " + before + ">";
    const std::size_t begin = start + before.size();
    const std::size_t end = after.empty() ? text.size() : text.rfind(after);
    if (end == std::string::npos || end < begin) return "<no " + after + ">";
    return text.substr(begin, end - begin);
}

const auto kNoon = std::chrono::sys_days{std::chrono::year{2026} / 12 / 8} + std::chrono::hours{12};

class HostileInputTest : public testing::TestWithParam<HostileInput> {};

TEST_P(HostileInputTest, TextsStayWholeAndAddressesNameTheTypedTitle) {
    const HostileInput& input = GetParam();
    NominationHarness harness{kNoon};
    ASSERT_TRUE(harness.start()) << "the browser panes never appeared";

    if (input.entry == Entry::Typed) {
        harness.type(Box::Text1, ToQString(input.title));
        harness.type(Box::Reason, ToQString(input.reason));
    } else {
        harness.paste(Box::Text1, ToQString(input.title));
        harness.paste(Box::Reason, ToQString(input.reason));
    }
    ASSERT_EQ(ToUtf8(harness.window().box(Box::Text1)->text()), input.title);
    harness.clickNominate();
    ASSERT_TRUE(harness.waitForRequests(3));

    EXPECT_EQ(ToUtf8(harness.window().box(Box::Text3)->text()),
              "{{subst:afd2 | pg=" + input.title + "| text=" + input.reason + "}} ~~~~");
    // The log line and the discussion name the wiki's own spelling of the title.
    const std::string name = WikiName(input.title);
    EXPECT_EQ(ToUtf8(harness.window().box(Box::Text5)->text()), "{{subst:afd3 | pg=" + name + "}}");

    const std::vector<RecordedRequest>& requests = harness.requests();
    ASSERT_THAT(requests, testing::SizeIs(3));
    EXPECT_EQ(requests[0].pane, "Browser");
    EXPECT_EQ(requests[1].pane, "Browser3");
    EXPECT_EQ(requests[2].pane, "Browser2");
    // Byte for byte what the program built, so nothing on the way re-encoded it ...
    EXPECT_EQ(requests[0].address, ArticleEditUrl(input.title));
    EXPECT_EQ(requests[1].address,
              "https://en.wikipedia.org/w/index.php?title=Wikipedia:Articles_for_deletion/Log/"
              "2026_December_8&action=edit");
    EXPECT_EQ(requests[2].address, DiscussionUrl(name));
    // ... and it names exactly the typed title.
    EXPECT_EQ(PercentDecode(Between(requests[0].address, "/w/index.php?title=", "&action=edit")),
              input.title);
    EXPECT_EQ(
        PercentDecode(Between(requests[2].address, "/wiki/Wikipedia:Articles_for_deletion/", "")),
        name);
    // Only the title's own bytes may follow the query's one separator.
    EXPECT_EQ(requests[0].address.find('#'), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, HostileInputTest,
    testing::Values(
        HostileInput{"Ampersand", "AT&T", "a & b", Entry::Typed},
        HostileInput{"Hash", "Foo#bar", "see #3", Entry::Typed},
        HostileInput{"QuestionMarkAndEquals", "Who?title=Other&action=delete", "a=b?",
                     Entry::Typed},
        HostileInput{"Plus", "C++", "1+1", Entry::Typed},
        HostileInput{"PercentAloneAndBeforeHex", "100% and %41%2F%zz", "%20%", Entry::Typed},
        HostileInput{"SubpageAndNamespace", "Talk:Foo/Bar (2nd nomination)", "User:Me/sandbox",
                     Entry::Typed},
        HostileInput{"LeadingAndTrailingSpaces", "  Spaced title  ", " reason ", Entry::Typed},
        HostileInput{"Tabs", "Tab\there", "\tindented", Entry::Pasted},
        HostileInput{"QuotesAndAngleBrackets", "\"Quoted\" 'single' <b>bold</b>",
                     "<script>alert(1)</script>", Entry::Typed},
        HostileInput{"WikiMarkup", "[[Link|label]] {{tl|x}}", "| text= ~~~~ }} {{", Entry::Typed},
        HostileInput{"MultiLinePaste", "First line\nSecond line", "one\r\ntwo\nthree",
                     Entry::Pasted},
        HostileInput{"NonLatinScripts", "Москва 東京 Ελλάδα", "नमस्ते 안녕", Entry::Pasted},
        HostileInput{"RightToLeft", "עברית العربية", "\u202Eevil\u202C", Entry::Pasted},
        HostileInput{"CombiningMarks", "Cafe\u0301 n\u0303", "e\u0301\u0301\u0301", Entry::Pasted},
        HostileInput{"Emoji", "Rocket \U0001F680 family \U0001F468\u200D\U0001F469\u200D\U0001F467",
                     "\U0001F44D", Entry::Pasted},
        HostileInput{"HundredThousandCharacters", Repeat("Long title ", 9091).substr(0, 100000),
                     Repeat("reason ", 14286).substr(0, 100000), Entry::Pasted}),
    [](const testing::TestParamInfo<HostileInput>& info) { return info.param.name; });

}  // namespace
}  // namespace nominator
