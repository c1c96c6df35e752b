#pragma once

#include <array>
#include <string_view>

#include "window/nomination_view.h"

namespace nominator {

// What assistive technology says of each control: the layout's names (Text1, Text5, ...) mean
// nothing to a listener, and boxes without a name cannot be told apart. The panes' texts come
// with their labels (PaneLabel).
struct AccessibleText {
    std::string_view control;
    // Empty: the control's own text is its name, and a screen reader hears each new one.
    std::string_view name;
    std::string_view description;
};

// The key that presses "Next Day ->" from anywhere in the window. Text boxes and the wiki's
// pages give F8 no meaning, and the browser keys leave it alone.
inline constexpr std::string_view kNextDayKey = "F8";

inline constexpr auto kForm1AccessibleTexts = std::to_array<AccessibleText>({
    {"Text1", "Article title", "The title of the article to nominate for deletion"},
    {"Command1", "AFD", "Nominate the article: fill in the texts to copy and open the pages"},
    {"Text2", "Article tag to copy", "Paste it at the top of the article in the article editor"},
    {"Text3", "Discussion text to copy", "Paste it into the deletion discussion page"},
    {"Reason", "Reason for deletion", "Why the article should be deleted"},
    {"Text5", "Log line to copy", "Paste it into the day's deletion log"},
    {"Tabby", "Pages to edit",
     "The article editor, the deletion discussion, the day's log and the creator's talk page"},
    {"DayPlus", "Next day's log", "Opens tomorrow's deletion log in the log tab (F8)"},
    {"Status", "", "What the wiki said about earlier nominations of the article"},
    {"Text6", "Notice text to copy", "Paste it at the end of the creator's talk page"},
    {"Further", "Further articles to nominate",
     "One title a line; they share the first article's discussion"},
    {"Category", "Discussion category", "The category the deletion discussion is filed under"},
    {"Topics", "Deletion sorting topics",
     "The wiki's deletion-sorting topics to list the discussion under, one a line"},
});

constexpr const AccessibleText* AccessibleTextOf(std::string_view control) {
    for (const AccessibleText& text : kForm1AccessibleTexts) {
        if (text.control == control) return &text;
    }
    return nullptr;
}

}  // namespace nominator
