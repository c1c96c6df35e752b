#include "tests/qt/stand_in_wiki.h"

#include <QByteArray>
#include <QtGlobal>

#include "tests/support/engine_environment.h"

namespace nominator {
namespace {

void PointEngineAt(uint16_t port) {
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", QByteArray::fromStdString(support::EngineFlags(port)));
}

}  // namespace

support::StubWikiServer& StandInWiki() {
    static support::StubWikiServer server;
    static const bool pointed = (PointEngineAt(server.port()), true);
    Q_UNUSED(pointed);
    return server;
}

support::LocalWiki& LoopbackWiki() {
    static support::LocalWiki wiki;
    static const bool pointed = (PointEngineAt(wiki.port()), true);
    Q_UNUSED(pointed);
    return wiki;
}

}  // namespace nominator
