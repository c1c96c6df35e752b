#pragma once

#include <QObject>
#include <ostream>
#include <string>
#include <vector>

class QQuickItem;
class QWebEngineNavigationRequest;

namespace nominator {

struct RecordedRequest {
    std::string pane;
    std::string address;

    bool operator==(const RecordedRequest&) const = default;
};

// Readable failure messages instead of raw bytes.
inline void PrintTo(const RecordedRequest& request, std::ostream* out) {
    *out << request.pane << " " << request.address;
}

// Listens to one pane: writes down every page navigation the engine starts there, in the order
// the engine asks for them, and refuses it, so nothing reaches the network.
class RequestRecorder : public QObject {
    Q_OBJECT

public:
    RequestRecorder(QQuickItem& pane, std::string name, std::vector<RecordedRequest>& log);

private slots:
    void record(QWebEngineNavigationRequest* request);

private:
    std::string pane_;
    std::vector<RecordedRequest>& log_;
};

}  // namespace nominator
