// The game window's start-up: the not-ready state at program start, the hand-overs from the
// start window, the one-name state and the single instance.
#include "game_scenario.h"

#include <algorithm>

namespace {

constexpr forms::Color White = 0xFFFFFF;
constexpr forms::Color Yellow = 0xFFFF;

class GameStartUp : public GameScenario {};

TEST_F(GameStartUp, ProgramStartShowsNotReadyPromptWithBoardLocked) {
    startProgram();
    auto& g = game();
    EXPECT_TRUE(platform.isShown(g));
    EXPECT_EQ(status(), "Select \"New\" To play");
    EXPECT_EQ(g.label.foreColor(), Yellow);
    EXPECT_EQ(board(), "###|###|###");
    EXPECT_EQ(g.cell(5).picture(), g.ip1.picture());
    EXPECT_EQ(g.width(), 3345);
    EXPECT_EQ(g.height(), 4245);
    EXPECT_FALSE(g.SAs.enabled());
    EXPECT_FALSE(g.Score.enabled());
    EXPECT_TRUE(g.AboutMe.enabled());
    EXPECT_FALSE(g.Label2.visible());
    EXPECT_TRUE(startWindow().isLoaded());
    EXPECT_FALSE(platform.isShown(startWindow()));
    EXPECT_EQ(std::filesystem::path(g.CurrentDir.caption()), folder());
}

TEST_F(GameStartUp, SecondInstanceEndsWithoutShowingAnyWindow) {
    platform.otherInstanceRunning = true;
    startProgram();
    EXPECT_TRUE(platform.programEnded);
    EXPECT_FALSE(platform.isShown(game()));
    EXPECT_FALSE(startWindow().isLoaded());
    EXPECT_TRUE(platform.messageBoxes.empty());
}

TEST_F(GameStartUp, HandOverWithCrossFirstAndHumanOpponentNamesPlayerOne) {
    startProgram();
    newGame("Ann", "Bob", 'X', 'H');
    auto& g = game();
    EXPECT_EQ(status(), "Ann it's your turn!");
    EXPECT_EQ(g.label.foreColor(), White);
    EXPECT_EQ(g.PlayerTurn, 1);
    EXPECT_EQ(g.height(), 4965);
    EXPECT_TRUE(g.Label2.visible());
    EXPECT_TRUE(g.SAs.enabled());
    EXPECT_TRUE(g.Score.enabled());
    EXPECT_FALSE(g.CheckTimer.enabled());
    advance(10000);
    EXPECT_EQ(board(), "...|...|...");
}

TEST_F(GameStartUp, HandOverWithNoughtFirstAgainstComputerOpensAfterTwoSeconds) {
    startProgram();
    newGame("Ann", "Bob", 'O', 'N');
    EXPECT_EQ(status(), "Bob it's your turn!");
    EXPECT_EQ(game().PlayerTurn, 2);
    advance(2000);
    EXPECT_EQ(board(), "...|...|...");
    advance(1);
    std::string cells = board();
    EXPECT_EQ(std::count(cells.begin(), cells.end(), 'O'), 1) << cells;
    EXPECT_EQ(status(), "Ann it's your turn!");
}

TEST_F(GameStartUp, HandOverWithCrossFirstAgainstComputerLeavesComputerWaiting) {
    startProgram();
    newGame("Ann", "Bob", 'X', 'R');
    EXPECT_EQ(status(), "Ann it's your turn!");
    EXPECT_FALSE(game().CheckTimer.enabled());
    advance(5000);
    EXPECT_EQ(board(), "...|...|...");
}

TEST_F(GameStartUp, LoadWithOneNameLeavesBoardFreeAndSetsNothingElse) {
    startWindow().Pl1.setText("Ann");
    game().PlayerTurn = 2;
    game().load();
    auto& g = game();
    EXPECT_EQ(board(), "...|...|...");
    EXPECT_EQ(status(), "");
    EXPECT_TRUE(g.Score.enabled());
    EXPECT_FALSE(g.Label2.visible());
    EXPECT_EQ(g.clientHeight(), 4545);
    EXPECT_EQ(g.PlayerTurn, 2);
}

TEST_F(GameStartUp, EveryLoadRecordsTheWorkingDirectoryOfThatMoment) {
    startProgram();
    std::filesystem::create_directory(folder() / "elsewhere");
    app->runtime.changeDirectory("elsewhere");
    newGame("Ann", "Bob", 'X', 'H');
    EXPECT_EQ(std::filesystem::path(game().CurrentDir.caption()), folder() / "elsewhere");
}

}  // namespace
