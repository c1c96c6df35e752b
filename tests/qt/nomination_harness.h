#pragma once

#include <QString>
#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "tests/qt/request_recorder.h"
#include "window/qt/form1_window.h"

namespace nominator {

// The real window with the real browser engine, with a recorder on each pane, driven as a user
// drives it: keys, paste and mouse clicks.
class NominationHarness {
public:
    explicit NominationHarness(std::chrono::system_clock::time_point now);

    // Shows the window and waits until the browser panes exist; false when they never came.
    [[nodiscard]] bool start();

    // Replaces the box's text as a user does: select all, then type or paste.
    void type(Box box, const QString& text);
    void paste(Box box, const QString& text);
    void clickNominate();
    void clickNextDay();
    // Waits until the engines have issued this many page requests in all.
    [[nodiscard]] bool waitForRequests(std::size_t count);

    Form1Window& window() { return window_; }
    const std::vector<RecordedRequest>& requests() const { return requests_; }
    void clearRequests() { requests_.clear(); }

private:
    // The window goes first, so that no page outlives the recorder it calls.
    std::vector<RecordedRequest> requests_;
    std::vector<std::unique_ptr<RequestRecorder>> recorders_;
    Form1Window window_;
};

}  // namespace nominator
