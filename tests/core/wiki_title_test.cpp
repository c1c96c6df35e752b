#include "core/wiki_title.h"

#include <gtest/gtest.h>

#include <ostream>
#include <span>
#include <string>
#include <string_view>

namespace {

using namespace std::string_view_literals;

struct NameCase {
    const char* name;
    std::string_view title;
    std::string_view wikiName;
};

void PrintTo(const NameCase& row, std::ostream* out) { *out << row.name; }

class WikiNameTest : public testing::TestWithParam<NameCase> {};

TEST_P(WikiNameTest, IsTheNameTheWikiKeepsTheTitleUnder) {
    EXPECT_EQ(nominator::WikiName(GetParam().title), GetParam().wikiName);
}

const NameCase kSpaces[] = {
    {"Plain", "Sample", "Sample"},
    {"InnerSpaceKept", "Sample page", "Sample page"},
    {"UnderscoreIsASpace", "Sample_page", "Sample page"},
    {"RunOfSpaces", "Sample   page", "Sample page"},
    {"MixedRun", "Sample _ __ page", "Sample page"},
    {"LeadingAndTrailing", "  Sample page  ", "Sample page"},
    {"LeadingAndTrailingUnderscores", "__Sample_page__", "Sample page"},
    {"SeveralWords", "a_b c__d", "A b c d"},
    {"Empty", "", ""},
    {"SpacesOnly", "   ", ""},
    {"UnderscoresAndSpacesOnly", " _ _ ", ""},
    {"OtherWhitespaceIsNotASpace", "a\tb\nc", "A\tb\nc"},
    {"NoBreakSpaceIsASpace", "a\u00A0b\u00A0", "A b"},
    {"IdeographicAndThinSpaces", "\u3000a\u2009 _b", "A b"},
    {"NarrowNoBreakSpaceInARun", "a \u202F_b", "A b"},
    {"DirectionMarksDropped", "\u200Ea\u200Fb\u202Ac\u202E", "Abc"},
    {"DirectionMarkBetweenSpaces", "a \u200E b", "A b"},
    {"ZeroWidthSpaceIsNotASpace", "a\u200Bb", "A\u200Bb"},
};

const NameCase kFirstLetters[] = {
    {"LowerAscii", "sample page", "Sample page"},
    {"OnlyTheFirstLetter", "sample Page title", "Sample Page title"},
    {"FirstLetterAfterSpaces", "  émile zola", "Émile zola"},
    {"UpperAlready", "Éclair", "Éclair"},
    {"Accented", "éclair", "Éclair"},
    {"SharpSHasNoSingleUpperCase", "ßtraße", "ßtraße"},
    {"Greek", "ωμέγα", "Ωμέγα"},
    {"Cyrillic", "ярмарка", "Ярмарка"},
    {"DottedIIsNotTurkish", "istanbul", "Istanbul"},
    {"DotlessIShrinksToOneByte", "ıx", "Ix"},
    {"TurnedAGrowsToThreeBytes", "ɐx", "Ɐx"},
    {"DigraphTakesUpperNotTitleCase", "ǆungla", "Ǆungla"},
    {"FourByteLetter", "𐐨x", "𐐀x"},
    {"Digit", "2001 odyssey", "2001 odyssey"},
    {"Punctuation", "(sample)", "(sample)"},
    {"NoCase", "日本", "日本"},
    {"GeorgianKeepsItsLetter", "თბილისი", "თბილისი"},
    {"Emoji", "😀 smile", "😀 smile"},
    {"SingleLetter", "x", "X"},
    {"EmbeddedNul", "a\0b"sv, "A\0b"sv},
    {"LeadingNul", "\0a"sv, "\0a"sv},
};

const NameCase kInvalidUtf8[] = {
    {"LoneContinuationByte",
     "\x80"
     "abc",
     "\x80"
     "abc"},
    {"InvalidLeadByte",
     "\xFF"
     "abc",
     "\xFF"
     "abc"},
    {"TruncatedSequence", "\xC3", "\xC3"},
    {"TruncatedBeforeSpace", "\xC3 a", "\xC3 a"},
    {"OverlongEncoding",
     "\xC1\xA1"
     "b",
     "\xC1\xA1"
     "b"},
    {"EncodedSurrogate",
     "\xED\xA0\x80"
     "x",
     "\xED\xA0\x80"
     "x"},
    {"BeyondUnicode",
     "\xF4\x90\x80\x80"
     "x",
     "\xF4\x90\x80\x80"
     "x"},
    {"InvalidLaterStillSpaced", "a\xFF b__c", "A\xFF b c"},
};

const auto kRowName = [](const auto& info) { return std::string(info.param.name); };
INSTANTIATE_TEST_SUITE_P(Spaces, WikiNameTest, testing::ValuesIn(kSpaces), kRowName);
INSTANTIATE_TEST_SUITE_P(FirstLetters, WikiNameTest, testing::ValuesIn(kFirstLetters), kRowName);
INSTANTIATE_TEST_SUITE_P(InvalidUtf8, WikiNameTest, testing::ValuesIn(kInvalidUtf8), kRowName);

// The wiki's name of a title is its own wiki name: applying the rules twice changes nothing.
TEST(WikiNameTest, IsAlreadyTheWikiNameOfItself) {
    for (const std::span<const NameCase> rows :
         {std::span<const NameCase>(kSpaces), std::span<const NameCase>(kFirstLetters),
          std::span<const NameCase>(kInvalidUtf8)}) {
        for (const NameCase& row : rows) {
            SCOPED_TRACE(row.name);
            EXPECT_EQ(nominator::WikiName(row.wikiName), row.wikiName);
        }
    }
}

}  // namespace
