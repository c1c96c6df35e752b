#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace nominator {

// Small scans over wiki text, read the way the wiki reads it.

// Whether the text starts with the prefix, ASCII letters compared without regard to case: the
// wiki's namespace names and magic words are read so.
bool StartsWithCaseless(std::string_view text, std::string_view prefix);

// The text without the ASCII white space (space, tab, line breaks, form feed, vertical tab) at
// its start, or at its end.
std::string_view WithoutLeadingSpace(std::string_view text);
std::string_view WithoutTrailingSpace(std::string_view text);
// The text without the white space at either end.
std::string_view Trimmed(std::string_view text);

// The text's lines, ended by "\n", "\r\n" or a lone "\r", without their ends; a text that
// ends with a line end has no empty line after it.
std::vector<std::string_view> Lines(std::string_view text);

// The UTF-8 text cut after `characters` code points, with an ellipsis; never inside a character.
std::string Shortened(std::string_view text, std::size_t characters);

}  // namespace nominator
