#include "core/wiki_title.h"

#include <unicode/uchar.h>
#include <unicode/utf8.h>

#include <algorithm>
#include <cstdint>

namespace nominator {
namespace {

// The characters the wiki reads as a space in a title, the underscore among them.
bool IsSpace(UChar32 c) {
    return c == ' ' || c == '_' || c == 0xA0 || c == 0x1680 || c == 0x180E ||
           (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F ||
           c == 0x205F || c == 0x3000;
}

// Direction marks, which a title copied from a page may carry unseen; the wiki drops them.
bool IsDirectionMark(UChar32 c) {
    return c == 0x200E || c == 0x200F || (c >= 0x202A && c <= 0x202E);
}

std::string CollapseSpaces(std::string_view title) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(title.data());
    const auto length = static_cast<std::int32_t>(title.size());
    std::string collapsed;
    collapsed.reserve(title.size());
    bool spaceDue = false;
    for (std::int32_t next = 0; next < length;) {
        const std::int32_t start = next;
        UChar32 character = 0;
        U8_NEXT(bytes, next, length, character);
        // Bytes that are not valid UTF-8 (character < 0) are kept as they are.
        if (character >= 0 && IsDirectionMark(character)) continue;
        if (character >= 0 && IsSpace(character)) {
            // Leading spaces are dropped; trailing ones never find a character to precede.
            spaceDue = !collapsed.empty();
            continue;
        }
        if (spaceDue) collapsed += ' ';
        spaceDue = false;
        collapsed.append(
            title.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(next - start)));
    }
    return collapsed;
}

// Georgian is written in lower-case Mkhedruli; the wiki keeps its first letter as it is rather
// than turn it into a Mtavruli capital.
bool KeepsItsCase(UChar32 c) { return c >= 0x10D0 && c <= 0x10FF; }

void UpperCaseFirstCharacter(std::string& text) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    // One code point takes at most four bytes; only the first one is looked at.
    const auto length = static_cast<std::int32_t>(std::min<std::size_t>(text.size(), 4));
    std::int32_t end = 0;
    UChar32 first = 0;
    U8_NEXT(bytes, end, length, first);
    if (first < 0) return;  // not valid UTF-8: left alone
    if (KeepsItsCase(first)) return;
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
