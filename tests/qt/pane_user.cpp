#include "tests/qt/pane_user.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTabBar>
#include <QUrlQuery>
#include <optional>

#include "tests/qt/event_loop_wait.h"
#include "tests/qt/page_script.h"
#include "tests/qt/quick_panes.h"
#include "tests/support/gui_test_constants.h"
#include "tests/support/local_wiki.h"
#include "window/qt/multi_line_box.h"
#include "window/qt/tab_container.h"
#include "window/qt/utf8.h"

namespace nominator {
namespace {

using support::kGiveUpMs;

constexpr int kClickMs = 5000;
constexpr std::uint32_t kLetterA = 0x61;
constexpr std::uint32_t kLetterV = 0x76;

}  // namespace

void PaneUser::click(QPoint global, ClickKind kind) {
    input_.moveTo(global.x(), global.y());
    switch (kind) {
        case ClickKind::Left:
            input_.clickLeft();
            break;
        case ClickKind::ControlLeft:
            input_.clickLeft(support::XInput::Modifier::Control);
            break;
        case ClickKind::Middle:
            input_.clickMiddle();
            break;
    }
    input_.sync();
    ++clicks_;
    lastClick_ = std::chrono::steady_clock::now();
}

void PaneUser::clickOn(QWidget* widget) { click(widget->mapToGlobal(widget->rect().center())); }

void PaneUser::key(std::uint32_t keysym, support::XInput::Modifier modifier) {
    input_.key(keysym, modifier);
    input_.sync();
    ++keys_;
}

bool PaneUser::paste(Box box, const std::string& text) {
    QPlainTextEdit* lines = window_.lines(box);
    QWidget* edit = lines != nullptr ? static_cast<QWidget*>(lines) : window_.box(box);
    const auto shown = [&] {
        return ToUtf8(lines != nullptr ? lines->toPlainText() : window_.box(box)->text());
    };
    clickOn(edit);
    if (!WaitInEventLoop([&] { return edit->hasFocus(); }, kGiveUpMs)) return false;
    QApplication::clipboard()->setText(ToQString(text));
    key(kLetterA, support::XInput::Modifier::Control);
    key(kLetterV, support::XInput::Modifier::Control);
    return WaitInEventLoop([&] { return shown() == text; }, kGiveUpMs);
}

bool PaneUser::showTab(int tab) {
    QTabBar* bar = window_.tabby()->tabBar();
    click(bar->mapToGlobal(bar->tabRect(tab).center()));
    return WaitInEventLoop([&] { return bar->currentIndex() == tab; }, kGiveUpMs);
}

bool PaneUser::clickInPage(int tab, const char* selector, const std::function<bool()>& done,
                           ClickKind kind) {
    QQuickItem& view = pane(tab);
    const QUrl before = view.property("url").toUrl();
    const std::function<bool()> left = [&] { return view.property("url").toUrl() != before; };
    for (int attempt = 0; attempt < 3; ++attempt) {
        const std::optional<QVariant> centre = RunInPage(
            view, QStringLiteral("(() => { const e = document.querySelector('%1');"
                                 " if (!e) return null;"
                                 " e.scrollIntoView({block: 'center', inline: 'center'});"
                                 " const r = e.getBoundingClientRect();"
                                 " return [r.left + r.width / 2, r.top + r.height / 2]; })()")
                      .arg(QString::fromLatin1(selector)));
        if (!centre || centre->toList().size() != 2) return false;
        const double zoom = view.property("zoomFactor").toDouble();
        const QPointF at(centre->toList()[0].toDouble() * zoom,
                         centre->toList()[1].toDouble() * zoom);
        click(PanesWindow()->mapToGlobal(view.mapToScene(at).toPoint()), kind);
        if (WaitInEventLoop(done ? done : left, kClickMs)) return true;
    }
    return false;
}

bool PaneUser::save(int tab) {
    QQuickItem& view = pane(tab);
    const QUrl editor = view.property("url").toUrl();
    // The click took once the form is on its way: the wiki may take longer to answer a save
    // than a click waits, and a second click would save twice.
    const std::function<bool()> sent = [&] {
        return view.property("loading").toBool() || view.property("url").toUrl() != editor;
    };
    if (!clickInPage(tab, "#wpSave", sent)) return false;
    return WaitInEventLoop(
        [&] {
            return !view.property("loading").toBool() &&
                   !QUrlQuery(view.property("url").toUrl()).hasQueryItem("action");
        },
        kGiveUpMs);
}

bool PaneUser::logIn(int tab, const support::LocalWiki& wiki) {
    QQuickItem& view = pane(tab);
    view.setProperty(
        "url",
        QUrl(QStringLiteral("https://en.wikipedia.org/w/index.php?title=Special:UserLogin")));
    if (!WaitInEventLoop(
            [&] {
                return field(tab, "wpLoginAttempt") != "(none)" &&
                       !view.property("loading").toBool();
            },
            kGiveUpMs)) {
        return false;
    }
    if (!RunInPage(view, QStringLiteral("document.getElementById('wpName1').value = '%1';"
                                        "document.getElementById('wpPassword1').value = '%2';"
                                        "document.getElementById('wpLoginAttempt').click()")
                             .arg(ToQString(wiki.userName()), ToQString(wiki.password())))) {
        return false;
    }
    // The wiki then shows its main page, with the user's own links at the top.
    return WaitInEventLoop(
        [&] {
            return !view.property("loading").toBool() &&
                   RunInPage(view, QStringLiteral("!!document.getElementById('pt-userpage')"))
                       .value_or(false)
                       .toBool();
        },
        kGiveUpMs);
}

QQuickItem& PaneUser::pane(int tab) { return *PaneOnTab(tab); }

std::string PaneUser::field(int tab, const char* id) {
    const std::optional<QVariant> value =
        RunInPage(pane(tab), QStringLiteral("(() => { const f = document.getElementById('%1');"
                                            " return f ? f.value : null; })()")
                                 .arg(QString::fromLatin1(id)));
    return value && value->isValid() ? ToUtf8(value->toString()) : std::string("(none)");
}

}  // namespace nominator
