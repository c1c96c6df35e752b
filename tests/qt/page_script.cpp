#include "tests/qt/page_script.h"

#include <QJSEngine>
#include <QObject>
#include <QQmlEngine>
#include <QQuickItem>

#include "tests/qt/event_loop_wait.h"

namespace nominator {
namespace {

class ScriptValue : public QObject {
    Q_OBJECT

public:
    Q_INVOKABLE void take(const QVariant& value) { value_ = value; }
    std::optional<QVariant> value_;
};

}  // namespace

std::optional<QVariant> RunInPage(QQuickItem& view, const QString& script, int timeoutMs) {
    QJSEngine* engine = qmlEngine(&view);
    if (engine == nullptr) return std::nullopt;
    ScriptValue result;
    QJSEngine::setObjectOwnership(&result, QJSEngine::CppOwnership);
    const QJSValue take = engine->newQObject(&result).property(QStringLiteral("take"));
    QMetaObject::invokeMethod(&view, "runJavaScript", Q_ARG(QString, script),
                              Q_ARG(QJSValue, take));
    WaitInEventLoop([&] { return result.value_.has_value(); }, timeoutMs);
    return result.value_;
}

}  // namespace nominator

#include "page_script.moc"
