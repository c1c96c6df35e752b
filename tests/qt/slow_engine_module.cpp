// A stand-in for the browser engine module: it takes a second to load, as the real engine can
// on a slow machine, and its panes are a native window of their own, as the engine's are. It
// records what it was asked to open in the panes' properties "openedAddress0" to
// "openedAddress2" instead of opening anything, and what it was asked to fetch in
// "fetchedAddress".
#include <QTimer>
#include <QUrl>
#include <QVariant>
#include <QWidget>
#include <QWindow>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "window/qt/browser_engine.h"

namespace nominator {
namespace {

class SlowEngine final : public BrowserEngine {
public:
    std::unique_ptr<QWidget> createPanes(PaneEvents /*events*/,
                                         const std::vector<PaneLabel>& /*panes*/) override {
        std::unique_ptr<QWidget> panes(QWidget::createWindowContainer(new QWindow));
        panes_ = panes.get();
        return panes;
    }

    void setPanes(const std::vector<PaneLabel>& /*panes*/) override {}

    void load(int pane, const QUrl& address) override {
        const std::string property = "openedAddress" + std::to_string(pane);
        panes_->setProperty(property.c_str(), address.toString(QUrl::FullyEncoded));
    }

    void show(int /*pane*/) override {}

    void fillEditor(int /*pane*/, const EditorFill& /*fill*/) override {}

    // Never answers, as a wiki that cannot be reached.
    void fetch(const QUrl& address, FetchDone /*done*/) override {
        panes_->setProperty("fetchedAddress", address.toString(QUrl::FullyEncoded));
    }

    // Its panes hold no pages, so none has changes to lose.
    void askToClose(CloseAnswered answered) override {
        QTimer::singleShot(0, panes_, [answered] { answered({}); });
    }

    void answerClose(bool /*close*/) override {}

private:
    QWidget* panes_ = nullptr;
};

}  // namespace
}  // namespace nominator

extern "C" Q_DECL_EXPORT nominator::BrowserEngine* afd_new_browser_engine() {
    std::this_thread::sleep_for(std::chrono::seconds(1));
    return new nominator::SlowEngine;
}
