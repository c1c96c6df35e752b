#include "tests/qt/request_recorder.h"

#include <QQuickItem>
#include <QWebEngineNavigationRequest>
#include <stdexcept>
#include <utility>

namespace nominator {

RequestRecorder::RequestRecorder(QQuickItem& pane, std::string name,
                                 std::vector<RecordedRequest>& log)
    : pane_(std::move(name)), log_(log) {
    // The view's signal is declared in QML terms only; it is found by its signature.
    if (!connect(&pane, SIGNAL(navigationRequested(QWebEngineNavigationRequest*)), this,
                 SLOT(record(QWebEngineNavigationRequest*)))) {
        throw std::logic_error("the pane " + pane_ + " reports no navigation requests");
    }
}

void RequestRecorder::record(QWebEngineNavigationRequest* request) {
    if (request->isMainFrame()) {
        log_.push_back({pane_, request->url().toEncoded().toStdString()});
    }
    request->reject();
}

}  // namespace nominator
