#include "window/qt/browser_panes.h"

#include <QTabBar>
#include <QUrl>
#include <QWidget>
#include <utility>

#include "window/qt/browser_engine_loader.h"
#include "window/qt/engine_set_up_messages.h"
#include "window/qt/tab_container.h"

namespace nominator {

BrowserPanes::BrowserPanes(TabContainer& tabs, QString engineModule)
    : tabs_(tabs), engineModule_(std::move(engineModule)) {}

BrowserPanes::~BrowserPanes() = default;

void BrowserPanes::create() {
    if (panes_) return;
    {
        const EngineSetUpMessages quiet;
        if (!engine_) engine_ = LoadBrowserEngine(engineModule_);
        panes_ = engine_->createPanes();
    }
    panes_->setObjectName(QStringLiteral("BrowserPanes"));
    tabs_.setPanes(panes_.get());
    QWidget::setTabOrder(&tabs_, panes_.get());
    // A pane is shown with its tab; tab i carries pane i.
    engine_->show(tabs_.tabBar()->currentIndex());
    QObject::connect(tabs_.tabBar(), &QTabBar::currentChanged, panes_.get(),
                     [this](int tab) { engine_->show(tab); });
}

void BrowserPanes::load(Pane pane, const QUrl& address) {
    create();
    engine_->load(static_cast<int>(pane), address);
}

void BrowserPanes::fetch(const QUrl& address, BrowserEngine::FetchDone done) {
    create();
    engine_->fetch(address, std::move(done));
}

}  // namespace nominator
