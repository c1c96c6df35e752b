#include "core/nomination_texts.h"

namespace nominator {

std::string DiscussionText(std::string_view title, std::string_view reason,
                           std::string_view category) {
    std::string text = "{{subst:afd2 | pg=";
    text += title;
    if (!category.empty()) {
        text += "| cat=";
        text += category;
    }
    text += "| text=";
    text += reason;
    text += "}} ~~~~";
    return text;
}

std::string LogLine(std::string_view title) {
    std::string text = "{{subst:afd3 | pg=";
    text += title;
    text += "}}";
    return text;
}

}  // namespace nominator
