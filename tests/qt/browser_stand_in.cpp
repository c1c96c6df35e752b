#include "tests/qt/browser_stand_in.h"

#include <QDesktopServices>
#include <QString>
#include <array>

namespace nominator {
namespace {

constexpr std::array<const char*, 5> kSchemes = {"https", "http", "mailto", "file", "irc"};

}  // namespace

BrowserStandIn::BrowserStandIn() {
    for (const char* scheme : kSchemes) {
        QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "open");
    }
}

BrowserStandIn::~BrowserStandIn() {
    for (const char* scheme : kSchemes)
        QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
}

void BrowserStandIn::open(const QUrl& address) { handed_.push_back(address); }

}  // namespace nominator
