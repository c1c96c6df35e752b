#include "window/qt/browser_panes.h"

#include <QUrl>
#include <QWidget>
#include <utility>

#include "window/control_names.h"
#include "window/qt/browser_engine_loader.h"
#include "window/qt/tab_container.h"
#include "window/qt/utf8.h"

namespace nominator {
namespace {

constexpr std::array kPanesInTabOrder = {Pane::Browser, Pane::Browser2, Pane::Browser3};

}  // namespace

BrowserPanes::BrowserPanes(TabContainer& tabs, QString engineModule)
    : tabs_(tabs), engineModule_(std::move(engineModule)) {}

BrowserPanes::~BrowserPanes() = default;

void BrowserPanes::loadEngine() {
    if (!engine_) engine_ = LoadBrowserEngine(engineModule_);
}

void BrowserPanes::create() {
    loadEngine();
    if (views_.front()) return;

    QWidget* previous = &tabs_;
    for (const Pane pane : kPanesInTabOrder) {
        std::unique_ptr<QWidget> view = engine_->newView();
        view->setObjectName(ToQString(NameOf(pane)));
        tabs_.addPane(view.get());
        QWidget::setTabOrder(previous, view.get());
        previous = view.get();
        views_.at(static_cast<std::size_t>(pane)) = std::move(view);
    }
}

void BrowserPanes::load(Pane pane, const QUrl& address) {
    create();
    engine_->load(*views_.at(static_cast<std::size_t>(pane)), address);
}

}  // namespace nominator
