#include "tests/qt/nomination_harness.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QQuickItem>
#include <QTabBar>
#include <QTest>

#include "tests/qt/quick_panes.h"
#include "tests/support/gui_test_constants.h"
#include "window/pane_labels.h"
#include "window/qt/clickable_label.h"
#include "window/qt/tab_container.h"
#include "window/qt/utf8.h"

namespace nominator {
namespace {

using support::kEngineGiveUpMs;

constexpr int kRequestTimeoutMs = 30000;

}  // namespace

NominationHarness::NominationHarness(std::chrono::system_clock::time_point now)
    : window_([now] { return now; }) {}

bool NominationHarness::start() {
    if (!window_.load()) return false;
    window_.show();
    if (!QTest::qWaitForWindowExposed(&window_)) return false;
    std::vector<QQuickItem*> panes;
    for (int tab = 0; tab < window_.tabby()->tabBar()->count(); ++tab) {
        const std::string name = PaneObjectName(tab);
        if (!QTest::qWaitFor([&] { return FindPane(name) != nullptr; }, kEngineGiveUpMs)) {
            return false;
        }
        panes.push_back(FindPane(name));
        recorders_.push_back(
            std::make_unique<RequestRecorder>(*panes.back(), std::string(name), requests_));
    }
    // A click while the panes still open their empty start page may reach the engine's network
    // side in another order; a user cannot click that fast, and the order is what is checked.
    return QTest::qWaitFor(
        [&] {
            for (const QQuickItem* pane : panes) {
                if (pane->property("loading").toBool() ||
                    pane->property("loadProgress").toInt() < 100)
                    return false;
            }
            return true;
        },
        kEngineGiveUpMs);
}

void NominationHarness::type(Box box, const QString& text) {
    QLineEdit* edit = window_.box(box);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

void NominationHarness::paste(Box box, const QString& text) {
    QLineEdit* edit = window_.box(box);
    QApplication::clipboard()->setText(text);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
}

void NominationHarness::clickNominate() { QTest::mouseClick(window_.command1(), Qt::LeftButton); }

void NominationHarness::clickNextDay() { QTest::mouseClick(window_.dayPlus(), Qt::LeftButton); }

bool NominationHarness::waitForRequests(std::size_t count) {
    return QTest::qWaitFor([&] { return requests_.size() >= count; }, kRequestTimeoutMs);
}

}  // namespace nominator
