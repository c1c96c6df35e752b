#pragma once

#include <QWebEngineUrlRequestInterceptor>
#include <string>
#include <vector>

namespace nominator {

struct RecordedRequest {
    std::string pane;
    std::string address;

    bool operator==(const RecordedRequest&) const = default;
};

// Installed on one pane's page: writes down every page navigation the engine starts there, in
// the order the engine issues them, and blocks every request, so nothing reaches the network.
class RequestRecorder : public QWebEngineUrlRequestInterceptor {
public:
    RequestRecorder(std::string pane, std::vector<RecordedRequest>& log);

    void interceptRequest(QWebEngineUrlRequestInfo& info) override;

private:
    std::string pane_;
    std::vector<RecordedRequest>& log_;
};

}  // namespace nominator
