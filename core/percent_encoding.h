#pragma once

#include <string>
#include <string_view>

namespace nominator {

// Encodes a page title for an address the way the wiki writes titles in its own links: each byte
// of the UTF-8 text stands as it is when it is an ASCII letter or digit or one of - _ . ~ : / ;
// @ $ ! * ( ) , and is written as %XX (upper-case hex) otherwise. A space becomes %20, so the
// address names the title exactly, whatever "&", "#", "?" or "+" it holds.
std::string PercentEncode(std::string_view text);

}  // namespace nominator
