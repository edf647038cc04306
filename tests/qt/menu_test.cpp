// Menus: built from the form's Menu controls; an item runs from the menu or its shortcut only
// while it and every menu above it are enabled, also with the focus in a text box.
#include "qt_fixture.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

namespace {

using forms::FormDesign;

struct Menus : forms::Form {
    forms::TextBox name{*this, "name"};
    forms::Menu game{*this, "game"};
    forms::Menu newGame{*this, "newGame"};
    forms::Menu clear{*this, "clear"};
    forms::Menu player{*this, "player"};
    forms::Menu player2{*this, "player2"};
    forms::Menu computer{*this, "computer"};

    int newGames = 0, clears = 0, computers = 0;

    explicit Menus(forms::Runtime& runtime) : Form(runtime, "Menus") {
        // clang-format off
        design(FormDesign{.caption = "Menus", .clientWidth = 3000, .clientHeight = 1500});
        name.design({.left = 0, .top = 0, .width = 2000, .height = 300, .tabIndex = 0});
        game.design({.caption = "Game"});
        newGame.design({.container = &game, .caption = "New", .shortcut = "Ctrl+N"});
        clear.design({.container = &game, .caption = "Clear", .shortcut = "Ctrl+Z"});
        player.design({.caption = "Player", .enabled = false});
        player2.design({.container = &player, .caption = "Player2"});
        computer.design({.container = &player2, .caption = "Computer", .shortcut = "Ctrl+C"});
        // clang-format on
        on(newGame.Click, &Menus::newGame_Click);
        on(clear.Click, &Menus::clear_Click);
        on(computer.Click, &Menus::computer_Click);
    }
    void newGame_Click() { ++newGames; }
    void clear_Click() { ++clears; }
    void computer_Click() { ++computers; }
};

class MenuInput : public qttest::QtPlatformTest {
protected:
    void SetUp() override {
        menus.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(platform.windowOf(menus)));
    }
    void press(Qt::Key key) {
        QTest::keyClick(QApplication::focusWidget(), key, Qt::ControlModifier);
    }

    Menus menus{runtime};
};

TEST_F(MenuInput, MenuBarShowsTitlesItemsAndShortcuts) {
    auto* bar = platform.windowOf(menus)->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    const auto titles = bar->actions();
    ASSERT_EQ(titles.size(), 2);
    EXPECT_EQ(titles[0]->text(), "Game");
    EXPECT_EQ(titles[1]->text(), "Player");
    EXPECT_FALSE(titles[1]->isEnabled());
    const auto items = titles[0]->menu()->actions();
    ASSERT_EQ(items.size(), 2);
    EXPECT_EQ(items[0]->text(), "New");
    EXPECT_EQ(items[0]->shortcut(), QKeySequence("Ctrl+N"));
    EXPECT_EQ(titles[1]->menu()->actions()[0]->menu()->actions()[0]->text(), "Computer");
}

TEST_F(MenuInput, ChoosingAnItemRunsItsHandler) {
    auto* bar = platform.windowOf(menus)->findChild<QMenuBar*>();
    bar->actions()[0]->menu()->actions()[0]->trigger();
    EXPECT_EQ(menus.newGames, 1);
}

TEST_F(MenuInput, ShortcutRunsItsItemOnlyWhileTheItemIsEnabled) {
    press(Qt::Key_N);
    EXPECT_EQ(menus.newGames, 1);
    menus.newGame.setEnabled(false);
    press(Qt::Key_N);
    EXPECT_EQ(menus.newGames, 1);
    menus.newGame.setEnabled(true);
    press(Qt::Key_N);
    EXPECT_EQ(menus.newGames, 2);
}

TEST_F(MenuInput, DisabledTitleTakesTheShortcutsOfEverythingUnderIt) {
    press(Qt::Key_C);
    EXPECT_EQ(menus.computers, 0);
    menus.player.setEnabled(true);
    press(Qt::Key_C);
    EXPECT_EQ(menus.computers, 1);
    menus.game.setEnabled(false);
    press(Qt::Key_N);
    EXPECT_EQ(menus.newGames, 0);
}

TEST_F(MenuInput, MenuShortcutWinsOverTheKeysOfATextBox) {
    ASSERT_EQ(QApplication::focusWidget(), widgetOf(menus.name));
    QTest::keyClicks(QApplication::focusWidget(), "ab");
    press(Qt::Key_Z);  // a line edit would undo with it
    EXPECT_EQ(menus.clears, 1);
    EXPECT_EQ(menus.name.text(), "ab");
}

}  // namespace
