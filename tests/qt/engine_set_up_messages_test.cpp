// While the engine loads, only the warnings every start gives are passed over.
#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include "window/qt/engine_set_up_messages.h"

namespace nominator {
namespace {

QStringList seen;

void Record(QtMsgType, const QMessageLogContext&, const QString& message) { seen << message; }

TEST(EngineSetUpMessagesTest, PassesOverOnlyTheExpectedWarningsAndOnlyWhileItLives) {
    const QtMessageHandler original = qInstallMessageHandler(Record);
    seen.clear();
    {
        const EngineSetUpMessages quiet;
        qWarning(
            "QtWebEngineQuick::initialize() called with QCoreApplication object already "
            "created and should be call before.");
        qWarning(
            "QWebEngineLoadingInfo is neither a QObject, nor default- and "
            "copy-constructible. You should not use it as a QML type.");
        qWarning("Could not load the engine's resources");
        qCritical("Qt WebEngine seems to be initialized from a plugin.");
    }
    qWarning(
        "Attribute Qt::AA_ShareOpenGLContexts must be set before QCoreApplication is "
        "created.");
    qInstallMessageHandler(original);

    EXPECT_EQ(seen, QStringList({
                        "Could not load the engine's resources",
                        "Qt WebEngine seems to be initialized from a plugin.",
                        "Attribute Qt::AA_ShareOpenGLContexts must be set before QCoreApplication "
                        "is created.",
                    }));
}

}  // namespace
}  // namespace nominator
