#include "tests/qt/stand_in_wiki.h"

#include <QByteArray>
#include <QtGlobal>

#include "tests/support/engine_environment.h"

namespace nominator {

support::StubWikiServer& StandInWiki() {
    static support::StubWikiServer server;
    static const bool pointed = [] {
        return qputenv("QTWEBENGINE_CHROMIUM_FLAGS",
                       QByteArray::fromStdString(support::EngineFlags(server.port())));
    }();
    Q_UNUSED(pointed);
    return server;
}

}  // namespace nominator
