// Every control the keyboard can reach is reachable in the real windows: Tab and Shift+Tab walk
// the widgets in exactly the order the runtime gives, wherever a control lies (the start window's
// watched-game row sits below the window's visible edge), in every state that changes which
// controls take the focus; and Space on the focused Watch button starts the watched game.
#include "program_fixture.h"

#include <QApplication>
#include <QTest>

#include <string>
#include <vector>

namespace {

// While a walk runs, the widgets see no focus events: the focus still moves through Qt's chain,
// but no handler hands it on (an option of the start window passes it to a name box at once), so
// each step shows where the key itself went.
class FocusEventsHeld final : public QObject {
public:
    FocusEventsHeld() { QApplication::instance()->installEventFilter(this); }
    ~FocusEventsHeld() override { QApplication::instance()->removeEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        return event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut;
    }
};

class KeyboardReach : public qttest::ProgramOnQtTest {
protected:
    QWidget* existingWidget(const forms::Control& control) {
        return qttest::widgetNamedAfter(platform.windowOf(control.form()), control);
    }

    std::string focusedName() {
        const QWidget* focus = QApplication::focusWidget();
        return focus ? focus->objectName().toStdString() : "(nothing)";
    }

    // From the first control of the runtime's tab order, as many presses of `key` as the order
    // has controls, and the name of the focused widget after each.
    std::vector<std::string> walk(forms::Form& form, Qt::KeyboardModifiers modifiers) {
        const auto order = app.runtime.tabOrder(form);
        QWidget* first = existingWidget(*order.front());
        if (!first) return {"no widget for " + order.front()->name()};
        FocusEventsHeld held;
        first->setFocus(Qt::TabFocusReason);
        std::vector<std::string> seen;
        for (std::size_t i = 0; i < order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, modifiers);
            seen.push_back(focusedName());
        }
        return seen;
    }

    void expectTabWalksTheRuntimesOrder(forms::Form& form) {
        SCOPED_TRACE(form.name());
        QWidget* window = platform.windowOf(form);
        ASSERT_NE(window, nullptr);
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        const auto order = app.runtime.tabOrder(form);
        ASSERT_FALSE(order.empty());
        std::vector<std::string> forward, backward;
        for (std::size_t i = 1; i <= order.size(); ++i) {
            forward.push_back(order[i % order.size()]->name());
            backward.push_back(order[(order.size() - i) % order.size()]->name());
        }
        EXPECT_EQ(walk(form, Qt::NoModifier), forward) << "Tab";
        EXPECT_EQ(walk(form, Qt::ShiftModifier), backward) << "Shift+Tab";
    }
};

TEST_F(KeyboardReach, GameWindowNotReadyAndInAGame) {
    app.start();
    expectTabWalksTheRuntimesOrder(app.gamer);
    qttest::fillInTheStartWindow(app);
    app.runtime.userClick(app.Start.Option4);
    app.runtime.userMenu(app.Start.NewGame);
    ASSERT_TRUE(app.gamer.isShown());
    expectTabWalksTheRuntimesOrder(app.gamer);
}

TEST_F(KeyboardReach, StartWindowBeforeAndAfterComputerIsChosen) {
    qttest::fillInTheStartWindow(app);
    expectTabWalksTheRuntimesOrder(app.Start);
    app.runtime.userClick(app.Start.Option3);
    ASSERT_TRUE(app.Start.UseComp.enabled());
    expectTabWalksTheRuntimesOrder(app.Start);
}

TEST_F(KeyboardReach, SideWindows) {
    app.start();
    for (forms::Form* side :
         std::vector<forms::Form*>{&app.Scores, &app.Aboutit, &app.Helper, &app.Skin}) {
        side->show();
        if (!app.runtime.tabOrder(*side).empty()) expectTabWalksTheRuntimesOrder(*side);
        side->unload();
    }
}

// The way the README tells a player to watch a game: a click in the X's name box, Shift+Tab to
// the Watch button below the window's edge, and Space. It holds whatever the player clicked last
// in the window, though an option hands the focus on to a name box at once.
TEST_F(KeyboardReach, ClickInTheFirstNameShiftTabAndSpaceStartAWatchedGameAfterAnyClick) {
    qttest::fillInTheStartWindow(app);
    app.runtime.userClick(app.Start.Option3);
    QWidget* window = platform.windowOf(app.Start);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    for (const forms::Control* last : app.Start.controls()) {
        if (last == &app.Start.Option4) continue;  // Human takes the Watch button away
        // Only what the mouse reaches: the watched-game row lies below the window's edge.
        QWidget* clicked = existingWidget(*last);
        if (!clicked || !clicked->isVisible() ||
            !window->rect().contains(clicked->mapTo(window, clicked->rect().center()))) {
            continue;
        }
        QTest::mouseClick(clicked, Qt::LeftButton);
        QTest::mouseClick(existingWidget(app.Start.Pl1), Qt::LeftButton);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
        ASSERT_EQ(focusedName(), "UseComp") << "after a click on " << last->name();
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_TRUE(app.gamer.isShown());
    EXPECT_TRUE(app.gamer.CvsC.value()) << "the computer plays both sides";
}

}  // namespace
