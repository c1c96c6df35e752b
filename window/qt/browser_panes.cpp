#include "window/qt/browser_panes.h"

#include <QTabBar>
#include <QTimer>
#include <QUrl>
#include <QWidget>
#include <chrono>
#include <filesystem>
#include <system_error>
#include <utility>
#include <vector>

#include "window/qt/browser_engine_loader.h"
#include "window/qt/engine_set_up_messages.h"
#include "window/qt/tab_container.h"

namespace nominator {
namespace {

// Ample for the engine to close the profile: it took about 20 ms here, and 200 ms with the
// sanitizers. Under load the cookies' last write can take longer; the end waits for it, but
// not for a hung engine.
constexpr auto kProfileClosing = std::chrono::milliseconds(500);
constexpr auto kCookiesWrittenWithin = std::chrono::seconds(10);
constexpr int kPollMs = 20;

// The engine writes its cookies into an SQLite file of the profile's, which it holds open until
// the last write is done: once no descriptor of the process names it, the login is on disk.
bool WritingCookies(const QString& folder) {
    if (folder.isEmpty()) return false;
    const std::filesystem::path cookies = std::filesystem::path(folder.toStdString()) / "Cookies";
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd", error)) {
        std::error_code gone;
        const std::filesystem::path target = std::filesystem::read_symlink(entry.path(), gone);
        if (target.lexically_normal() == cookies.lexically_normal() ||
            target.lexically_normal() == cookies.lexically_normal().concat("-journal")) {
            return true;
        }
    }
    return false;
}

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
    const QString cookieFolder = engine_->cookieFolder();
    engine_.reset();
    // The engine closes the profile's storage, and writes the cookies it has not written yet,
    // on threads of its own that need the event loop to go on for a moment.
    const auto since = std::chrono::steady_clock::now();
    auto* poll = new QTimer(&tabs_);
    QObject::connect(poll, &QTimer::timeout, &tabs_, [this, closed, cookieFolder, since, poll] {
        const auto waited = std::chrono::steady_clock::now() - since;
        if (waited < kProfileClosing) return;
        if (waited < kCookiesWrittenWithin && WritingCookies(cookieFolder)) return;
        poll->stop();
        poll->deleteLater();
        closing_ = Closing::Done;
        closed();
    });
    poll->start(kPollMs);
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
