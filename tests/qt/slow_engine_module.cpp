// A stand-in for the browser engine module: it takes a second to load, as the real engine can
// on a slow machine, and its panes are a native window of their own, as the engine's are. It
// records what it was asked to open in the panes' properties "openedAddress0" to
// "openedAddress2" instead of opening anything, and what it was asked to fetch in
// "fetchedAddress". How its panes and the engine itself go is appended to the application's
// property "engineEnd", in order.
#include <QCoreApplication>
#include <QPointer>
#include <QStringList>
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

// The engine is calling out to the window (as the real one does when its pages agree to close).
bool gCallingOut = false;

void RecordEnd(const QString& what) {
    QStringList end = qApp->property("engineEnd").toStringList();
    end << what;
    qApp->setProperty("engineEnd", end);
}

class SlowEngine final : public BrowserEngine {
public:
    ~SlowEngine() override {
        RecordEnd(panes_ ? QStringLiteral("engine destroyed before its panes")
                         : QStringLiteral("engine destroyed"));
    }

    std::unique_ptr<QWidget> createPanes(PaneEvents /*events*/,
                                         const std::vector<PaneLabel>& /*panes*/) override {
        std::unique_ptr<QWidget> panes(QWidget::createWindowContainer(new QWindow));
        panes_ = panes.get();
        QObject::connect(panes.get(), &QObject::destroyed, [] {
            RecordEnd(gCallingOut ? QStringLiteral("panes destroyed inside the engine's call")
                                  : QStringLiteral("panes destroyed"));
        });
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
        QTimer::singleShot(0, panes_, [answered] {
            gCallingOut = true;
            answered({});
            gCallingOut = false;
        });
    }

    void answerClose(bool /*close*/) override {}

private:
    QPointer<QWidget> panes_;
};

}  // namespace
}  // namespace nominator

extern "C" Q_DECL_EXPORT nominator::BrowserEngine* afd_new_browser_engine() {
    std::this_thread::sleep_for(std::chrono::seconds(1));
    return new nominator::SlowEngine;
}
