#include "browser_engine/pane_destinations.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>
#include <QWebEngineDownloadRequest>
#include <QWebEngineNavigationRequest>
#include <QWebEngineNewWindowRequest>
#include <utility>

#include "window/qt/utf8.h"

namespace nominator {
namespace {

std::string Encoded(const QUrl& address) { return ToUtf8(address.toString(QUrl::FullyEncoded)); }

}  // namespace

PaneDestinations::PaneDestinations(BrowserEngine::PaneEvents events) : events_(std::move(events)) {}

void PaneDestinations::attach(QWidget& dialogParent) { dialogParent_ = &dialogParent; }

void PaneDestinations::navigation(int pane, QObject& request) {
    auto* navigation = qobject_cast<QWebEngineNavigationRequest*>(&request);
    // What the module opens itself (the wiki's pages, the empty page) is its own choice; no page
    // can start a navigation of this type.
    if (navigation == nullptr ||
        navigation->navigationType() == QWebEngineNavigationRequest::TypedNavigation) {
        return;
    }
    const QUrl address = navigation->url();
    if (DestinationOf(Encoded(address)) == Destination::Pane) return;
    navigation->reject();
    // A frame's address is the page's choice, not the user's: it goes nowhere.
    if (navigation->isMainFrame()) handOn(pane, address);
}

void PaneDestinations::newWindow(int pane, QObject& request) {
    auto* window = qobject_cast<QWebEngineNewWindowRequest*>(&request);
    // Never opened in a view of the tool's: the request is dropped once handled. A window no
    // user asked for (a script's pop-up) goes nowhere.
    if (window != nullptr && window->isUserInitiated()) handOn(pane, window->requestedUrl());
}

void PaneDestinations::handOn(int pane, const QUrl& address) {
    if (!GoesToTheBrowser(Encoded(address))) {
        return notice(pane, PaneNotice::AddressRefused, address.toDisplayString());
    }
    // Out of the engine's signal: the desktop's opener may take a while, or spin the event
    // loop.
    QTimer::singleShot(0, this, [this, pane, address] {
        if (!QDesktopServices::openUrl(address)) {
            notice(pane, PaneNotice::NotHandedOn, address.toDisplayString());
        }
    });
}

void PaneDestinations::download(int pane, QObject& request) {
    auto* download = qobject_cast<QWebEngineDownloadRequest*>(&request);
    if (download == nullptr || dialogParent_ == nullptr) return;
    const QString name = download->downloadFileName();
    QFileDialog dialog(dialogParent_, QStringLiteral("Save the download"));
    dialog.setAccessibleName(QStringLiteral("Save the download"));
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // Where the desktop's browsers put downloads; the user's own folder while there is no such
    // folder, which is not made without the user's say either.
    const QString downloads = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    dialog.setDirectory(QDir(downloads).exists() ? downloads : QDir::homePath());
    dialog.selectFile(name);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        download->cancel();
        return notice(pane, PaneNotice::DownloadRefused, name);
    }
    const QFileInfo file(dialog.selectedFiles().constFirst());
    download->setDownloadDirectory(file.absolutePath());
    download->setDownloadFileName(file.fileName());
    connect(download, &QWebEngineDownloadRequest::isFinishedChanged, this, [this, pane, download] {
        switch (download->state()) {
            case QWebEngineDownloadRequest::DownloadCompleted:
                return notice(
                    pane, PaneNotice::DownloadSaved,
                    QDir::toNativeSeparators(QDir(download->downloadDirectory())
                                                 .filePath(download->downloadFileName())));
            case QWebEngineDownloadRequest::DownloadInterrupted:
                return notice(pane, PaneNotice::DownloadFailed, download->downloadFileName(),
                              download->interruptReasonString());
            default:
                return;
        }
    });
    download->accept();
}

void PaneDestinations::linkClicked(int pane, const QUrl& address) {
    if (DestinationOf(Encoded(address)) == Destination::Refused) {
        notice(pane, PaneNotice::AddressRefused, address.toDisplayString());
    }
}

void PaneDestinations::notice(int pane, PaneNotice notice, const QString& subject,
                              const QString& reason) {
    if (events_.noticed) events_.noticed(pane, notice, subject, reason);
}

LinkChannel::LinkChannel(int pane, PaneDestinations& destinations, QObject* parent)
    : QObject(parent), pane_(pane), destinations_(destinations) {}

void LinkChannel::clicked(const QString& address) {
    destinations_.linkClicked(pane_, QUrl(address, QUrl::StrictMode));
}

}  // namespace nominator
