// The result check: lines in their fixed order, draws, the three score copies, and the pause
// that clears the board for the next match.
#include "game_scenario.h"

namespace {

constexpr forms::Color White = 0xFFFFFF;
constexpr forms::Color Yellow = 0xFFFF;

class ResultCheck : public GameScenario {
protected:
    std::string visibleStrikes() {
        std::string shown;
        auto& g = game();
        forms::Image* strikes[] = {&g.h1, &g.h2, &g.h3, &g.h4, &g.h5, &g.h6, &g.h7, &g.h8};
        for (forms::Image* strike : strikes) {
            if (strike->visible()) shown += strike->name();
        }
        return shown;
    }
};

TEST_F(ResultCheck, MarkCompletingTwoLinesStrikesOnlyTheFirstInOrder) {
    twoHumans();
    setBoard("XOO|X.X|OOX");
    play(5);  // completes the middle row and the diagonal from the top left
    EXPECT_EQ(visibleStrikes(), "h8");
    EXPECT_EQ(game().Cr1.caption(), "1");
    EXPECT_EQ(soundCount(".\\Clear.wav"), 1);
}

TEST_F(ResultCheck, NinthMarkCompletingALineIsAWin) {
    twoHumans();
    setBoard("XOX|XOO|.XO");
    play(7);
    EXPECT_EQ(status(), "Ann Has won this match!");
    EXPECT_EQ(game().label.foreColor(), White);
    EXPECT_EQ(visibleStrikes(), "h4");
    EXPECT_TRUE(game().Timer10.enabled());
    EXPECT_FALSE(game().Timer12.enabled());
}

TEST_F(ResultCheck, DisabledBlankCellCountsTowardsADraw) {
    twoHumans();
    setBoard("XO#|OX.|OXO");
    play(6);
    EXPECT_EQ(status(), "Draw!");
    EXPECT_EQ(game().label.foreColor(), Yellow);
    EXPECT_TRUE(game().Timer12.enabled());
    EXPECT_EQ(soundCount(".\\Clear.wav"), 1);
    EXPECT_EQ(game().Cr1.caption(), "");
    EXPECT_EQ(game().Cr2.caption(), "");
}

TEST_F(ResultCheck, BoardWithBothACrossAndANoughtLineIsWonByCross) {
    twoHumans();
    setBoard("XXX|OOO|...");
    app->Computer.CheckGameOver();
    EXPECT_EQ(visibleStrikes(), "h1");
    EXPECT_EQ(status(), "Ann Has won this match!");
    EXPECT_EQ(board(), "XXX|OOO|###");
}

TEST_F(ResultCheck, FirstWinOfAGameScoresOneAndZeroInEveryCopy) {
    twoHumans();
    app->Computer.Player1Score = 5;  // left over from an earlier game of the run
    app->Computer.Player2Score = 7;
    setBoard("XX.|OO.|X..");
    game().PlayerTurn = 2;
    play(6);
    EXPECT_EQ(status(), "Bob Has won this match!");
    EXPECT_EQ(game().Cr1.caption(), "0");
    EXPECT_EQ(game().Cr2.caption(), "1");
    EXPECT_EQ(app->Scores.Score1.caption(), "0");
    EXPECT_EQ(app->Scores.Score2.caption(), "1");
}

TEST_F(ResultCheck, PauseAfterCrossWinsClearsTheBoardAfterOneSecondForNought) {
    twoHumans();
    setBoard("XX.|OO.|...");
    play(3);
    advance(999);
    EXPECT_EQ(board(), "XXX|OO#|###");
    advance(1);
    EXPECT_EQ(board(), "...|...|...");
    EXPECT_EQ(visibleStrikes(), "");
    EXPECT_EQ(game().cell(1).picture(), game().ip1.picture());
    EXPECT_EQ(status(), "Bob it's your turn!");
    EXPECT_EQ(game().label.foreColor(), White);
    EXPECT_FALSE(game().Timer10.enabled());
    play(5);
    EXPECT_EQ(board(), "...|.O.|...");
}

TEST_F(ResultCheck, PauseAfterNoughtWinsLetsCrossBegin) {
    twoHumans();
    setBoard("XX.|OO.|X..");
    game().PlayerTurn = 2;
    play(6);
    advance(1000);
    EXPECT_EQ(board(), "...|...|...");
    EXPECT_EQ(status(), "Ann it's your turn!");
}

TEST_F(ResultCheck, PauseAfterDrawLetsThePlayerToMoveBegin) {
    twoHumans();
    setBoard("XOX|XOO|OX.");
    play(9);
    ASSERT_EQ(status(), "Draw!");
    advance(1000);
    EXPECT_EQ(board(), "...|...|...");
    EXPECT_EQ(status(), "Bob it's your turn!");
    EXPECT_EQ(game().label.foreColor(), White);
}

TEST_F(ResultCheck, WinAtTheHighestScoreKeepsIt) {
    twoHumans();
    game().Cr1.setCaption("32767");
    game().Cr2.setCaption("4");
    setBoard("XX.|OO.|...");
    play(3);
    EXPECT_EQ(game().Cr1.caption(), "32767");
    EXPECT_EQ(game().Cr2.caption(), "4");
}

TEST_F(ResultCheck, ScoreLabelThatIsNotACountCountsAsNoWins) {
    twoHumans();
    game().Cr1.setCaption("7 wins");
    game().Cr2.setCaption("40000");
    setBoard("XX.|OO.|...");
    play(3);
    EXPECT_EQ(game().Cr1.caption(), "1");
    EXPECT_EQ(game().Cr2.caption(), "0");
}

TEST_F(ResultCheck, CheckOnAnUnchangedWonBoardAnnouncesAndCountsAgain) {
    twoHumans();
    setBoard("XX.|OO.|...");
    play(3);
    app->Computer.CheckGameOver();
    EXPECT_EQ(game().Cr1.caption(), "2");
    EXPECT_EQ(soundCount(".\\Clear.wav"), 2);
}

}  // namespace
