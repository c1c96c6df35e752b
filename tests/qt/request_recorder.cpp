#include "tests/qt/request_recorder.h"

#include <utility>

namespace nominator {

RequestRecorder::RequestRecorder(std::string pane, std::vector<RecordedRequest>& log)
    : pane_(std::move(pane)), log_(log) {}

void RequestRecorder::interceptRequest(QWebEngineUrlRequestInfo& info) {
    // Qt 6 calls interceptors on the UI thread, so the log needs no lock.
    if (info.resourceType() == QWebEngineUrlRequestInfo::ResourceTypeMainFrame) {
        log_.push_back({pane_, info.requestUrl().toEncoded().toStdString()});
    }
    info.block(true);
}

}  // namespace nominator
