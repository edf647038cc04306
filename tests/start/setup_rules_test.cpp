// The start window's setup rules: enabled states, focus moves and the Clear/Computer/Human items.
#include "start_window.h"

namespace {

using NameRule = StartWindow;
using KeyRule = StartWindow;
using OptionRule = StartWindow;
using FocusRule = StartWindow;
using StartMenu = StartWindow;

TEST_F(NameRule, NewIsEnabledUntilTheFirstChangeThenOnlyWithBothNames) {
    platform.answerMessageBox(1, "Before playing type your names in the text box's");
    user.choose(s.NewGame);
    user.type(s.Pl1, "A");
    user.pressBackspace(s.Pl1);
    EXPECT_TRUE(allDisabled());
    user.choose(s.NewGame);  // disabled now: no second message
    names(" ", "Bob");       // a blank is a name
    EXPECT_TRUE(enabled(s.NewGame, s.Player, s.Option1, s.Option2, s.Option3, s.Option4));
    EXPECT_FALSE(s.Option5.enabled());
}

TEST_F(NameRule, TheCaretAtTenMovesTheFocusToPl2AndAnEleventhCharacterIsRefused) {
    user.type(s.Pl1, "ABCDEFGHI");
    user.moveCaret(s.Pl1, 3);
    user.type(s.Pl1, "Z");  // ten characters, but the caret stands at 4
    EXPECT_EQ(s.activeControl(), &s.Pl1);
    user.moveCaret(s.Pl1, 10);
    user.pressBackspace(s.Pl1);
    user.type(s.Pl1, "J");
    EXPECT_EQ(platform.focus(), &s.Pl2);
    user.type(s.Pl1, "K");
    user.type(s.Pl2, "01234567890");
    EXPECT_EQ(s.Pl1.text() + "|" + s.Pl2.text(), "ABCZDEFGHJ|0123456789");
    EXPECT_EQ(soundCount(".\\Button.wav"), 12 + 10);  // one click per change
}

TEST_F(NameRule, EmptyingANameDisablesEverythingButKeepsEverySelection) {
    names("Ann", "Bob");
    for (auto* option : {&s.Option2, &s.Option3, &s.Option7}) user.click(*option);
    for (int i = 0; i < 3; ++i) user.pressBackspace(s.Pl2);
    EXPECT_TRUE(allDisabled());
    EXPECT_TRUE(s.Option2.value() && s.Option3.value() && s.Option7.value() && !s.Option6.value());
    user.type(s.Pl2, "Bob");
    EXPECT_TRUE(levelsAndWatchEnabled() && enabled(s.Option1, s.NewGame));
}

TEST_F(KeyRule, BackspaceInAnEmptyPl2GoesBackToPl1AndEnterInPl2RunsNewEvenWhenDisabled) {
    user.type(s.Pl1, "Ann");
    user.pressEnter(s.Pl1);
    user.type(s.Pl2, "B");
    user.pressBackspace(s.Pl2);  // deletes the last character: the focus stays
    EXPECT_EQ(s.activeControl(), &s.Pl2);
    platform.answerMessageBox(1, "Before playing type your names in the text box's");
    user.pressEnter(s.Pl2);
    EXPECT_EQ(platform.messageBoxes.size(), 1u);
    user.pressBackspace(s.Pl2);
    EXPECT_EQ(s.activeControl(), &s.Pl1);
}

TEST_F(OptionRule, ComputerEnablesLevelsAndWatchHumanDisablesThemAndNameChangesKeepThat) {
    names("Ann", "Bob");
    user.click(s.Option3);
    EXPECT_TRUE(levelsAndWatchEnabled());
    user.click(s.Option4);
    user.pressBackspace(s.Pl2);
    user.type(s.Pl2, "b");
    EXPECT_TRUE(disabled(s.Option5, s.Option6, s.Option7, s.UseComp));
    user.click(s.Option3);
    user.pressBackspace(s.Pl2);
    user.type(s.Pl2, "b");
    EXPECT_TRUE(levelsAndWatchEnabled());
}

TEST_F(FocusRule, AnOptionNeverKeepsTheFocus) {
    names("Ann", "Bob");
    user.click(s.Option3);
    user.focus(s.Option1);
    EXPECT_EQ(s.activeControl(), &s.Pl1);
    for (auto* option : {&s.Option2, &s.Option3, &s.Option4, &s.Option5, &s.Option6, &s.Option7}) {
        user.focus(s.Pl1);
        user.focus(*option);
        EXPECT_EQ(platform.focus(), &s.Pl2) << option->name();
    }
    for (int i = 0; i < 3; ++i) user.tab(s);
    EXPECT_EQ(platform.focus(), &s.Pl2);
}

TEST_F(StartMenu, ClearClicksThreeTimesAndDisablesEverything) {
    names("Ann", "Bob");
    user.click(s.Option1);
    platform.sounds.clear();
    EXPECT_TRUE(user.pressShortcut(s, "Ctrl+Z"));
    EXPECT_EQ(soundCount(".\\Button.wav"), 3);
    EXPECT_TRUE(allDisabled() && s.Pl1.text().empty() && s.Option1.value());
}

TEST_F(StartMenu, ComputerAndHumanWorkOnlyWithBothNames) {
    user.type(s.Pl1, "Ann");
    EXPECT_FALSE(user.pressShortcut(s, "Ctrl+C") || user.pressShortcut(s, "Ctrl+H"));
    user.type(s.Pl2, "Bob");
    platform.sounds.clear();
    EXPECT_TRUE(user.pressShortcut(s, "Ctrl+C"));
    EXPECT_TRUE(s.Option3.value() && levelsAndWatchEnabled());
    EXPECT_EQ(soundCount(".\\Button.wav"), 1);  // Option3's click, none of its own
    EXPECT_TRUE(user.pressShortcut(s, "Ctrl+H"));
    EXPECT_TRUE(s.Option4.value() && !s.UseComp.enabled());
}

TEST_F(StartMenu, TheWatchRowLiesBelowTheVisibleClientArea) {
    EXPECT_GE(s.Frame4.peek().top, s.clientHeight());
    EXPECT_TRUE(s.UseComp.peek().container == &s.Frame4 && s.Label11.peek().container == &s.Frame4);
}

}  // namespace
