// The board: clicks arm commit timers, commits place the mark of the player to move at their tick.
#include "game_scenario.h"

#include <vector>

namespace {

using Sounds = std::vector<std::string>;
constexpr forms::Color White = 0xFFFFFF;

class Board : public GameScenario {};

TEST_F(Board, TwoHumansAlternateWithOneClickSoundPerCommit) {
    twoHumans();
    play(1);
    EXPECT_EQ(board(), "X..|...|...");
    EXPECT_EQ(platform.sounds, Sounds{".\\Button.wav"});
    EXPECT_EQ(status(), "Bob it's your turn!");
    EXPECT_EQ(game().label.foreColor(), White);
    EXPECT_EQ(game().PlayerTurn, 2);
    EXPECT_EQ(game().Label1.caption(), "2");
    EXPECT_EQ(game().Opx1.caption(), "ACTIVE");

    play(5);
    EXPECT_EQ(board(), "X..|.O.|...");
    EXPECT_EQ(platform.sounds, (Sounds{".\\Button.wav", ".\\Button.wav"}));
    EXPECT_EQ(status(), "Ann it's your turn!");
    EXPECT_EQ(game().PlayerTurn, 1);
}

TEST_F(Board, ClickPlacesNothingBeforeTheCommitTick) {
    twoHumans();
    user.click(game().n3);
    EXPECT_EQ(board(), "...|...|...");
    EXPECT_TRUE(platform.sounds.empty());
    EXPECT_EQ(game().Opx1.caption(), "ACTIVE");
    advance(1);
    EXPECT_EQ(board(), "..X|...|...");
}

TEST_F(Board, ClickOnTakenCellDoesNothing) {
    twoHumans();
    play(1);
    platform.sounds.clear();
    play(1);
    advance(50);
    EXPECT_EQ(board(), "X..|...|...");
    EXPECT_EQ(game().PlayerTurn, 2);
    EXPECT_TRUE(platform.sounds.empty());
}

TEST_F(Board, ClickWhileComputerIsToMoveOnlyArmsTheFallbackMove) {
    againstComputer('N');
    play(1);
    ASSERT_EQ(game().PlayerTurn, 2);
    user.click(game().n9);
    EXPECT_TRUE(game().Timer.enabled());
    EXPECT_FALSE(game().Timer9.enabled());
    advance(1);
    EXPECT_EQ(board(), "X..|...|...");
}

TEST_F(Board, WatchedGameClicksNeverArmACommit) {
    startProgram();
    watchGame("Ann", "Bob", 'X');
    auto& g = game();
    user.click(g.n5);  // X to move: nothing at all
    EXPECT_FALSE(g.Timer5.enabled());
    EXPECT_FALSE(g.Timer.enabled());

    advance(2001);  // the computer's X
    ASSERT_EQ(g.PlayerTurn, 2);
    const int freeCell = firstFreeCell();
    user.click(g.cell(freeCell));  // O to move: only the fallback move wakes
    EXPECT_TRUE(g.Timer.enabled());
    EXPECT_FALSE(g.commitTimer(freeCell).enabled());
}

TEST_F(Board, TwoCellsClickedBeforeTheFirstCommitGetAlternateMarks) {
    twoHumans();
    user.click(game().n1);
    user.click(game().n2);
    advance(1);
    EXPECT_EQ(board(), "XO.|...|...");
    EXPECT_EQ(game().PlayerTurn, 1);
    EXPECT_EQ(soundCount(".\\Button.wav"), 2);
}

TEST_F(Board, CommitWaitsWhileNobodyHasTheTurn) {
    startWindow().Pl1.setText("Ann");  // one name: the board is free but no turn is set
    startProgram();
    auto& g = game();
    ASSERT_EQ(g.PlayerTurn, 0);
    user.click(g.n4);
    EXPECT_EQ(g.Opx1.caption(), "ACTIVE");
    advance(100);
    EXPECT_EQ(board(), "...|...|...");
    EXPECT_TRUE(g.Timer4.enabled());

    g.PlayerTurn = 1;
    advance(1);
    EXPECT_EQ(board(), "...|X..|...");
    EXPECT_FALSE(g.Timer4.enabled());
}

TEST_F(Board, NoughtOnBottomLeftPlaysItsOwnSoundThenTheClickSound) {
    twoHumans();
    play(1);
    platform.sounds.clear();
    play(7);
    EXPECT_EQ(platform.sounds, (Sounds{".\\O's.wav", ".\\Button.wav"}));
}

TEST_F(Board, CrossOnBottomLeftPlaysOnlyTheClickSound) {
    twoHumans();
    play(7);
    EXPECT_EQ(platform.sounds, Sounds{".\\Button.wav"});
}

TEST_F(Board, TurnLineForAnEmptyNameKeepsItsLeadingBlank) {
    twoHumans();
    game().Name2.setCaption("");
    play(1);
    EXPECT_EQ(status(), " it's your turn!");
}

TEST_F(Board, WinningCommitPassesTheTurnBeforeTheResultIsShown) {
    twoHumans();
    setBoard("XX.|OO.|...");
    play(3);
    EXPECT_EQ(status(), "Ann Has won this match!");
    EXPECT_EQ(game().PlayerTurn, 2);
    EXPECT_EQ(game().Label1.caption(), "2");
}

}  // namespace
