#include "core/wiki_title.h"

#include <unicode/uchar.h>
#include <unicode/utf8.h>

#include <algorithm>
#include <cstdint>

namespace nominator {
namespace {

bool IsSpace(char character) { return character == ' ' || character == '_'; }

std::string CollapseSpaces(std::string_view title) {
    std::string collapsed;
    collapsed.reserve(title.size());
    bool spaceDue = false;
    for (const char character : title) {
        if (IsSpace(character)) {
            // Leading spaces are dropped; trailing ones never find a character to precede.
            spaceDue = !collapsed.empty();
            continue;
        }
        if (spaceDue) collapsed += ' ';
        spaceDue = false;
        collapsed += character;
    }
    return collapsed;
}

void UpperCaseFirstCharacter(std::string& text) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    // One code point takes at most four bytes; only the first one is looked at.
    const auto length = static_cast<std::int32_t>(std::min<std::size_t>(text.size(), 4));
    std::int32_t end = 0;
    UChar32 first = 0;
    U8_NEXT(bytes, end, length, first);
    if (first < 0) return;  // not valid UTF-8: left alone
    const UChar32 upper = u_toupper(first);
    if (upper == first) return;

    std::uint8_t encoded[U8_MAX_LENGTH];
    std::int32_t encodedLength = 0;
    U8_APPEND_UNSAFE(encoded, encodedLength, upper);
    text.replace(0, static_cast<std::size_t>(end), reinterpret_cast<const char*>(encoded),
                 static_cast<std::size_t>(encodedLength));
}

}  // namespace

std::string WikiName(std::string_view title) {
    std::string name = CollapseSpaces(title);
    UpperCaseFirstCharacter(name);
    return name;
}

}  // namespace nominator
