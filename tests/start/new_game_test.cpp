// New and Watch: their checks, what they hand over to the game and scores windows, and the
// ways out of the start window.
#include "start_window.h"

namespace {

class StartHandOver : public StartWindow {
protected:
    // Runs a command that must refuse; returns its message after checking how it was shown.
    std::string refusal(forms::Control& trigger) {
        platform.answerMessageBox(1);
        user.click(trigger);
        EXPECT_EQ(platform.messageBoxes.back().style, 48);
        EXPECT_EQ(platform.messageBoxes.back().title, "Gammerlin");
        EXPECT_TRUE(s.EndOnClose && s.isShown() && !g.isLoaded());
        return platform.messageBoxes.back().text;
    }
};

TEST_F(StartHandOver, NewChecksNamesFirstPlayerAndOpponentInTurn) {
    EXPECT_EQ(refusal(s.NewGame), "Before playing type your names in the text box's");
    names("Ann", "Ann");
    EXPECT_EQ(refusal(s.NewGame), "You can't have the same names");
    names("Ann", "ann");  // case counts
    EXPECT_EQ(refusal(s.NewGame), "Select who goes first(Ovrils: ann, Crosses: Ann)");
    names("Ann", "Ann ");  // so does a trailing blank
    EXPECT_EQ(refusal(s.NewGame), "Select who goes first(Ovrils: Ann , Crosses: Ann)");
    names("Ann", "Bob");
    EXPECT_EQ(refusal(s.NewGame), "Select who goes first(Ovrils: Bob, Crosses: Ann)");
    user.click(s.Option1);
    EXPECT_EQ(refusal(s.NewGame), "Please select if player2 is Computer or Human");
    user.close(s);
    EXPECT_TRUE(platform.programEnded);
}

TEST_F(StartHandOver, WatchChecksNamesAndFirstPlayerLikeNew) {
    names("Ann", "Ann");
    user.click(s.Option3);
    EXPECT_EQ(refusal(s.UseComp), "You can't have the same names");
    names("Ann", "Bob");
    EXPECT_EQ(refusal(s.UseComp), "Select who goes first(Ovrils: Bob, Crosses: Ann)");
}

TEST_F(StartHandOver, NewWithAHumanHandsOverNamesAndEmptyScores) {
    newGame("Ann", "Bob", 'X', 'H');
    EXPECT_TRUE(g.isShown() && !s.isLoaded() && !platform.programEnded);
    EXPECT_EQ(captions(g.Tmplabel2, g.CompSkill, g.Name1, g.Name2, g.Cr1, g.Cr2), "2||Ann|Bob|||");
    EXPECT_TRUE(g.CvsC.value() == 0 && g.SAs.enabled() && g.PlayerTurn == 1);
    auto& scores = app->Scores;
    EXPECT_EQ(captions(scores.Name1, scores.Name2, scores.Score1, scores.Score2), "Ann|Bob|||");
    EXPECT_EQ(g.label.caption(), "Ann it's your turn!");
    advance(5000);
    EXPECT_EQ(board(), "...|...|...");
}

TEST_F(StartHandOver, NewWithTheComputerWritesItsLevel) {
    for (auto [level, skill] : {std::pair{'E', "1"}, {'N', "2"}, {'R', "3"}}) {
        newGame("Ann", "Bob", 'X', level);
        EXPECT_EQ(captions(g.Tmplabel2, g.CompSkill), std::string("1|") + skill + "|");
        EXPECT_EQ(g.PlayerTurn, 1);
    }
}

TEST_F(StartHandOver, TheComputerOpensAboutTwoSecondsAfterNewWhenOBegins) {
    newGame("Ann", "Bob", 'O', 'N');
    EXPECT_EQ(g.PlayerTurn, 2);
    EXPECT_EQ(g.label.caption(), "Bob it's your turn!");
    advance(1990);
    EXPECT_EQ(marks('O'), 0);
    advance(20);
    EXPECT_EQ(marks('O'), 1);
}

TEST_F(StartHandOver, WatchLetsTheComputerPlayBothSidesMatchAfterMatch) {
    names("Ann", "Bob");
    user.click(s.Option1);
    user.click(s.Option3);
    user.click(s.Option7);
    user.click(s.UseComp);
    EXPECT_TRUE(g.isShown() && !s.isLoaded());
    EXPECT_EQ(g.CvsC.value(), 1);
    EXPECT_EQ(captions(g.Tmplabel2, g.CompSkill, g.Cr1, g.Cr2), "1||||");  // no level, though Hard
    EXPECT_EQ(captions(app->Scores.Score1, app->Scores.Score2), "||");
    EXPECT_FALSE(g.SAs.enabled());
    // Nobody clicks: both marks come from the computer, and the board clears for match after match.
    int clearedBoards = 0;
    bool bothSides = false;
    for (std::string last = board(); clearedBoards < 3 && platform.nowMs() < 90000; advance(100)) {
        const std::string now = board();
        if (now != last && now == "...|...|...") ++clearedBoards;
        bothSides = bothSides || (marks('X') > 0 && marks('O') > 0);
        last = now;
    }
    EXPECT_EQ(clearedBoards, 3);
    EXPECT_TRUE(bothSides);
}

TEST_F(StartHandOver, ExitEndsTheProgramAfterItsClick) {
    platform.sounds.clear();
    user.choose(s.Exit);
    EXPECT_TRUE(platform.programEnded);
    EXPECT_EQ(soundCount(".\\Button.wav"), 1);
}

TEST_F(StartHandOver, NewAndWatchStartFromAFreshGameWindowWhenAnIdleOneIsLoaded) {
    // As the about window's switch button does: the look loads the game window, hidden.
    const auto readCvsC = [&] { app->runtime.dispatch([&] { (void)g.CvsC.value(); }, "CvsC"); };
    readCvsC();
    ASSERT_TRUE(g.isLoaded() && !g.isShown());
    newGame("Ann", "Bob", 'O', 'H');
    EXPECT_EQ(g.label.caption(), "Bob it's your turn!");
    EXPECT_EQ(board(), "...|...|...");
    user.choose(g.Newg);
    readCvsC();
    names("Ann", "Bob");
    user.click(s.Option1);
    user.click(s.Option3);
    user.click(s.UseComp);
    advance(2005);
    EXPECT_EQ(marks('X'), 1);
    EXPECT_FALSE(platform.programEnded);
}

}  // namespace
