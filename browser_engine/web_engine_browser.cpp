// The browser engine module: Qt WebEngine behind the BrowserEngine interface. Only this module
// links Qt WebEngine, so that the program starts without loading it. The panes are Qt
// WebEngine's QML views in one Qt Quick window, which sits among the widgets as a native child
// window: the widgets' own window then never has to change how it is drawn, and is never made
// anew while the user types into it.
#include <QFile>
#include <QPointer>
#include <QQmlError>
#include <QQuickItem>
#include <QQuickView>
#include <QQuickWebEngineProfile>
#include <QUrl>
#include <QtWebEngineQuick>
#include <stdexcept>
#include <string>
#include <vector>

#include "browser_engine/browser_keys.h"
#include "browser_engine/browser_zoom.h"
#include "browser_engine/page_requests.h"
#include "browser_engine/page_text_fetcher.h"
#include "browser_engine/pane_list.h"
#include "browser_engine/quick_panes_host.h"
#include "browser_engine/zoom_file.h"
#include "window/qt/browser_engine.h"

namespace nominator {
namespace {

// The script that the panes run in every page, in a world of its own: the web channel's client
// library, then the module's own part.
QString PageScript() {
    QString script;
    for (const char* name : {":/qtwebchannel/qwebchannel.js", ":/afd-nominator/editor_fill.js"}) {
        QFile file(QString::fromLatin1(name));
        if (!file.open(QIODevice::ReadOnly)) {
            throw std::runtime_error(std::string("cannot make the browser panes: no ") + name);
        }
        script += QString::fromUtf8(file.readAll()) + u'\n';
    }
    return script;
}

std::string Describe(const QList<QQmlError>& errors) {
    std::string text;
    for (const QQmlError& error : errors) text += "\n" + error.toString().toStdString();
    return text;
}

class WebEngineBrowser final : public BrowserEngine {
public:
    // The named profile keeps its cookies and cache in the user's application-data folder, the
    // same folder as the engine's widgets used, so an existing login still holds.
    WebEngineBrowser() {
        profile_.setStorageName(QStringLiteral("afd-nominator"));
        profile_.setOffTheRecord(false);
        // Keep session cookies too: the wiki's login would otherwise end with the program.
        profile_.setPersistentCookiesPolicy(QQuickWebEngineProfile::ForcePersistentCookies);
    }

    std::unique_ptr<QWidget> createPanes(PaneEvents events,
                                         const std::vector<PaneLabel>& panes) override {
        // Made before the view, whose QML hands it the pages' requests, and destroyed after.
        auto requests = std::make_unique<PageRequests>(std::move(events));
        requests->setPanes(panes);
        // Rows come only once the view is up, so that every pane is made the one way.
        auto paneList = std::make_unique<PaneList>();
        auto view = std::make_unique<QQuickView>();
        view->setResizeMode(QQuickView::SizeRootObjectToView);
        zoom_ = ReadZoom(profile_.persistentStoragePath());
        const QString pageScript = PageScript();
        view->setInitialProperties({{QStringLiteral("profile"), QVariant::fromValue(&profile_)},
                                    {QStringLiteral("paneList"),
                                     QVariant::fromValue(static_cast<QObject*>(paneList.get()))},
                                    {QStringLiteral("zoom"), zoom_},
                                    {QStringLiteral("pageScript"), pageScript},
                                    {QStringLiteral("requests"),
                                     QVariant::fromValue(static_cast<QObject*>(requests.get()))}});
        view->setSource(QUrl(QStringLiteral("qrc:/afd-nominator/browser_panes.qml")));
        if (view->status() != QQuickView::Ready) {
            throw std::runtime_error("cannot make the browser panes:" + Describe(view->errors()));
        }
        auto* checkView =
            view->rootObject()->findChild<QQuickItem*>(QStringLiteral("NominationCheck"));
        // The keys reach the Quick window only while a page has the focus, so they never touch
        // the window's text boxes.
        new BrowserKeys(*view, [this](BrowserKey key) { onBrowserKey(key); });
        auto host = std::make_unique<QuickPanesHost>(view.release());
        requests->attach(*host);
        requests_ = requests.release();
        requests_->setParent(host.get());
        // Goes with the panes' widget, after the view it is the model of.
        paneList_ = paneList.release();
        paneList_->setParent(host.get());
        host_ = host.get();
        fetcher_ = new PageTextFetcher(checkView, host.get());
        setPanes(panes);
        return host;
    }

