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

BrowserPanes::~BrowserPanes() {
    // The pages go before the profile they use, also when their deferred deletion from close()
    // has not come yet.
    QObject::disconnect(panesGone_);
    delete goingPanes_;
    panes_.reset();
    engine_.reset();
}

bool BrowserPanes::close(const std::function<void()>& closed) {
    if (closing_ == Closing::Underway) return true;
    if (!engine_) return false;
    closing_ = Closing::Underway;
    if (!panes_) {
        closeProfile(closed);
        return true;
    }
    // close() is reached from inside the engine's own calls (a page that agreed to close, the
    // user's answer to a page's question): the panes, and the engine objects that are making
    // that call, go from the event loop. The profile goes only once they are gone, and a turn
    // of the event loop later, when the engine has handled what destroying the pages posted;
    // the other way round, the pages' last work reaches a profile that has gone.
    panes_->hide();
    goingPanes_ = panes_.release();
    panesGone_ = QObject::connect(goingPanes_, &QObject::destroyed, &tabs_, [this, closed] {
        QTimer::singleShot(0, &tabs_, [this, closed] { closeProfile(closed); });
    });
    goingPanes_->deleteLater();
    return true;
}

void BrowserPanes::closeProfile(const std::function<void()>& closed) {
    engine_.reset();
    // The engine closes the profile's storage, and writes the cookies it has not written yet,
    // on threads of its own that need the event loop to go on for a moment.
    QTimer::singleShot(kProfileClosingMs, &tabs_, [this, closed] {
        closing_ = Closing::Done;
        closed();
    });
}

void BrowserPanes::create() {
    if (panes_ || closing_ != Closing::NotYet) return;
    {
        const EngineSetUpMessages quiet;
        if (!engine_) engine_ = LoadBrowserEngine(engineModule_);
        panes_ = engine_->createPanes(events_);
    }
    panes_->setObjectName(QStringLiteral("BrowserPanes"));
    tabs_.setPanes(panes_.get());
    placeInTabOrder();
    // A pane is shown with its tab; tab i carries pane i.
    engine_->show(tabs_.tabBar()->currentIndex());
    QObject::connect(tabs_.tabBar(), &QTabBar::currentChanged, panes_.get(),
                     [this](int tab) { engine_->show(tab); });
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
    if (panes_) engine_->load(static_cast<int>(pane), address);
}

void BrowserPanes::fillEditor(Pane pane, const BrowserEngine::EditorFill& fill) {
    if (panes_) engine_->fillEditor(static_cast<int>(pane), fill);
}

void BrowserPanes::fetch(const QUrl& address, BrowserEngine::FetchDone done) {
    create();
    if (panes_) engine_->fetch(address, std::move(done));
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
