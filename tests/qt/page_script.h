#pragma once

#include <QString>
#include <QVariant>
#include <optional>

class QQuickItem;

namespace nominator {

// Runs the script in the page of the pane's view, as the page's own scripts run, and waits in the
// event loop for its value; nothing when none came within the time.
std::optional<QVariant> RunInPage(QQuickItem& view, const QString& script, int timeoutMs = 10000);

}  // namespace nominator
