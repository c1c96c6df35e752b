#include "core/nomination_texts.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>

namespace {

using namespace std::string_view_literals;

TEST(ArticleTagTest, IsTheSubstitutedAfdTemplate) {
    EXPECT_EQ(nominator::ArticleTag, "{{subst:afd}}");
}

struct TextCase {
    const char* name;
    std::string_view title;
    std::string_view reason;
    std::string_view discussion;
    std::string_view logLine;
};

void PrintTo(const TextCase& row, std::ostream* out) { *out << row.name; }

class NominationTextsTest : public testing::TestWithParam<TextCase> {};

TEST_P(NominationTextsTest, DiscussionTextJoinsTitleAndReasonVerbatim) {
    EXPECT_EQ(nominator::DiscussionText(GetParam().title, GetParam().reason),
              GetParam().discussion);
}

TEST_P(NominationTextsTest, LogLineJoinsTitleVerbatim) {
    EXPECT_EQ(nominator::LogLine(GetParam().title), GetParam().logLine);
}

const TextCase kTexts[] = {
    {"Plain", "Sample", "Not notable", "{{subst:afd2 | pg=Sample| text=Not notable}} ~~~~",
     "{{subst:afd3 | pg=Sample}}"},
    {"SingleWord", "Word", "Fails WP:GNG.", "{{subst:afd2 | pg=Word| text=Fails WP:GNG.}} ~~~~",
     "{{subst:afd3 | pg=Word}}"},
    {"Empty", "", "", "{{subst:afd2 | pg=| text=}} ~~~~", "{{subst:afd3 | pg=}}"},
    {"EmptyReason", "Sample", "", "{{subst:afd2 | pg=Sample| text=}} ~~~~",
     "{{subst:afd3 | pg=Sample}}"},
    {"MarkupCharacters", "A|b{{c}}=d~e", "x | y = {{z}} ~~~~ }}",
     "{{subst:afd2 | pg=A|b{{c}}=d~e| text=x | y = {{z}} ~~~~ }}}} ~~~~",
     "{{subst:afd3 | pg=A|b{{c}}=d~e}}"},
    {"SurroundingSpaces", "  Padded title ", " reason  ",
     "{{subst:afd2 | pg=  Padded title | text= reason  }} ~~~~",
     "{{subst:afd3 | pg=  Padded title }}"},
    {"MultiByteUtf8", "Café 日本 😀", "Nicht relevant – Quelle fehlt",
     "{{subst:afd2 | pg=Café 日本 😀| text=Nicht relevant – Quelle fehlt}} ~~~~",
     "{{subst:afd3 | pg=Café 日本 😀}}"},
    {"MultiLineReason", "Sample", "First line.\nSecond line.\n",
     "{{subst:afd2 | pg=Sample| text=First line.\nSecond line.\n}} ~~~~",
     "{{subst:afd3 | pg=Sample}}"},
    {"EmbeddedNul", "a\0b"sv, "c\0d"sv, "{{subst:afd2 | pg=a\0b| text=c\0d}} ~~~~"sv,
     "{{subst:afd3 | pg=a\0b}}"sv},
};

INSTANTIATE_TEST_SUITE_P(Inputs, NominationTextsTest, testing::ValuesIn(kTexts),
                         [](const auto& info) { return std::string(info.param.name); });

struct CategoryCase {
    const char* name;
    std::string_view category;
    std::string_view discussion;
};

class CategorisedDiscussionTest : public testing::TestWithParam<CategoryCase> {};

TEST_P(CategorisedDiscussionTest, CarriesTheCategoryBeforeTheReasonOnlyWhenChosen) {
    EXPECT_EQ(nominator::DiscussionText("Sample", "Not notable", GetParam().category),
              GetParam().discussion);
}

const CategoryCase kCategories[] = {
    {"None", "", "{{subst:afd2 | pg=Sample| text=Not notable}} ~~~~"},
    {"Biographical", "B", "{{subst:afd2 | pg=Sample| cat=B| text=Not notable}} ~~~~"},
    {"Indiscernible", "I", "{{subst:afd2 | pg=Sample| cat=I| text=Not notable}} ~~~~"},
};

INSTANTIATE_TEST_SUITE_P(Categories, CategorisedDiscussionTest, testing::ValuesIn(kCategories),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
