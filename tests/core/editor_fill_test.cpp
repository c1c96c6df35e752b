#include "core/editor_fill.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

namespace nominator {

void PrintTo(const PlacedText& placed, std::ostream* out) {
    *out << "outcome " << static_cast<int>(placed.outcome) << " text \"" << placed.text << '"'
         << (placed.removedProposedDeletion ? " removed a proposed-deletion tag" : "");
}

void PrintTo(const ListedLog& log, std::ostream* out) {
    *out << "outcome " << static_cast<int>(log.outcome) << " text \"" << log.text << '"';
}

namespace {

const std::string kTag = "{{subst:afd}}";
const std::string kSample =
    "{{Short description|A page for trying things out}}\n"
    "{{About|the sample page|other samples|Sample (disambiguation)}}\n";
const std::string kLead = "'''Sample page''' is a page.\n";

struct TagCase {
    const char* name;
    std::string article;
    std::string tag;
    std::optional<std::string> tagged;
};

void PrintTo(const TagCase& row, std::ostream* out) { *out << row.name; }

class TaggedArticleTextTest : public testing::TestWithParam<TagCase> {};

TEST_P(TaggedArticleTextTest, PutsTheTagBelowTheLeadingTemplates) {
    EXPECT_EQ(TaggedArticleText(GetParam().article, GetParam().tag), GetParam().tagged);
}

const TagCase kPlaces[] = {
    {"ShortDescriptionAndAbout", kSample + kLead, kTag, kSample + kTag + "\n" + kLead},
    {"NoLeadingTemplate", kLead, kTag, kTag + "\n" + kLead},
    {"EmptyArticle", "", kTag, kTag + "\n"},
    {"InfoboxFirst", "{{Infobox person\n| name = Sample\n}}\n" + kLead, kTag,
     kTag + "\n{{Infobox person\n| name = Sample\n}}\n" + kLead},
    {"MaintenanceTemplateIsNoHatnote", "{{Short description|x}}\n{{Use dmy dates|date=May 2026}}\n",
     kTag, "{{Short description|x}}\n" + kTag + "\n{{Use dmy dates|date=May 2026}}\n"},
    {"SeveralHatnotes",
     "{{Short description|x}}\n{{For|the band|Sample (band)}}\n{{Distinguish|Simple}}\n"
     "{{Redirect2|Sampel|Smple|other uses}}\n{{Other uses}}\n" +
         kLead,
     kTag,
     "{{Short description|x}}\n{{For|the band|Sample (band)}}\n{{Distinguish|Simple}}\n"
     "{{Redirect2|Sampel|Smple|other uses}}\n{{Other uses}}\n" +
         kTag + "\n" + kLead},
    {"HatnoteWithoutShortDescription", "{{hatnote|See also [[Other]].}}\n" + kLead, kTag,
     "{{hatnote|See also [[Other]].}}\n" + kTag + "\n" + kLead},
    {"NamesAsTheWikiReadsThem",
     "{{short_description|x}}\n{{ Template:about |y}}\n{{Other_uses\n}}\n" + kLead, kTag,
     "{{short_description|x}}\n{{ Template:about |y}}\n{{Other_uses\n}}\n" + kTag + "\n" + kLead},
    {"NestedTemplateInHatnote", "{{About|the {{lang|fr|échantillon}}|x}}\n" + kLead, kTag,
     "{{About|the {{lang|fr|échantillon}}|x}}\n" + kTag + "\n" + kLead},
    {"HatnoteSpanningLines", "{{Short description|x}}\n{{About\n|the page\n|other\n}}\n" + kLead,
     kTag, "{{Short description|x}}\n{{About\n|the page\n|other\n}}\n" + kTag + "\n" + kLead},
    {"BlankLinesBetween", "{{Short description|x}}\n\n  \n{{About|y}}\n\n" + kLead, kTag,
     "{{Short description|x}}\n\n  \n{{About|y}}\n" + kTag + "\n\n" + kLead},
    {"EndsRightAfterTheTemplates", "{{Short description|x}}", kTag,
     "{{Short description|x}}\n" + kTag + "\n"},
    {"TextAfterTheTemplateOnItsLine", "{{Short description|x}} '''Sample''' is\na page.\n", kTag,
     "{{Short description|x}} \n" + kTag + "\n'''Sample''' is\na page.\n"},
    // The next line is inside the infobox, so the tag must not wait for it.
    {"InfoboxOnTheTemplatesLine", "{{Short description|x}}{{Infobox\n| a = b\n}}\n", kTag,
     "{{Short description|x}}\n" + kTag + "\n{{Infobox\n| a = b\n}}\n"},
    {"UnclosedHatnote", "{{About|x\n" + kLead, kTag, kTag + "\n{{About|x\n" + kLead},
    {"LookAlikeNameIsNoHatnote", "{{Abouts|x}}\n", kTag, kTag + "\n{{Abouts|x}}\n"},
    {"RenominationTag", kSample + kLead, "{{subst:afdx|2nd}}",
     kSample + "{{subst:afdx|2nd}}\n" + kLead},
    {"HostileTagArrivesAsItIs", "Text \xE2\x80\xA8 é\n", "\"'\\</script>\xE2\x80\xA8|}}{{",
     "\"'\\</script>\xE2\x80\xA8|}}{{\nText \xE2\x80\xA8 é\n"},
};

const TagCase kAlreadyTagged[] = {
    {"TagPresent", kSample + kTag + "\n" + kLead, kTag, std::nullopt},
    {"FirstNominationTemplateLeft", "{{Article for deletion/dated|page=Sample}}\n" + kLead, kTag,
     std::nullopt},
    {"RenominationTemplateLeftAsTheWikiReadsIt", "<!-- x -->{{ afDM |page=Sample}}\n" + kLead, kTag,
     std::nullopt},
    {"DatedTemplateSpelledOtherwise", "{{Template:article_for deletion/dated\n|page=Sample}}\n",
     kTag, std::nullopt},
    {"OtherDeletionTemplateIsNoTag", "{{Article for deletion/dated2|x}}\n", kTag,
     kTag + "\n{{Article for deletion/dated2|x}}\n"},
};

const auto kRowName = [](const auto& info) { return std::string(info.param.name); };
INSTANTIATE_TEST_SUITE_P(Places, TaggedArticleTextTest, testing::ValuesIn(kPlaces), kRowName);
INSTANTIATE_TEST_SUITE_P(AlreadyTagged, TaggedArticleTextTest, testing::ValuesIn(kAlreadyTagged),
                         kRowName);

const std::string kLine = "{{subst:afd3 | pg=Sample}}";
const std::string kPage = "Wikipedia:Articles for deletion/Sample";
const std::string kMarker = std::string(kNewEntriesMarker);
const std::string kHead = "{{Deletiondebatelog}}\n" + kMarker + "\n";
const std::string kEntries =
    "{{Wikipedia:Articles for deletion/Other}}\n{{Wikipedia:Articles for deletion/More}}\n";

struct LogCase {
    const char* name;
    std::string log;
    ListedLog listed;
};

void PrintTo(const LogCase& row, std::ostream* out) { *out << row.name; }

class ListedLogTextTest : public testing::TestWithParam<LogCase> {};

TEST_P(ListedLogTextTest, PutsTheLineFirstInTheList) {
    EXPECT_EQ(ListedLogText(GetParam().log, kLine, kPage), GetParam().listed);
}

using Outcome = ListedLog::Outcome;

const LogCase kLogs[] = {
    {"MarkerThenEntries", kHead + kEntries, {Outcome::Listed, kHead + kLine + "\n" + kEntries}},
    {"BlankLinesThenEntries",
     kHead + "\n \t\n" + kEntries,
     {Outcome::Listed, kHead + "\n \t\n" + kLine + "\n" + kEntries}},
    {"MarkerAtTheEnd",
     "{{Deletiondebatelog}}\n" + kMarker,
     {Outcome::Listed, "{{Deletiondebatelog}}\n" + kMarker + "\n" + kLine + "\n"}},
    {"OnlyBlankLinesAfterTheMarker",
     kHead + "\n  ",
     {Outcome::Listed, kHead + "\n  \n" + kLine + "\n"}},
    {"MarkerAmidALine",
     "x " + kMarker + " y\n" + kEntries,
     {Outcome::Listed, "x " + kMarker + " y\n" + kLine + "\n" + kEntries}},
    {"NoMarker", "{{Deletiondebatelog}}\n" + kEntries, {Outcome::NoMarker, ""}},
    {"EmptyLog", "", {Outcome::NoMarker, ""}},
    {"LineThere", kHead + kLine + "\n" + kEntries, {Outcome::AlreadyListed, ""}},
    {"TransclusionThere", kHead + "{{" + kPage + "}}\n" + kEntries, {Outcome::AlreadyListed, ""}},
    {"TransclusionSpelledOtherwise",
     kHead + "{{wikipedia:Articles_for_deletion/Sample }}\n",
     {Outcome::AlreadyListed, ""}},
    {"RenominationIsAnotherDiscussion",
     kHead + "{{Wikipedia:Articles for deletion/Sample (2nd nomination)}}\n",
     {Outcome::Listed,
      kHead + kLine + "\n{{Wikipedia:Articles for deletion/Sample (2nd nomination)}}\n"}},
};

INSTANTIATE_TEST_SUITE_P(Logs, ListedLogTextTest, testing::ValuesIn(kLogs), kRowName);

// A proposed deletion's tag as the wiki's software leaves it, spanning lines, with a nested
// template and a link among its parameters.
const std::string kProd =
    "{{Proposed deletion/dated\n|concern = Fails [[WP:GNG|notability]]; see {{tl|notability}}\n"
    "|timestamp = 20260301120000\n|nom = Someone\n|help = off\n}}";
const std::string kProdBlp = "{{Prod blp/dated|concern=No sources|month=March|day=1|year=2026}}";

struct ProposedCase {
    const char* name;
    std::string article;
    PlacedText placed;
};

void PrintTo(const ProposedCase& row, std::ostream* out) { *out << row.name; }

class ProposedDeletionTest : public testing::TestWithParam<ProposedCase> {};

TEST_P(ProposedDeletionTest, TheArticlesTagTakesThePlaceOfItsProposedDeletionTag) {
    EXPECT_EQ(PlaceText(Placement::BelowHatnotes, GetParam().article, kTag, kPage),
              GetParam().placed);
}

using Placed = PlacedText::Outcome;

const ProposedCase kProposed[] = {
    {"OnTopWithParameters", kProd + "\n" + kLead, {Placed::Placed, kTag + "\n" + kLead, true}},
    {"BiographysOwnTemplate", kProdBlp + "\n" + kLead, {Placed::Placed, kTag + "\n" + kLead, true}},
    {"BelowShortDescriptionAndHatnote",
     kSample + kProd + "\n" + kLead,
     {Placed::Placed, kSample + kTag + "\n" + kLead, true}},
    {"AboveTheShortDescription",
     kProd + "\n" + kSample + kLead,
     {Placed::Placed, kSample + kTag + "\n" + kLead, true}},
    {"NamesAsTheWikiReadsThem",
     "{{ proposed_deletion/dated |concern=x}}\n{{Template:prod  blp/dated\n|concern=y}}\n" + kLead,
     {Placed::Placed, kTag + "\n" + kLead, true}},
    {"SeveralTagsAmidTheText",
     "{{Short description|x}}\n" + kProd + "\n'''Sample''' " + kProdBlp + "is a page.\n",
     {Placed::Placed, "{{Short description|x}}\n" + kTag + "\n'''Sample''' is a page.\n", true}},
    {"SpacesAroundTheTagGoWithItsLine",
     "  " + kProdBlp + " \t\n" + kLead,
     {Placed::Placed, kTag + "\n" + kLead, true}},
    {"TextOnTheTagsLineStays",
     "Lead " + kProdBlp + "\nMore.\n",
     {Placed::Placed, kTag + "\nLead \nMore.\n", true}},
    {"TagAtTheEnd", kLead + kProd, {Placed::Placed, kTag + "\n" + kLead, true}},
    {"NestedTemplatesWithinNestedTemplates",
     "{{Proposed deletion/dated|concern={{a|{{b|[[c|d]]}}}}|nom=e}}\n" + kLead,
     {Placed::Placed, kTag + "\n" + kLead, true}},
    {"ClosingBracesInACommentAreNotTheTags",
     "{{Prod blp/dated|concern=x <!-- }} --> y}}\n" + kLead,
     {Placed::Placed, kTag + "\n" + kLead, true}},
    {"LaterTagAfterAnEarlierOne",
     kProdBlp + kProd + "\n" + kLead,
     {Placed::Placed, kTag + "\n" + kLead, true}},
};

// Text that is no tag, or no tag closed where the wiki would see it end, stays as it is.
const ProposedCase kNotProposed[] = {
    {"UnclosedTagStays",
     "{{Proposed deletion/dated|concern=x\n" + kLead,
     {Placed::Placed, kTag + "\n{{Proposed deletion/dated|concern=x\n" + kLead, false}},
    {"UnclosedNestedTemplateKeepsTheTag",
     "{{Prod blp/dated|concern={{a|b}}\n" + kLead,
     {Placed::Placed, kTag + "\n{{Prod blp/dated|concern={{a|b}}\n" + kLead, false}},
    {"TextAfterAnUnclosedTagStays",
     kProdBlp + "\n{{Prod blp/dated|x\n" + kProd + "\n" + kLead,
     {Placed::Placed, kTag + "\n{{Prod blp/dated|x\n" + kProd + "\n" + kLead, true}},
    {"TagInACommentIsNoTag",
     "<!-- " + kProd + " -->\n" + kLead,
     {Placed::Placed, kTag + "\n<!-- " + kProd + " -->\n" + kLead, false}},
    {"UnclosedCommentHidesTheRest",
     "<!-- x\n" + kProd + "\n",
     {Placed::Placed, kTag + "\n<!-- x\n" + kProd + "\n", false}},
    {"LookAlikeNames",
     "{{Proposed deletion/dated2|x}}\n{{Prod blp|x}}\n{{Proposed deletion|x}}\n",
     {Placed::Placed,
      kTag + "\n{{Proposed deletion/dated2|x}}\n{{Prod blp|x}}\n{{Proposed deletion|x}}\n", false}},
    {"NameMadeByATemplate",
     "{{Prod {{x}}/dated|y}}\n",
     {Placed::Placed, kTag + "\n{{Prod {{x}}/dated|y}}\n", false}},
    {"SpeedyDeletionTagStays",
     "{{db-a7|help=off}}\n" + kLead,
     {Placed::Placed, kTag + "\n{{db-a7|help=off}}\n" + kLead, false}},
    // The article is at a discussion already: its editor is left as it is, tag and all.
    {"AlreadyTaggedIsLeftAlone",
     kProd + "\n" + kTag + "\n" + kLead,
     {Placed::AlreadyThere, "", false}},
};

INSTANTIATE_TEST_SUITE_P(Proposed, ProposedDeletionTest, testing::ValuesIn(kProposed), kRowName);
INSTANTIATE_TEST_SUITE_P(NotProposed, ProposedDeletionTest, testing::ValuesIn(kNotProposed),
                         kRowName);

// Only the article's placement takes proposed-deletion tags out; the other edits' pages keep
// what they hold.
TEST(ProposedDeletionTest, OtherPlacementsKeepTheTag) {
    const std::string log = kHead + kProd + "\n";
    EXPECT_EQ(PlaceText(Placement::FirstLogEntry, log, kLine, kPage),
              (PlacedText{Placed::Placed, kHead + kLine + "\n" + kProd + "\n"}));
    const PlacedText noticed = PlaceText(Placement::NewSection, kProd + "\n", "Notice ~~~~", kPage);
    EXPECT_EQ(noticed.outcome, Placed::Placed);
    EXPECT_EQ(noticed.text.find(kProd), 0U);
    EXPECT_FALSE(noticed.removedProposedDeletion);
}

struct DiscussionCase {
    const char* name;
    std::string editor;
    bool filled;
};

void PrintTo(const DiscussionCase& row, std::ostream* out) { *out << row.name; }

class NewDiscussionTextTest : public testing::TestWithParam<DiscussionCase> {};

TEST_P(NewDiscussionTextTest, FillsOnlyAnEmptyEditor) {
    const std::string discussion = "{{subst:afd2 | pg=Sample| text=Not notable}} ~~~~";
    EXPECT_EQ(NewDiscussionText(GetParam().editor, discussion),
              GetParam().filled ? std::optional(discussion) : std::nullopt);
}

const DiscussionCase kEditors[] = {
    {"Empty", "", true},
    {"WhiteSpace", " \n\t\r\n", true},
    {"Text", "\n Someone else's discussion", false},
};

INSTANTIATE_TEST_SUITE_P(Editors, NewDiscussionTextTest, testing::ValuesIn(kEditors), kRowName);

TEST(SummariesTest, LinkTheDiscussionOrTheArticle) {
    EXPECT_EQ(ArticleTagSummary("Sample (2nd nomination)"),
              "Nominated for deletion; see [[:Wikipedia:Articles for deletion/Sample (2nd "
              "nomination)]].");
    EXPECT_EQ(DiscussionSummary("Sample page"),
              "Creating deletion discussion page for [[:Sample page]].");
    EXPECT_EQ(LogLineSummary("Sample"), "Adding [[:Wikipedia:Articles for deletion/Sample]].");
}

}  // namespace
}  // namespace nominator
