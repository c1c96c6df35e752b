#include "window/qt/engine_set_up_messages.h"

#include <QString>
#include <QStringView>
#include <array>

namespace nominator {
namespace {

// Matched at the start of the message, or for the type warnings at its end.
constexpr std::array kLateStartWarnings = {
    u"Qt WebEngine seems to be initialized from a plugin.",
    u"QtWebEngineQuick::initialize() called with QCoreApplication object already created",
    u"Attribute Qt::AA_ShareOpenGLContexts must be set before QCoreApplication is created.",
};
constexpr QStringView kOwnTypeWarningEnd =
    u"is neither a QObject, nor default- and copy-constructible. You should not use it as a QML "
    u"type.";

QtMessageHandler previousHandler = nullptr;

bool Expected(const QString& message) {
    for (const char16_t* start : kLateStartWarnings) {
        if (message.startsWith(QStringView(start))) return true;
    }
    return message.endsWith(kOwnTypeWarningEnd);
}

void PassOverExpected(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && Expected(message)) return;
    previousHandler(type, context, message);
}

}  // namespace

EngineSetUpMessages::EngineSetUpMessages() : previous_(qInstallMessageHandler(PassOverExpected)) {
    previousHandler = previous_;
}

EngineSetUpMessages::~EngineSetUpMessages() { qInstallMessageHandler(previous_); }

}  // namespace nominator
