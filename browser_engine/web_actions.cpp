#include "browser_engine/web_actions.h"

#include <QMetaEnum>
#include <QObject>
#include <QVariant>
#include <stdexcept>
#include <string>

namespace nominator {

void TriggerWebAction(QObject& view, const char* action) {
    const QMetaObject* meta = view.metaObject();
    const QMetaEnum actions = meta->enumerator(meta->indexOfEnumerator("WebAction"));
    bool known = false;
    const int value = actions.isValid() ? actions.keyToValue(action, &known) : -1;
    if (!known) throw std::runtime_error(std::string("the browser view has no action ") + action);
    // The view's own QML function "act" passes the number on as the enumeration.
    QMetaObject::invokeMethod(&view, "act", Q_ARG(QVariant, QVariant(value)));
}

}  // namespace nominator
