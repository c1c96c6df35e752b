#pragma once

#include <chrono>
#include <functional>
#include <string>

#include "window/nomination_view.h"

namespace nominator {

// The behaviour of the tool's one window. The toolkit delivers three events: the window has
// loaded, the nomination button Command1 was clicked, the label DayPlus ("Next Day ->") was
// clicked. Each handler reads the boxes when it needs them, builds the texts and addresses with
// the core, and writes them back through the view; the view's widgets hold all other state.
// Exceptions from the view are not caught here: they end the handler and reach the toolkit side.
class Form1 {
public:
    using Clock = std::function<std::chrono::system_clock::time_point()>;

    Form1(NominationView& view, Clock clock);

    // Fills the still hidden log line for the title the window opens with.
    void Form_Load();
    // Shows the three texts and the tabs, fills them and opens today's three pages.
    void Command1_Click();
    // Points the log pane at tomorrow's log; it always counts from today.
    void DayPlus_Click();

    // The log date key computed last, by either click; empty until then.
    std::string CurDate;

private:
    NominationView& view_;
    Clock clock_;
};

}  // namespace nominator