    void setPanes(const std::vector<PaneLabel>& panes) override {
        const int before = host_->paneCount();
        // The channels of new panes first, which their pages reach as they are made. The panes
        // that go, and their channels, are deleted later (deleteLater), never inside the call
        // that asked, and held by the panes' widget until then.
        requests_->setPanes(panes);
        host_->holdLeavingPanes(static_cast<int>(panes.size()));
        paneList_->setLabels(panes);
        requests_->attach(*host_);
        // The empty page fetches nothing; it starts each new pane's page now, so that the
        // first nomination opens as fast as any later one.
        for (int pane = before; pane < host_->paneCount(); ++pane) {
            load(*host_, pane, QUrl(QStringLiteral("about:blank")));
        }
    }

    void load(int pane, const QUrl& address) override {
        requests_->opening(pane, address);
        load(*host_, pane, address);
    }

    void fillEditor(int pane, const EditorFill& fill) override {
        if (EditorChannel* editor = requests_->editor(pane)) editor->fill(fill);
    }

    void show(int pane) override { host_->select(pane); }

    void fetch(const QUrl& address, FetchDone done) override {
        fetcher_->fetch(address, std::move(done));
    }

    void askToClose(CloseAnswered answered) override {
        requests_->leaving().askToClose(std::move(answered));
    }

    void answerClose(bool close) override { requests_->leaving().answerClose(close); }

    QString cookieFolder() const override { return profile_.persistentStoragePath(); }

private:
    void onBrowserKey(BrowserKey key) {
        switch (key) {
            case BrowserKey::ZoomIn:
                return setZoom(ZoomedIn(zoom_));
            case BrowserKey::ZoomOut:
                return setZoom(ZoomedOut(zoom_));
            case BrowserKey::ZoomReset:
                return setZoom(kDefaultZoom);
            case BrowserKey::Reload:
                return call("reload");
            case BrowserKey::Back:
                return call("goBack");
            case BrowserKey::Forward:
                return call("goForward");
        }
    }

    void setZoom(double zoom) {
        if (zoom == zoom_) return;
        zoom_ = zoom;
        host_->setZoom(zoom);
        WriteZoom(profile_.persistentStoragePath(), zoom);
    }

    // Calls the shown pane's method.
    void call(const char* method) {
        if (QQuickItem* shown = host_->selectedPane()) QMetaObject::invokeMethod(shown, method);
    }

    static void load(QuickPanesHost& host, int pane, const QUrl& address) {
        if (QQuickItem* view = host.pane(pane)) view->setProperty("url", address);
    }

    // Outlives every page: the caller destroys the panes before the engine.
    QQuickWebEngineProfile profile_;
    QPointer<QuickPanesHost> host_;
    QPointer<PageTextFetcher> fetcher_;
    QPointer<PageRequests> requests_;
    QPointer<PaneList> paneList_;
    double zoom_ = kDefaultZoom;
};

}  // namespace
}  // namespace nominator

extern "C" Q_DECL_EXPORT nominator::BrowserEngine* afd_new_browser_engine() {
    // The engine's pages reach the Quick window as OpenGL textures, so Qt Quick must draw with
    // OpenGL too, unless the application chose another API the engine supports.
    switch (QQuickWindow::graphicsApi()) {
        case QSGRendererInterface::OpenGL:
        case QSGRendererInterface::Vulkan:
            break;
        default:
            QQuickWindow::setGraphicsApi(QSGRendererInterface::OpenGL);
    }
    // Sets up the OpenGL context that the engine shares with the Quick window. Qt warns that
    // this comes after the application object; it must come before the first Quick window,
    // and this module is loaded only after the widgets' window is on screen.
    QtWebEngineQuick::initialize();
    return new nominator::WebEngineBrowser;
}
