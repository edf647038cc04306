// Display sync and the scores button: score lines, the scores window, the turn handed over in
// Bn1, and modal or modeless scores.
#include "game_scenario.h"

#include <algorithm>

namespace {

class DisplaySync : public GameScenario {
protected:
    start::Scores& scores() { return app->Scores; }
    int marks() {
        const std::string cells = board();
        return static_cast<int>(std::count(cells.begin(), cells.end(), 'X') +
                                std::count(cells.begin(), cells.end(), 'O'));
    }
};

TEST_F(DisplaySync, ScoreLinesBeforeAnyGameReadColonAndBlank) {
    startProgram();
    advance(1);
    EXPECT_EQ(game().NameA.caption(), ": ");
    EXPECT_EQ(game().NameB.caption(), ": ");
}

TEST_F(DisplaySync, ScoreWrittenIntoTheGameWindowReachesEveryCopyAtTheNextTick) {
    twoHumans();
    game().Cr2.setCaption("5");
    advance(1);
    EXPECT_EQ(game().NameA.caption(), "Ann: ");
    EXPECT_EQ(game().NameB.caption(), "Bob: 5");
    EXPECT_EQ(scores().Score2.caption(), "5");
}

TEST_F(DisplaySync, WinReachesScoreLinesAndOpenScoresWindowWithinOneTick) {
    startProgram();
    watchGame("Ann", "Bob", 'X');
    user.click(game().Score);
    ASSERT_TRUE(platform.isShown(scores()));
    setBoard("XX.|OO.|...");
    game().Timer3.setEnabled(true);  // X's move onto n3, as the computer's line move would
    advance(1);
    ASSERT_EQ(status(), "Ann Has won this match!");
    advance(1);
    EXPECT_EQ(game().NameA.caption(), "Ann: 1");
    EXPECT_EQ(game().NameB.caption(), "Bob: 0");
    EXPECT_EQ(scores().Score1.caption(), "1");
    EXPECT_EQ(scores().Score2.caption(), "0");
}

TEST_F(DisplaySync, OkThenScoreAgainShowsTheCurrentNamesAndScores) {
    twoHumans();
    setBoard("XX.|OO.|...");
    play(3);
    platform.whenModal("Scores", [&] { user.click(scores().Ok); });
    user.click(game().Score);
    EXPECT_FALSE(platform.isShown(scores()));
    EXPECT_EQ(scores().Name1.caption(), "Ann");

    platform.whenModal("Scores", [&] {
        EXPECT_EQ(scores().Name1.caption(), "Ann");
        EXPECT_EQ(scores().Name2.caption(), "Bob");
        EXPECT_EQ(scores().Score1.caption(), "1");
        EXPECT_EQ(scores().Score2.caption(), "0");
        user.click(scores().Ok);
    });
    user.click(game().Score);
    EXPECT_EQ(platform.modalShows, (std::vector<std::string>{"Scores", "Scores"}));
    EXPECT_EQ(soundCount(".\\Button.wav"), 5);  // press, Ok, press, Ok, and the winning X
}

TEST_F(DisplaySync, TurnHandedOverInBn1TakesEffectOnceAtTheNextTick) {
    twoHumans();
    game().Bn1.setCaption("2");
    advance(1);
    EXPECT_EQ(game().PlayerTurn, 2);
    EXPECT_EQ(game().Bn1.caption(), "");
}

TEST_F(DisplaySync, OtherTextInBn1StaysAndChangesNoTurn) {
    twoHumans();
    game().Bn1.setCaption("3");
    advance(5);
    EXPECT_EQ(game().PlayerTurn, 1);
    EXPECT_EQ(game().Bn1.caption(), "3");
}

TEST_F(DisplaySync, WatchedGameShowsScoresModelessAndPlayGoesOn) {
    startProgram();
    watchGame("Ann", "Bob", 'X');
    user.click(game().Score);
    EXPECT_TRUE(platform.isShown(scores()));
    EXPECT_TRUE(platform.modalShows.empty());
    EXPECT_EQ(scores().Name1.caption(), "Ann");
    EXPECT_EQ(scores().Name2.caption(), "Bob");
    advance(4002);
    EXPECT_EQ(marks(), 2);
}

TEST_F(DisplaySync, OtherGamesShowScoresModalWhileTheComputerKeepsMoving) {
    againstComputer('N');
    play(1);
    platform.whenModal("Scores", [&] {
        advance(2002);
        EXPECT_EQ(marks(), 2) << "the computer moved behind the scores window";
        user.click(scores().Ok);
    });
    user.click(game().Score);
    EXPECT_EQ(platform.modalShows, std::vector<std::string>{"Scores"});
    EXPECT_EQ(game().PlayerTurn, 1);
}

TEST_F(DisplaySync, ScoresAskedModalWhileOpenModelessComeForwardWithFreshCopies) {
    startProgram();
    watchGame("Ann", "Bob", 'X');
    user.click(game().Score);
    game().CvsC.setValue(0);  // the watched game replaced, the window still open
    game().Name1.setCaption("Cy");
    user.click(game().Score);
    EXPECT_TRUE(platform.modalShows.empty());
    EXPECT_TRUE(platform.isShown(scores()));
    EXPECT_EQ(scores().Name1.caption(), "Cy");
    EXPECT_FALSE(platform.programEnded);
}

TEST_F(DisplaySync, StartWindowIsLoadedAgainHiddenAtTheTickAfterAHandOver) {
    startProgram();
    newGame("Ann", "Bob", 'X', 'H');
    ASSERT_FALSE(startWindow().isLoaded());
    advance(1);
    EXPECT_TRUE(startWindow().isLoaded());
    EXPECT_FALSE(platform.isShown(startWindow()));
    EXPECT_EQ(startWindow().Pl1.text(), "");
}

}  // namespace
