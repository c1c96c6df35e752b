#pragma once

#include <string>
#include <string_view>

namespace nominator {

// The name under which the wiki keeps a typed title: spaces and underscores (and the other
// Unicode spaces the wiki reads as one, such as the no-break space) at either end dropped, every
// run of them inside made one space, invisible direction marks dropped, and the first character
// upper-cased with Unicode's simple one-to-one mapping ("é" gives "É", "ß" stays "ß", Georgian
// stays as it is). The wiki does the same to every title it is given, so this is the name its
// pages and templates use. Bytes that are not valid UTF-8 are left as they are.
std::string WikiName(std::string_view title);

}  // namespace nominator
