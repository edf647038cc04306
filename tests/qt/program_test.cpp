// The program's own windows on the Qt platform: the start-up window at its size, and the start
// window's focus and shortcut rules working through real mouse clicks and keys.
#include "program_fixture.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>

namespace {

class ProgramOnQt : public qttest::ProgramOnQtTest {
protected:
    // Game > New: the start window comes up with the focus in the first name box.
    void openStartWindow() {
        app.start();
        app.runtime.userMenu(app.gamer.Newg);
        ASSERT_TRUE(QTest::qWaitForWindowActive(platform.windowOf(app.Start)));
        ASSERT_EQ(QApplication::focusWidget(), platform.widgetOf(app.Start.Pl1));
    }
    void type(const char* text) { QTest::keyClicks(QApplication::focusWidget(), text); }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
    // A click as the window system delivers it.
    void click(const forms::Control& control) {
        QWidget* widget = platform.widgetOf(control);
        QTest::mouseClick(widget->window()->windowHandle(), Qt::LeftButton, {},
                          widget->mapTo(widget->window(), widget->rect().center()));
    }
};

TEST_F(ProgramOnQt, StartUpShowsTheNotReadyGameWindowAtItsSize) {
    app.start();
    QWidget* window = platform.windowOf(app.gamer);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), "Tesselby");
    EXPECT_EQ(platform.clientAreaOf(app.gamer)->size(), QSize(215, 238));
    EXPECT_EQ(platform.windowOf(app.Start), nullptr);  // loaded, never shown
}

TEST_F(ProgramOnQt, ClickedOptionIsSelectedAndHandsTheFocusToTheNameBox) {
    openStartWindow();
    type("Ann");
    press(Qt::Key_Return);
    type("Bob");
    press(Qt::Key_Tab);  // Pl2 -> the first option in the tab order, which hands it back
    EXPECT_EQ(QApplication::focusWidget(), platform.widgetOf(app.Start.Pl2));

    click(app.Start.Option3);
    EXPECT_TRUE(app.Start.Option3.value());
    EXPECT_EQ(QApplication::focusWidget(), platform.widgetOf(app.Start.Pl2));
    EXPECT_EQ(app.Start.activeControl(), &app.Start.Pl2);
    EXPECT_TRUE(app.Start.Option5.enabled());  // the computer's levels come with it
}

TEST_F(ProgramOnQt, CtrlCInANameBoxChoosesTheComputerOnlyOnceBothNamesAreFilled) {
    openStartWindow();
    type("Ann");
    press(Qt::Key_C, Qt::ControlModifier);  // the Player menu is still disabled
    EXPECT_FALSE(app.Start.Option3.value());

    press(Qt::Key_Return);
    type("Bob");
    press(Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(app.Start.Option3.value());
    EXPECT_EQ(app.Start.Pl2.text(), "Bob");
}

TEST_F(ProgramOnQt, PasteIntoAFullNameBoxLeavesTheNameAtTenCharacters) {
    openStartWindow();
    type("Ann");
    press(Qt::Key_Return);
    type("Maximilian");
    QApplication::clipboard()->setText("Montgomery");
    press(Qt::Key_Insert, Qt::ShiftModifier);
    press(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(app.Start.Pl2.text(), "Maximilian");
}

}  // namespace
