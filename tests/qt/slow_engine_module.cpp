// A stand-in for the browser engine module: it takes a second to load, as the real engine can
// on a slow machine, and its panes draw through OpenGL like the engine's, so that adding them
// makes Qt re-create the window's native window. It records what it was asked to open in the
// pane's "openedAddress" property instead of opening anything.
#include <QOpenGLWidget>
#include <QUrl>
#include <QVariant>
#include <chrono>
#include <thread>

#include "window/qt/browser_engine.h"

namespace nominator {
namespace {

class SlowEngine final : public BrowserEngine {
public:
    std::unique_ptr<QWidget> newView() override { return std::make_unique<QOpenGLWidget>(); }

    void load(QWidget& view, const QUrl& address) override {
        view.setProperty("openedAddress", address.toString(QUrl::FullyEncoded));
    }
};

}  // namespace
}  // namespace nominator

extern "C" Q_DECL_EXPORT nominator::BrowserEngine* afd_new_browser_engine() {
    std::this_thread::sleep_for(std::chrono::seconds(1));
    return new nominator::SlowEngine;
}
