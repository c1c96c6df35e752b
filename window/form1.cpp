#include "window/form1.h"

#include <utility>

#include "core/log_date.h"
#include "core/nomination_texts.h"
#include "core/wiki_addresses.h"

namespace nominator {

Form1::Form1(NominationView& view, Clock clock) : view_(view), clock_(std::move(clock)) {}

void Form1::Form_Load() { view_.setText(Box::Text5, LogLine(view_.text(Box::Text1))); }

void Form1::Command1_Click() {
    CurDate = FormatLogDate(UtcToday(clock_()));

    view_.show(Control::Text2);
    view_.show(Control::Text3);
    view_.show(Control::Text5);
    view_.show(Control::Tabby);

    // Named first: the order in which function arguments are evaluated is unspecified.
    const std::string title = view_.text(Box::Text1);
    const std::string reason = view_.text(Box::Reason);
    view_.setText(Box::Text3, DiscussionText(title, reason));
    view_.setText(Box::Text5, LogLine(view_.text(Box::Text1)));

    view_.navigate(Pane::Browser, ArticleEditUrl(view_.text(Box::Text1)));
    view_.navigate(Pane::Browser3, LogEditUrl(CurDate));
    view_.navigate(Pane::Browser2, DiscussionUrl(view_.text(Box::Text1)));
}

void Form1::DayPlus_Click() {
    CurDate = FormatLogDate(UtcTomorrow(clock_()));
    view_.navigate(Pane::Browser3, LogEditUrl(CurDate));
}

}  // namespace nominator
