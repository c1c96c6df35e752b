#include "browser_engine/page_context_menu.h"

#include <QMenu>
#include <QQuickItem>
#include <QWebEngineContextMenuRequest>
#include <QWidget>

#include "browser_engine/web_actions.h"

namespace nominator {
namespace {

using EditFlag = QWebEngineContextMenuRequest::EditFlag;

void AddAction(QMenu& menu, const QString& text, QQuickItem& view, const char* action,
               bool enabled = true) {
    QAction* item =
        menu.addAction(text, &view, [&view, action] { TriggerWebAction(view, action); });
    item->setEnabled(enabled);
}

}  // namespace

void OpenContextMenu(QWidget& parent, QQuickItem& view, QObject& request) {
    auto* context = qobject_cast<QWebEngineContextMenuRequest*>(&request);
    if (context == nullptr) return;
    context->setAccepted(true);
    const auto flags = context->editFlags();

    auto* menu = new QMenu(&parent);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->setAccessibleName(QStringLiteral("Page menu"));
    for (const QString& suggestion : context->spellCheckerSuggestions()) {
        menu->addAction(suggestion, &view, [&view, suggestion] {
            QMetaObject::invokeMethod(&view, "replaceMisspelledWord", Q_ARG(QString, suggestion));
        });
    }
    if (!context->spellCheckerSuggestions().isEmpty()) menu->addSeparator();
    AddAction(*menu, QStringLiteral("&Back"), view, "Back", view.property("canGoBack").toBool());
    AddAction(*menu, QStringLiteral("&Forward"), view, "Forward",
              view.property("canGoForward").toBool());
    AddAction(*menu, QStringLiteral("&Reload"), view, "Reload");
    menu->addSeparator();
    if (context->isContentEditable()) {
        AddAction(*menu, QStringLiteral("Cu&t"), view, "Cut", flags.testFlag(EditFlag::CanCut));
    }
    AddAction(*menu, QStringLiteral("&Copy"), view, "Copy", flags.testFlag(EditFlag::CanCopy));
    if (context->isContentEditable()) {
        AddAction(*menu, QStringLiteral("&Paste"), view, "Paste",
                  flags.testFlag(EditFlag::CanPaste));
    }
    AddAction(*menu, QStringLiteral("Select &all"), view, "SelectAll",
              flags.testFlag(EditFlag::CanSelectAll));
    if (context->linkUrl().isValid()) {
        menu->addSeparator();
        AddAction(*menu, QStringLiteral("Copy &link address"), view, "CopyLinkToClipboard");
    }
    const QPoint at = view.mapToGlobal(QPointF(context->position())).toPoint();
    menu->popup(at);
}

}  // namespace nominator
