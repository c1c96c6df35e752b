#include "core/percent_encoding.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdio>
#include <optional>
#include <ostream>
#include <random>
#include <string>
#include <string_view>

namespace {

using namespace std::string_view_literals;
using nominator::PercentEncode;

constexpr std::string_view kKept =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_.~:/;@$!*(),";

bool IsKept(char c) { return kKept.find(c) != std::string_view::npos; }

TEST(PercentEncodeTest, MapsEveryByteValue) {
    int kept = 0;
    for (int value = 0; value < 256; ++value) {
        const char byte = static_cast<char>(value);
        std::string expected(1, byte);
        if (!IsKept(byte)) {
            char escape[4];
            std::snprintf(escape, sizeof escape, "%%%02X", static_cast<unsigned>(value));
            expected = escape;
        } else {
            ++kept;
        }
        SCOPED_TRACE(value);
        EXPECT_EQ(PercentEncode(std::string_view(&byte, 1)), expected);
    }
    EXPECT_EQ(kept, 76);
}

struct EncodeCase {
    const char* name;
    std::string_view text;
    std::string_view encoded;
};

void PrintTo(const EncodeCase& row, std::ostream* out) { *out << row.name; }

class PercentEncodeExampleTest : public testing::TestWithParam<EncodeCase> {};

TEST_P(PercentEncodeExampleTest, EncodesAsWritten) {
    EXPECT_EQ(PercentEncode(GetParam().text), GetParam().encoded);
}

const EncodeCase kExamples[] = {
    {"Empty", "", ""},
    {"Space", " ", "%20"},
    {"TwoByteUtf8", "é", "%C3%A9"},
    {"ThreeByteUtf8", "日本", "%E6%97%A5%E6%9C%AC"},
    {"FourByteUtf8", "😀", "%F0%9F%98%80"},
    {"QueryDelimiters", "a b+c&d=e?f#g", "a%20b%2Bc%26d%3De%3Ff%23g"},
    {"WikiMarkup", "[[x]]{{y}}|<z>", "%5B%5Bx%5D%5D%7B%7By%7D%7D%7C%3Cz%3E"},
    {"QuotesAndEscapes", "'\"\\^`%", "%27%22%5C%5E%60%25"},
    {"ControlBytes", "a\0b\tc\nd\x7F"sv, "a%00b%09c%0Ad%7F"},
    {"KeptPunctuation", "-_.~:/;@$!*(),", "-_.~:/;@$!*(),"},
    {"AlreadyEncoded", "%20%2B", "%2520%252B"},
    {"LoneHighBytes", "\x80\xFF", "%80%FF"},
};

INSTANTIATE_TEST_SUITE_P(Examples, PercentEncodeExampleTest, testing::ValuesIn(kExamples),
                         [](const auto& info) { return std::string(info.param.name); });

// Decodes the canonical form only: kept characters as they are and %XX with upper-case hex.
// Anything else gives nullopt, so one comparison checks both the round trip and the form.
std::optional<std::string> StrictPercentDecode(std::string_view text) {
    constexpr std::string_view kHex = "0123456789ABCDEF";
    std::string decoded;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            if (!IsKept(text[i])) return std::nullopt;
            decoded += text[i];
            continue;
        }
        if (i + 2 >= text.size()) return std::nullopt;
        const auto high = kHex.find(text[i + 1]);
        const auto low = kHex.find(text[i + 2]);
        if (high == std::string_view::npos || low == std::string_view::npos) return std::nullopt;
        decoded += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return decoded;
}

void AppendUtf8(std::string& out, char32_t cp) {
    const int tail = cp < 0x80 ? 0 : cp < 0x800 ? 1 : cp < 0x10000 ? 2 : 3;
    constexpr unsigned kLead[] = {0x00, 0xC0, 0xE0, 0xF0};
    out += static_cast<char>(kLead[tail] | (cp >> (6 * tail)));
    for (int k = tail - 1; k >= 0; --k) out += static_cast<char>(0x80 | ((cp >> (6 * k)) & 0x3F));
}

std::string GenerateTitle(std::mt19937& rng, int kind) {
    const auto pick = [&rng](unsigned lo, unsigned hi) {
        return std::uniform_int_distribution<unsigned>(lo, hi)(rng);
    };
    // Delimiters, markup, escapes and the pieces of would-be escapes such as "%2B".
    constexpr auto kHostile = " &#?+=%'\"<>[]{}|\\^`~:/\t\n\x7F\0aB2Z09"sv;
    std::string title;
    const unsigned length = pick(0, 24);
    for (unsigned n = 0; n < length; ++n) {
        if (kind == 0) {
            title += static_cast<char>(pick(0, 255));
        } else if (kind == 1) {
            // Spread over all four UTF-8 lengths, stepping round the surrogates.
            const unsigned limits[] = {0x7F, 0x7FF, 0xFFFF, 0x10FFFF};
            char32_t cp = pick(0, limits[pick(0, 3)]);
            if (cp >= 0xD800 && cp <= 0xDFFF) cp -= 0x800;
            AppendUtf8(title, cp);
        } else {
            title += kHostile[pick(0, kHostile.size() - 1)];
        }
    }
    return title;
}

TEST(PercentEncodeTest, RoundTripsGeneratedTitlesInCanonicalForm) {
    std::mt19937 rng(20260307);
    for (int i = 0; i < 3000; ++i) {
        const std::string title = GenerateTitle(rng, i % 3);
        const std::string encoded = PercentEncode(title);
        SCOPED_TRACE(testing::Message() << "title #" << i << " encoded as " << encoded);
        ASSERT_EQ(StrictPercentDecode(encoded), title);
        std::size_t escaped = 0;
        for (const char c : title) escaped += IsKept(c) ? 0 : 1;
        ASSERT_EQ(encoded.size(), title.size() + 2 * escaped) << "a kept byte was escaped";
    }
}

}  // namespace
