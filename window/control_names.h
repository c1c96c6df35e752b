#pragma once

#include <string>
#include <string_view>

#include "window/nomination_view.h"

namespace nominator {

// The names the controls carry in Form1's layout.
std::string_view NameOf(Box box);
std::string_view NameOf(Control control);
std::string_view NameOf(Choice choice);
// The pane's object name (see PaneObjectName).
std::string NameOf(Pane pane);

}  // namespace nominator
