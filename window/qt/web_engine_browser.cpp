// The browser engine module: Qt WebEngine behind the BrowserEngine interface. Only this module
// links Qt WebEngine, so that the program starts without loading it.
#include <QQuickWindow>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>

#include "window/qt/browser_engine.h"

namespace nominator {
namespace {

class WebEngineBrowser final : public BrowserEngine {
public:
    // A named profile keeps its cookies and cache in the user's application-data folder.
    WebEngineBrowser() : profile_(QStringLiteral("afd-nominator")) {
        // Keep session cookies too: the wiki's login would otherwise end with the program.
        profile_.setPersistentCookiesPolicy(QWebEngineProfile::ForcePersistentCookies);
    }

    std::unique_ptr<QWidget> newView() override {
        auto view = std::make_unique<QWebEngineView>();
        view->setPage(new QWebEnginePage(&profile_, view.get()));
        // The empty page fetches nothing; it makes the engine start the pane's page now, so
        // that the first nomination opens as fast as any later one. Xvfb also showed that the
        // first load into a hidden pane otherwise takes the focus out of the window.
        view->setUrl(QUrl(QStringLiteral("about:blank")));
        // Drawing the hidden pane once does now what its first showing would do on the first
        // click: set up its OpenGL drawing and compile the shaders, which software OpenGL takes
        // a tenth of a second for, during which the engine cannot start the page's request.
        QWebEngineView* pane = view.get();
        QObject::connect(
            pane, &QWebEngineView::loadFinished, pane, [pane] { pane->grab(); },
            Qt::SingleShotConnection);
        return view;
    }

    void load(QWidget& view, const QUrl& address) override {
        qobject_cast<QWebEngineView*>(&view)->load(address);
    }

private:
    // Outlives every page: the caller destroys the views before the engine.
    QWebEngineProfile profile_;
};

}  // namespace
}  // namespace nominator

extern "C" Q_DECL_EXPORT nominator::BrowserEngine* afd_new_browser_engine() {
    // The engine's pages reach the window as OpenGL textures, so Qt Quick, which draws them,
    // must use OpenGL too, unless the application chose another API the engine supports.
    switch (QQuickWindow::graphicsApi()) {
        case QSGRendererInterface::OpenGL:
        case QSGRendererInterface::Vulkan:
            break;
        default:
            QQuickWindow::setGraphicsApi(QSGRendererInterface::OpenGL);
    }
    return new nominator::WebEngineBrowser;
}
