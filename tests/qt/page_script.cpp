#include "tests/qt/page_script.h"

#include <QEventLoop>
#include <QJSEngine>
#include <QObject>
#include <QQmlEngine>
#include <QQuickItem>
#include <QTimer>

namespace nominator {
namespace {

// Takes the script's value and ends the wait at once, so that a page can be asked often.
class ScriptValue : public QObject {
    Q_OBJECT

public:
    explicit ScriptValue(QEventLoop& wait) : wait_(wait) {}
    Q_INVOKABLE void take(const QVariant& value) {
        value_ = value;
        wait_.quit();
    }
    std::optional<QVariant> value_;

private:
    QEventLoop& wait_;
};

}  // namespace

std::optional<QVariant> RunInPage(QQuickItem& view, const QString& script, int timeoutMs) {
    QJSEngine* engine = qmlEngine(&view);
    if (engine == nullptr) return std::nullopt;
    QEventLoop wait;
    ScriptValue result(wait);
    QJSEngine::setObjectOwnership(&result, QJSEngine::CppOwnership);
    const QJSValue take = engine->newQObject(&result).property(QStringLiteral("take"));
    QMetaObject::invokeMethod(&view, "runJavaScript", Q_ARG(QString, script),
                              Q_ARG(QJSValue, take));
    QTimer::singleShot(timeoutMs, &wait, &QEventLoop::quit);
    if (!result.value_) wait.exec();
    return result.value_;
}

}  // namespace nominator

#include "page_script.moc"
