// The computer player: complete, block, corner, random, by level; the fallback move; the
// watchers; watched games.
#include "game_scenario.h"

#include <algorithm>
#include <map>

namespace {

constexpr forms::Color White = 0xFFFFFF;

class ComputerPlayer : public GameScenario {
protected:
    // Gives the turn to the computer: the turn watcher starts its 2-second delay, and its move
    // is committed 1 ms after it is chosen.
    void letComputerMove() {
        game().PlayerTurn = 2;
        advance(2002);
    }

    // The cell whose commit timer a move has just armed, or 0.
    int armedCell() {
        for (int n = 1; n <= 9; ++n) {
            if (game().commitTimer(n).enabled()) return n;
        }
        return 0;
    }

    // Runs one thinking tick on `rows` with the computer to move, and returns the cell it chose
    // without letting the commit happen.
    int chosenCell(const std::string& rows) {
        setBoard(rows);
        game().PlayerTurn = 2;
        game().CheckTimer_Timer();
        const int cell = armedCell();
        if (cell) game().commitTimer(cell).setEnabled(false);
        return cell;
    }
};

TEST_F(ComputerPlayer, EasyCompletesItsOwnLine) {
    againstComputer('E');
    setBoard("OO.|XX.|X..");
    letComputerMove();
    EXPECT_EQ(status(), "Bob Has won this match!");
    EXPECT_EQ(board(), "OOO|XX#|X##");
}

TEST_F(ComputerPlayer, EasyDoesNotBlock) {
    againstComputer('E');
    std::map<int, int> cells;
    for (int run = 0; run < 60; ++run) ++cells[chosenCell("XX.|.O.|...")];
    EXPECT_EQ(cells.count(0), 0u) << "every tick makes a move";
    EXPECT_LT(cells[3], 60) << "Easy moved onto the block every time";
    EXPECT_GT(cells[3], 0) << "a random move reaches n3 from starts 1 to 3";
}

TEST_F(ComputerPlayer, NormalCompletesBeforeItBlocks) {
    againstComputer('N');
    setBoard("XX.|OO.|X..");
    letComputerMove();
    EXPECT_EQ(status(), "Bob Has won this match!");
    EXPECT_EQ(board(), "XX#|OOO|X##");
}

TEST_F(ComputerPlayer, BlockGoesToTheFirstHoldingLineTest) {
    againstComputer('N');
    setBoard("XX.|XO.|..O");
    letComputerMove();
    EXPECT_EQ(board(), "XXO|XO.|..O");
    EXPECT_EQ(status(), "Ann it's your turn!");
}

TEST_F(ComputerPlayer, LineMoveShowsNoughtOnAFreeCellUntilItsCommit) {
    againstComputer('N');
    EXPECT_EQ(chosenCell("XX.|.O.|..."), 3);
    EXPECT_EQ(board(), "XX?|.O.|...");
}

TEST_F(ComputerPlayer, HardTakesEachFreeCornerOneTimeInFour) {
    againstComputer('R');
    std::map<int, int> corners;
    constexpr int runs = 400;
    for (int run = 0; run < runs; ++run) ++corners[chosenCell("...|.X.|...")];
    EXPECT_EQ(corners[1] + corners[3] + corners[7] + corners[9], runs);
    for (int corner : {1, 3, 7, 9}) {
        EXPECT_GT(corners[corner], 70) << "corner n" << corner;
        EXPECT_LT(corners[corner], 130) << "corner n" << corner;
    }
}

TEST_F(ComputerPlayer, HardTakesTheOnlyFreeCornerWithoutADraw) {
    againstComputer('R');
    game().CornerPick = 42;
    EXPECT_EQ(chosenCell("#.#|...|..#"), 7);
    EXPECT_EQ(game().CornerPick, 42);
    EXPECT_EQ(board(), "#.#|...|O.#");
}

TEST_F(ComputerPlayer, HardWithNoFreeCornerMovesAtRandom) {
    againstComputer('R');
    for (int run = 0; run < 30; ++run) {
        const int cell = chosenCell("#.#|...|#.#");
        EXPECT_TRUE(cell == 2 || cell == 4 || cell == 5 || cell == 6 || cell == 8) << cell;
    }
}

TEST_F(ComputerPlayer, HardCornerIntoTheLastCellReportsTheDrawTwice) {
    againstComputer('R');
    setBoard("XOX|OOX|.XO");
    letComputerMove();
    EXPECT_EQ(board(), "XOX|OOX|OXO");
    EXPECT_EQ(soundCount(".\\Clear.wav"), 2);
    EXPECT_EQ(status(), "Draw!");
    EXPECT_TRUE(game().Timer12.enabled());
    EXPECT_EQ(game().Cr1.caption(), "");
}

TEST_F(ComputerPlayer, RandomMoveWithOnlyTheFirstCellFreeAlwaysReachesIt) {
    againstComputer('N');
    for (int run = 0; run < 20; ++run) {
        setBoard(".XO|OXX|XOO");
        game().Checker2_Click();
        EXPECT_EQ(armedCell(), 1);
        EXPECT_EQ(game().RandomCell, 1);
        game().Timer1.setEnabled(false);
    }
}

TEST_F(ComputerPlayer, RandomMoveOnAFullBoardRunsTheCheckAndPlacesNothing) {
    againstComputer('N');
    setBoard("XOX|XOO|OXX");
    game().Checker2_Click();
    EXPECT_EQ(armedCell(), 0);
    EXPECT_EQ(status(), "Draw!");
    EXPECT_TRUE(game().Timer12.enabled());
}

TEST_F(ComputerPlayer, TickDuringAShownResultDoesNotScoreItAgain) {
    againstComputer('N');
    setBoard("XX.|OO.|...");
    play(3);
    ASSERT_EQ(game().Cr1.caption(), "1");
    game().PlayerTurn = 2;
    game().CheckTimer_Timer();
    EXPECT_EQ(game().Cr1.caption(), "1");
    EXPECT_EQ(soundCount(".\\Clear.wav"), 1);
    EXPECT_EQ(armedCell(), 0);
}

TEST_F(ComputerPlayer, FallbackDrawingATakenCellChangesNothing) {
    againstComputer('N');
    setBoard("XOX|OXO|OX#");
    game().PlayerTurn = 2;
    for (int tick = 0; tick < 20; ++tick) game().Timer_Timer();
    EXPECT_EQ(board(), "XOX|OXO|OX#");
    EXPECT_EQ(game().PlayerTurn, 2);
    EXPECT_TRUE(platform.sounds.empty());
}

TEST_F(ComputerPlayer, FallbackPlacesNoughtOnAFreeCellAndPassesTheTurn) {
    againstComputer('N');
    setBoard("X..|...|...");
    game().Opx1.setCaption("");
    game().PlayerTurn = 2;
    for (int tick = 0; tick < 100 && game().PlayerTurn == 2; ++tick) game().Timer_Timer();
    const std::string cells = board();
    EXPECT_EQ(std::count(cells.begin(), cells.end(), 'O'), 1) << cells;
    EXPECT_EQ(cells[0], 'X');
    EXPECT_EQ(game().PlayerTurn, 1);
    EXPECT_EQ(game().Label1.caption(), "1");
    EXPECT_EQ(status(), "Ann it's your turn!");
    EXPECT_EQ(game().label.foreColor(), White);
    EXPECT_EQ(game().Opx1.caption(), "ACTIVE");
    EXPECT_EQ(soundCount(".\\Button.wav"), 1);
}

TEST_F(ComputerPlayer, FallbackOnTheBottomLeftCellHasOnlyTheClickSound) {
    againstComputer('N');
    setBoard("XOX|XOO|.XX");
    game().PlayerTurn = 2;
    for (int tick = 0; tick < 1000 && game().PlayerTurn == 2; ++tick) game().Timer_Timer();
    EXPECT_EQ(board(), "XOX|XOO|OXX");
    EXPECT_EQ(platform.sounds, (std::vector<std::string>{".\\Button.wav", ".\\Clear.wav"}));
}

TEST_F(ComputerPlayer, ClickDuringTheComputersTurnIsFollowedByItsChosenMove) {
    againstComputer('N');
    play(1);
    user.click(game().n5);  // arms the fallback; the thinking tick comes first and stops it
    advance(2002);
    EXPECT_FALSE(game().Timer.enabled());
    const std::string cells = board();
    EXPECT_EQ(std::count(cells.begin(), cells.end(), 'O'), 1) << cells;
    EXPECT_EQ(game().PlayerTurn, 1);
}

TEST_F(ComputerPlayer, BetweenTwoHumansTheThinkingTimerTicksWithoutEverMoving) {
    twoHumans();
    play(1);
    advance(60000);
    EXPECT_TRUE(game().CheckTimer.enabled());
    EXPECT_EQ(board(), "X..|...|...");
    EXPECT_EQ(game().PlayerTurn, 2);
}

TEST_F(ComputerPlayer, TurnWatcherStartsThinkingOneMillisecondAfterTheCommit) {
    againstComputer('N');
    play(1);
    EXPECT_FALSE(game().CheckTimer.enabled());
    advance(1);
    EXPECT_TRUE(game().CheckTimer.enabled());
    EXPECT_FALSE(game().Timer14.enabled());
    advance(1999);
    EXPECT_EQ(board(), "X..|...|...");
    advance(2);
    EXPECT_EQ(game().PlayerTurn, 1);
}

TEST_F(ComputerPlayer, SecondWatcherNeverStartsThinkingDuringPlay) {
    twoHumans();
    play(1);
    game().CheckTimer.setEnabled(false);
    game().Timer14.setEnabled(false);
    advance(5000);
    EXPECT_FALSE(game().CheckTimer.enabled());
    EXPECT_TRUE(game().Timer13.enabled());
}

TEST_F(ComputerPlayer, WatchedGameCrossBlocksBeforeItWins) {
    startProgram();
    watchGame("Ann", "Bob", 'X');
    setBoard("XX.|OO.|...");
    advance(2001);
    EXPECT_EQ(board(), "XX.|OOX|...");
    EXPECT_EQ(game().PlayerTurn, 2);
    EXPECT_TRUE(game().CheckTimer.enabled()) << "every watched commit prepares the next move";
}

}  // namespace
