// Form1 as a screen reader meets it: every control named and described, "Next Day ->" a button
// that assistive technology can press, and its key working wherever the focus is.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAccessible>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>
#include <set>
#include <string>
#include <vector>

#include "window/form1_accessibility.h"
#include "window/form1_layout.h"
#include "window/pane_labels.h"
#include "window/qt/clickable_label.h"
#include "window/qt/form1_widgets.h"
#include "window/qt/tab_container.h"
#include "window/qt/utf8.h"

namespace nominator {
namespace {

using testing::HasSubstr;

QAccessibleInterface* AccessibleOf(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

struct ExpectedRole {
    const char* control;
    QAccessible::Role role;
};

class AccessibilityTest : public testing::Test {
protected:
    void SetUp() override {
        // The tabs Form1Window gives its widgets.
        widgets.setTabs(PaneLabelsOf(PlanNomination({})));
        widgets.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&widgets));
    }

    Form1Widgets widgets;
};

TEST_F(AccessibilityTest, EveryControlHasItsNameDescriptionAndRole) {
    const ExpectedRole roles[] = {
        {"Text1", QAccessible::EditableText},  {"Command1", QAccessible::Button},
        {"Text2", QAccessible::EditableText},  {"Text3", QAccessible::EditableText},
        {"Reason", QAccessible::EditableText}, {"Text5", QAccessible::EditableText},
        {"DayPlus", QAccessible::Button},      {"Text6", QAccessible::EditableText},
    };
    for (const ExpectedRole& expected : roles) {
        SCOPED_TRACE(expected.control);
        QWidget* control = widgets.findChild<QWidget*>(expected.control);
        ASSERT_NE(control, nullptr);
        QAccessibleInterface* accessible = AccessibleOf(control);
        ASSERT_NE(accessible, nullptr);
        const AccessibleText* text = AccessibleTextOf(expected.control);
        ASSERT_NE(text, nullptr);
        EXPECT_EQ(ToUtf8(accessible->text(QAccessible::Name)), text->name);
        EXPECT_EQ(ToUtf8(accessible->text(QAccessible::Description)), text->description);
        EXPECT_EQ(accessible->role(), expected.role);
    }
}

TEST_F(AccessibilityTest, TheBoxesAndThePanesCanBeToldApart) {
    std::set<std::string_view> names;
    std::size_t named = 0;
    const std::vector<PaneLabel> panes = PaneLabelsOf(PlanNomination({}));
    std::vector<AccessibleText> texts(kForm1AccessibleTexts.begin(), kForm1AccessibleTexts.end());
    for (const PaneLabel& pane : panes)
        texts.push_back({pane.caption, pane.name, pane.description});
    for (const AccessibleText& text : texts) {
        EXPECT_FALSE(text.description.empty()) << text.control;
        // Only the status line goes by its own text.
        if (text.control == "Status") continue;
        EXPECT_FALSE(text.name.empty()) << text.control;
        names.insert(text.name);
        ++named;
    }
    EXPECT_EQ(names.size(), named);
    for (const ControlLayout& control : kForm1Layout) {
        EXPECT_NE(AccessibleTextOf(control.name), nullptr) << control.name << " is not described";
    }
}

TEST_F(AccessibilityTest, TabsKeepTheirCaptionsAndSayWhatTheyHold) {
    QTabBar* bar = widgets.tabby()->tabBar();
    QAccessibleInterface* accessibleBar = AccessibleOf(bar);
    ASSERT_NE(accessibleBar, nullptr);
    ASSERT_EQ(accessibleBar->childCount(), 4 + 2);  // the tabs and the bar's two scroll buttons
    for (int tab = 0; tab < 4; ++tab) {
        SCOPED_TRACE(tab);
        QAccessibleInterface* accessibleTab = accessibleBar->child(tab);
        EXPECT_EQ(accessibleTab->role(), QAccessible::PageTab);
        EXPECT_EQ(accessibleTab->text(QAccessible::Name), QStringLiteral("Tab %1").arg(tab));
        EXPECT_EQ(ToUtf8(accessibleTab->text(QAccessible::Description)),
                  PaneLabelsOf(PlanNomination({})).at(static_cast<std::size_t>(tab)).name);
    }
}

TEST_F(AccessibilityTest, AssistiveTechnologyPressesNextDay) {
    QAccessibleInterface* label = AccessibleOf(widgets.dayPlus());
    ASSERT_NE(label, nullptr);
    QAccessibleActionInterface* actions = label->actionInterface();
    ASSERT_NE(actions, nullptr);
    ASSERT_THAT(actions->actionNames(),
                testing::Contains(QAccessibleActionInterface::pressAction()));
    EXPECT_THAT(actions->keyBindingsForAction(QAccessibleActionInterface::pressAction()),
                testing::ElementsAre(ToQString(kNextDayKey)));
    EXPECT_THAT(ToUtf8(label->text(QAccessible::Description)), HasSubstr(kNextDayKey));

    QSignalSpy clicks(widgets.dayPlus(), &ClickableLabel::clicked);
    actions->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_FALSE(widgets.dayPlus()->hasFocus());
}

TEST_F(AccessibilityTest, TheNextDayKeyWorksFromEveryBoxAndLeavesItsTextAlone) {
    widgets.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&widgets));
    for (const Box box :
         {Box::Text1, Box::Reason, Box::Text2, Box::Text3, Box::Text5, Box::Text6}) {
        QLineEdit* edit = widgets.box(box);
        SCOPED_TRACE(edit->objectName().toStdString());
        edit->show();
        edit->setFocus();
        const QString before = edit->text();
        QSignalSpy clicks(widgets.dayPlus(), &ClickableLabel::clicked);
        QTest::keyClick(edit, Qt::Key_F8);
        EXPECT_EQ(clicks.count(), 1);
        EXPECT_EQ(edit->text(), before);
        EXPECT_TRUE(edit->hasFocus());
    }
}

}  // namespace
}  // namespace nominator
