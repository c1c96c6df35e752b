#include "window/qt/browser_panes.h"

#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>

#include "window/control_names.h"
#include "window/qt/tab_container.h"
#include "window/qt/utf8.h"

namespace nominator {
namespace {

constexpr std::array kPanesInTabOrder = {Pane::Browser, Pane::Browser2, Pane::Browser3};

}  // namespace

BrowserPanes::BrowserPanes(TabContainer& tabs) : tabs_(tabs) {}

BrowserPanes::~BrowserPanes() = default;

void BrowserPanes::create() {
    if (profile_) return;
    // A named profile keeps its cookies and cache in the user's application-data folder.
    profile_ = std::make_unique<QWebEngineProfile>(QStringLiteral("afd-nominator"));
    // Keep session cookies too: the wiki's login would otherwise end with the program.
    profile_->setPersistentCookiesPolicy(QWebEngineProfile::ForcePersistentCookies);

    QWidget* previous = &tabs_;
    for (const Pane pane : kPanesInTabOrder) {
        auto view = std::make_unique<QWebEngineView>();
        view->setObjectName(ToQString(NameOf(pane)));
        view->setPage(new QWebEnginePage(profile_.get(), view.get()));
        tabs_.addPane(view.get());
        // The empty page fetches nothing; it makes the engine start each pane's page now, so
        // that the first nomination opens as fast as any later one. Xvfb also showed that the
        // first load into a hidden pane otherwise takes the focus out of the window.
        view->setUrl(QUrl(QStringLiteral("about:blank")));
        QWidget::setTabOrder(previous, view.get());
        previous = view.get();
        views_.at(static_cast<std::size_t>(pane)) = std::move(view);
    }
}

QWebEngineView& BrowserPanes::view(Pane pane) {
    create();
    return *views_.at(static_cast<std::size_t>(pane));
}

}  // namespace nominator
