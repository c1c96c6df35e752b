#include "window/qt/browser_panes.h"

#include <QTabBar>
#include <QTimer>
#include <QUrl>
#include <QWidget>
#include <utility>
#include <vector>

#include "window/qt/browser_engine_loader.h"
#include "window/qt/engine_set_up_messages.h"
#include "window/qt/tab_container.h"

namespace nominator {
namespace {

// Ample for the engine to close the profile: it took about 20 ms here, and 200 ms with the
// sanitizers.
constexpr int kProfileClosingMs = 500;

}  // namespace

BrowserPanes::BrowserPanes(TabContainer& tabs, QString engineModule,
                           BrowserEngine::PaneEvents events)
    : tabs_(tabs), engineModule_(std::move(engineModule)), events_(std::move(events)) {}

BrowserPanes::~BrowserPanes() = default;

bool BrowserPanes::close(const std::function<void()>& closed) {
    if (closing_ == Closing::Underway) return true;
    if (!engine_) return false;
    panes_.reset();
    engine_.reset();
    closing_ = Closing::Underway;
    // The engine closes the profile's storage, and writes the cookies it has not written yet,
    // on threads of its own that need the event loop to go on for a moment.
    QTimer::singleShot(kProfileClosingMs, &tabs_, [this, closed] {
        closing_ = Closing::Done;
        closed();
    });
    return true;
}

void BrowserPanes::create() {
    if (panes_ || closing_ != Closing::NotYet) return;
    {
        const EngineSetUpMessages quiet;
        if (!engine_) engine_ = LoadBrowserEngine(engineModule_);
        panes_ = engine_->createPanes(events_, labels_);
    }
    panes_->setObjectName(QStringLiteral("BrowserPanes"));
    tabs_.setPanes(panes_.get());
    placeInTabOrder();
    // A pane is shown with its tab; tab i carries pane i.
    engine_->show(tabs_.tabBar()->currentIndex());
    QObject::connect(tabs_.tabBar(), &QTabBar::currentChanged, panes_.get(),
                     [this](int tab) { engine_->show(tab); });
}

void BrowserPanes::setPanes(const std::vector<PaneLabel>& panes) {
    labels_ = panes;
    if (panes_) engine_->setPanes(labels_);
}

void BrowserPanes::placeInTabOrder() {
    // Made after every other control, the panes come last in the tab chain, behind the controls
    // that follow Tabby; those move behind the panes, so that the pages come right after the
    // tabs. Qt's chain holds Tabby behind its tab bar, and Tabby passes the focus to the bar:
    // the panes cannot simply go behind the bar.
    std::vector<QWidget*> following;
    for (QWidget* next = tabs_.nextInFocusChain(); next != panes_.get();
         next = next->nextInFocusChain()) {
        if (!tabs_.isAncestorOf(next) && next->focusPolicy() != Qt::NoFocus) {
            following.push_back(next);
        }
    }
    QWidget* previous = panes_.get();
    for (QWidget* next : following) {
        QWidget::setTabOrder(previous, next);
        previous = next;
    }
}

void BrowserPanes::load(Pane pane, const QUrl& address) {
    create();
    // A window on its way out opens nothing.
    if (engine_) engine_->load(static_cast<int>(pane), address);
}

void BrowserPanes::fillEditor(Pane pane, const BrowserEngine::EditorFill& fill) {
    if (panes_) engine_->fillEditor(static_cast<int>(pane), fill);
}

void BrowserPanes::fetch(const QUrl& address, BrowserEngine::FetchDone done) {
    create();
    if (engine_) engine_->fetch(address, std::move(done));
}

bool BrowserPanes::askToClose(BrowserEngine::CloseAnswered answered) {
    if (!panes_) return false;
    engine_->askToClose(std::move(answered));
    return true;
}

void BrowserPanes::answerClose(bool close) {
    if (panes_) engine_->answerClose(close);
}

}  // namespace nominator
