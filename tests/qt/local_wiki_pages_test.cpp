// The local wiki as the fixture builds it: its pages, saved as the wiki saves an edit, hold what
// the English Wikipedia's templates leave behind, read back through the wiki's own API.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cctype>
#include <optional>
#include <string>
#include <vector>

#include "tests/qt/stand_in_wiki.h"

namespace nominator {
namespace {

using testing::ContainsRegex;

struct PageRow {
    const char* title;
    bool exists;
    // Each must match somewhere in the page's text (POSIX extended expressions).
    std::vector<const char*> holds;
};

void PrintTo(const PageRow& row, std::ostream* out) { *out << row.title; }

const char* const kSignature =
    R"(\[\[User:Nominator\|Nominator\]\] \(\[\[User talk:Nominator\|talk\]\]\) [0-9]{2}:[0-9]{2}, [0-9]+ [A-Z][a-z]+ [0-9]{4} \(UTC\))";

const PageRow kPages[] = {
    // {{subst:afd}}: the dated tag between two comments, named after the article itself.
    {"Tagged article",
     true,
     {R"(^<!-- [^>]+ -->
\{\{Article for deletion/dated\|page=Tagged article\|timestamp=[0-9]{14}\|year=[0-9]{4}\|month=[A-Z][a-z]+\|day=[0-9]+\|)",
      R"(\}\}
<!-- End of AfD message[^>]*-->
'''Tagged article''')"}},
    // {{subst:afd2 | pg=...| text=...}} ~~~~: heading, link to the article, reason, signed.
    {"Wikipedia:Articles for deletion/Sample page (2nd nomination)",
     true,
     {R"(^===\[\[:Sample page\]\]===
:\[\[Sample page\]\])",
      "\nThe sources are still thin\\. ", kSignature}},
    // The day's log: a header, the line new entries go under, then one line per discussion.
    {"Wikipedia:Articles for deletion/Log/2026 March 7",
     true,
     {R"(<!-- Add new entries to the TOP of the following list -->
\{\{Wikipedia:Articles for deletion/Tagged article\}\}
\{\{Wikipedia:Articles for deletion/Sample page and more\}\}
?$)"}},
    {"Sample redirect", true, {R"(^#REDIRECT \[\[Sample page\]\])"}},
    {"Sample page", true, {R"(^\{\{Short description\|)", R"(
\{\{About\|)"}},
    {"No such article", false, {}},
};

class LocalWikiPagesTest : public testing::TestWithParam<PageRow> {};

TEST_P(LocalWikiPagesTest, TheWikiHoldsWhatItsTemplatesLeft) {
    const PageRow& row = GetParam();
    const std::optional<support::WikiPage> page = LoopbackWiki().page(row.title);
    ASSERT_EQ(page.has_value(), row.exists);
    if (!page) return;
    EXPECT_EQ(page->lastSummary, "Page for the tests");
    for (const char* pattern : row.holds) EXPECT_THAT(page->text, ContainsRegex(pattern));
}

INSTANTIATE_TEST_SUITE_P(Pages, LocalWikiPagesTest, testing::ValuesIn(kPages),
                         [](const testing::TestParamInfo<PageRow>& info) {
                             std::string name;
                             for (const char c : std::string(info.param.title)) {
                                 if (std::isalnum(static_cast<unsigned char>(c))) name += c;
                             }
                             return name;
                         });

}  // namespace
}  // namespace nominator
