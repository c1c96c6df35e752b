// The user's own browser, as the desktop's opener reaches it, replaced for the test: it records
// each address it is handed and opens nothing.
#pragma once

#include <QList>
#include <QObject>
#include <QUrl>

namespace nominator {

class BrowserStandIn : public QObject {
    Q_OBJECT

public:
    // Takes the desktop's place for web and mail addresses, and for those the tool must never
    // hand on (local files, other programs' schemes), so that handing one on shows here too.
    BrowserStandIn();
    ~BrowserStandIn() override;

    BrowserStandIn(const BrowserStandIn&) = delete;
    BrowserStandIn& operator=(const BrowserStandIn&) = delete;

    // Every address handed on so far, oldest first.
    const QList<QUrl>& handed() const { return handed_; }

public slots:
    void open(const QUrl& address);

private:
    QList<QUrl> handed_;
};

}  // namespace nominator
