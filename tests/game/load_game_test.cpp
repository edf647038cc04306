// Game > Load Game in the game window: what a saved game puts back, what a cancel leaves, and
// how a file that is not a saved game hands over to the start window.
#include "game/saved_game_files.h"
#include "game/game_scenario.h"

#include <filesystem>

namespace {

class LoadGame : public GameScenario {
protected:
    void SetUp() override {
        startProgram();
        newGame("Ann", "Bob", 'X', 'H');
    }
    // Chooses Game > Load Game and opens `file` (written into the folder as game.TBY).
    std::string load(const std::string& bytes) {
        const std::string path = writeFile("game.TBY", bytes);
        platform.answerFileDialog(path);
        user.choose(g.LoadGame);
        return path;
    }
    std::string load(const SavedGameFile& file) { return load(file.text()); }
    void expectRefused(const std::string& bytes) {
        expectFileRefused(writeFile("game.TBY", bytes));
    }
    void expectFileRefused(const std::string& path) {
        platform.answerMessageBox(1, "The file (" + path + ") Was not a valid Tesselby save file");
        platform.answerFileDialog(path);
        user.choose(g.LoadGame);
        ASSERT_EQ(platform.messageBoxes.size(), 1u);
        EXPECT_EQ(platform.messageBoxes[0].style, 48);
        EXPECT_EQ(platform.messageBoxes[0].title, "Error");
        EXPECT_FALSE(g.isLoaded()) << "the game window goes";
        EXPECT_TRUE(app->Start.isShown()) << "the start window comes up";
        EXPECT_FALSE(platform.programEnded);
        EXPECT_FALSE(app->runtime.file().isOpen());
    }
    game::gamer& g = app->gamer;
};

// ---- A completed load ---------------------------------------------------------------------

TEST_F(LoadGame, LoadPutsBackNamesScoresSquaresTurnOpponentAndLevel) {
    const std::string path = load(SavedGameFile{.name1 = "Cat",
                                                .name2 = "Dog",
                                                .score1 = "7",
                                                .score2 = "12",
                                                .board = "XO.|.X.|..O",
                                                .turn = "1",
                                                .opponent = "1",
                                                .level = "3"});
    EXPECT_EQ(board(), "XO.|.X.|..O");
    EXPECT_EQ(g.Name1.caption(), "Cat");
    EXPECT_EQ(g.Name2.caption(), "Dog");
    EXPECT_EQ(g.Cr1.caption(), "7");
    EXPECT_EQ(g.Cr2.caption(), "12");
    EXPECT_EQ(app->Scores.Name1.caption(), "Cat");
    EXPECT_EQ(app->Scores.Score2.caption(), "12");
    EXPECT_EQ(g.PlayerTurn, 1);
    EXPECT_EQ(g.label.caption(), "Cat it's your turn!");
    EXPECT_EQ(g.label.foreColor(), 0xFFFFFFu);
    EXPECT_EQ(g.Tmplabel2.caption(), "1");
    EXPECT_TRUE(g.CheckTimer.enabled());
    EXPECT_EQ(g.CompSkill.caption(), "3");
    EXPECT_TRUE(g.SA.enabled());
    EXPECT_TRUE(g.SAs.enabled());
    EXPECT_TRUE(g.Score.enabled());
    EXPECT_EQ(g.SaveCont.caption(), path);
    EXPECT_EQ(g.Opx1.caption(), "");
    EXPECT_EQ(g.CvsC.value(), 0);
    EXPECT_EQ(g.height(), 4965);
    EXPECT_TRUE(g.Label2.visible());
    EXPECT_EQ(std::filesystem::current_path(), std::filesystem::path(g.CurrentDir.caption()));
}

TEST_F(LoadGame, LoadedComputerOpponentMovesOnItsTurnAtItsLevel) {
    // Hard, with no line to complete or block: it takes one of the two free corners.
    load(SavedGameFile{.name1 = "Cat",
                       .name2 = "Dog",
                       .board = "XO.|.X.|..O",
                       .turn = "2",
                       .opponent = "1",
                       .level = "3"});
    EXPECT_EQ(status(), "Dog it's your turn!");
    advance(1999);
    EXPECT_EQ(board(), "XO.|.X.|..O") << "the computer thinks for two seconds";
    advance(2);
    const std::string after = board();
    EXPECT_TRUE(after == "XOO|.X.|..O" || after == "XO.|.X.|O.O") << after;
    EXPECT_EQ(status(), "Cat it's your turn!");
}

TEST_F(LoadGame, NumbersAreReadByValue) {
    load(savedLines(
        {"Ann", "Bob", "0", "0", "01", "2.0", " 0", "0", "0", "0", "0", "0", "0", "2", "2", "1"}));
    EXPECT_EQ(board(), "XO.|...|...");
    EXPECT_EQ(g.PlayerTurn, 2);
    EXPECT_EQ(g.label.caption(), "Bob it's your turn!");
    EXPECT_EQ(g.CompSkill.caption(), "1");
}

TEST_F(LoadGame, SquareRecordOutsideTheSetLeavesAnUnplayableSquare) {
    load(savedLines(
        {"Ann", "Bob", "0", "0", "3", "0", "7", "0", "0", "0", "0", "0", "-1", "1", "2", "2"}));
    EXPECT_EQ(board(), "#.#|...|..#");
    user.click(g.n1);
    advance(5);
    EXPECT_EQ(board(), "#.#|...|..#");
}

TEST_F(LoadGame, SeventeenFieldsLoadFromTheFirstSixteen) {
    load(SavedGameFile{.board = "X..|...|..."}.text() + "extra\r\n");
    EXPECT_EQ(board(), "X..|...|...");
    EXPECT_FALSE(app->runtime.file().isOpen());
}

TEST_F(LoadGame, TurnRecordZeroKeepsTheTurnAndTheSelectNewLine) {
    play(1);  // O to move
    platform.answerMessageBox(7, "Save Game before loading another?");
    load(SavedGameFile{.turn = "0"});
    EXPECT_EQ(g.PlayerTurn, 2);
    EXPECT_EQ(g.label.caption(), "Select \"New\" To play");
    EXPECT_EQ(g.label.foreColor(), 0xFFFFu);
}

TEST_F(LoadGame, OpponentRecordOtherThanComputerLeavesTheComputerTimerAsItWas) {
    g.CheckTimer.setEnabled(true);
    load(SavedGameFile{.opponent = "2"});
    EXPECT_EQ(g.Tmplabel2.caption(), "2");
    EXPECT_TRUE(g.CheckTimer.enabled());
    load(SavedGameFile{.opponent = "0"});
    EXPECT_EQ(g.Tmplabel2.caption(), "");
}

TEST_F(LoadGame, LevelRecordZeroKeepsTheEarlierLevel) {
    g.CompSkill.setCaption("3");
    load(SavedGameFile{.level = "0"});
    EXPECT_EQ(g.CompSkill.caption(), "3");
}

TEST_F(LoadGame, QuotedNamesReadBackWithTheirCommas) {
    load(savedLines({"\"Smith, J\"", "\"  Bo\""}) + SavedGameFile{}.text().substr(10));
    EXPECT_EQ(g.Name1.caption(), "Smith, J");
    EXPECT_EQ(g.Name2.caption(), "  Bo");
    EXPECT_EQ(board(), "...|...|...");
}

TEST_F(LoadGame, EmptyScoresAreAccepted) {
    load(SavedGameFile{.score1 = "", .score2 = ""});
    EXPECT_EQ(g.Cr1.caption(), "");
    EXPECT_TRUE(g.isLoaded());
}

// ---- Cancel and the save prompt -----------------------------------------------------------

TEST_F(LoadGame, CancelledDialogChangesNothing) {
    play(1);
    const std::string before = board();
    platform.answerMessageBox(7, "Save Game before loading another?");
    platform.answerFileDialog(std::nullopt);
    user.choose(g.LoadGame);
    EXPECT_EQ(board(), before);
    EXPECT_EQ(g.Name1.caption(), "Ann");
    EXPECT_EQ(g.Opx1.caption(), "ACTIVE");
    EXPECT_EQ(g.SaveCont.caption(), "");
    EXPECT_EQ(g.label.caption(), "Bob it's your turn!");
}

TEST_F(LoadGame, PromptYesWithoutAFileOffersSaveAsAndLoadsEvenWhenItIsCancelled) {
    play(1);
    platform.answerMessageBox(6, "Save Game before loading another?");
    platform.answerFileDialog(std::nullopt);  // the save dialog
    load(SavedGameFile{.name1 = "Cat"});
    ASSERT_EQ(platform.fileDialogs.size(), 2u);
    EXPECT_TRUE(platform.fileDialogs[0].save);
    EXPECT_FALSE(platform.fileDialogs[1].save);
    EXPECT_EQ(platform.messageBoxes[0].title, "Save Game?");
    EXPECT_EQ(platform.messageBoxes[0].style, 52);
    EXPECT_EQ(g.Name1.caption(), "Cat");
}

TEST_F(LoadGame, PromptYesWithAFileSavesItBeforeLoading) {
    const std::string first = (folder() / "first.TBY").string();
    platform.answerFileDialog(first);
    user.choose(g.SAs);
    play(1);
    platform.answerMessageBox(6, "Save Game before loading another?");
    load(SavedGameFile{.name1 = "Cat"});
    EXPECT_EQ(platform.fileDialogs.size(), 2u) << "Save needs no dialog";
    EXPECT_EQ(readFile(first), (SavedGameFile{.board = "X..|...|...", .turn = "2"}.text()));
}

TEST_F(LoadGame, NoPromptForAnUnchangedOrWatchedGame) {
    load(SavedGameFile{});  // unchanged: Opx1 is empty after New
    g.Opx1.setCaption("ACTIVE");
    g.CvsC.setValue(1);
    load(SavedGameFile{});
    EXPECT_TRUE(platform.messageBoxes.empty());
}

// ---- A file that is not a saved game ------------------------------------------------------

TEST_F(LoadGame, SquareThatIsNotANumberDropsTheGameWindow) {
    expectRefused(SavedGameFile{.board = "x..|...|..."}.text());
    EXPECT_EQ(std::filesystem::current_path(), folder());
}

TEST_F(LoadGame, EmptySquareRecordIsRefused) {
    expectRefused(savedLines(
        {"Ann", "Bob", "0", "0", "", "0", "0", "0", "0", "0", "0", "0", "0", "1", "2", "2"}));
}

TEST_F(LoadGame, FifteenFieldsAreRefused) {
    auto records = SavedGameFile{}.records();
    records.pop_back();
    expectRefused(savedLines(records));
}

TEST_F(LoadGame, ANameWithAnUnquotedCommaShiftsTheRecordsAndIsRefused) {
    expectRefused(SavedGameFile{.name1 = "Smith, J"}.text());
}

TEST_F(LoadGame, BadLevelRecordIsRefusedAfterEverythingElseWasRestored) {
    expectRefused(SavedGameFile{.name1 = "Cat", .level = "hard"}.text());
    EXPECT_EQ(app->Scores.Name1.caption(), "Cat") << "the scores window keeps what it was given";
}

TEST_F(LoadGame, AFileLongerThanAnySavedGameIsRefusedUnread) {
    const std::string path = (folder() / "game.TBY").string();
    writeGameWithAHole(path, SavedGameFile{.name1 = "Cat"});
    expectFileRefused(path);
}

TEST_F(LoadGame, MissingFileIsRefused) {
    const std::string path = (folder() / "none.TBY").string();
    platform.answerFileDialog(path);
    platform.answerMessageBox(1, "The file (" + path + ") Was not a valid Tesselby save file");
    user.choose(g.LoadGame);
    EXPECT_FALSE(g.isLoaded());
}

class InvalidScore : public LoadGame, public ::testing::WithParamInterface<const char*> {};

TEST_P(InvalidScore, ScoreThatIsNotAWholeNumberFrom0To32767IsRefused) {
    expectRefused(SavedGameFile{.score2 = GetParam()}.text());
    EXPECT_EQ(app->Scores.Score2.caption(), "") << "the bad score reaches no label";
}

INSTANTIATE_TEST_SUITE_P(LoadGame, InvalidScore,
                         ::testing::Values("-1", "32768", "7.5", "seven", "1e9", "0x10"));

TEST_F(LoadGame, HighestScoreIsAccepted) {
    load(SavedGameFile{.score1 = "32767", .score2 = "5.0"});
    EXPECT_EQ(g.Cr1.caption(), "32767");
    EXPECT_EQ(g.Cr2.caption(), "5.0");
}

TEST_F(LoadGame, AnAcceptedScoreCountsOnFromItsValueAtTheNextWin) {
    load(SavedGameFile{.score1 = " 5.0", .score2 = "+2", .board = "XX.|OO.|..."});
    user.click(g.n3);
    advance(5);
    EXPECT_EQ(g.Cr1.caption(), "6");
    EXPECT_EQ(g.Cr2.caption(), "2");
}

TEST_F(LoadGame, ALoadDuringThePauseAfterAWinIsNotClearedByThatPause) {
    setBoard("XX.|OO.|...");
    play(3);
    ASSERT_TRUE(g.h1.visible()) << "X has won the top row";
    platform.answerMessageBox(7, "Save Game before loading another?");
    load(SavedGameFile{.board = "X..|.O.|...", .turn = "1"});
    advance(2000);
    EXPECT_EQ(board(), "X..|.O.|...");
    EXPECT_FALSE(g.h1.visible());
    EXPECT_EQ(g.label.caption(), "Ann it's your turn!");
}

// ---- A click still waiting when a game is loaded ------------------------------------------

// Before the first game of a run nobody has the turn, so a click on a cell of a game loaded
// then waits for one. The next loaded game, which does give the turn, must not receive it.
class LoadWithAClickWaiting : public GameScenario {
protected:
    void SetUp() override { startProgram(); }
    void answerWith(const SavedGameFile& file) {
        platform.answerFileDialog(writeFile("game.TBY", file.text()));
    }
    void clickWithNobodyToMove() {
        user.click(game().n5);
        advance(50);
        ASSERT_EQ(board(), "O..|...|...") << "nobody has the turn: the click places nothing";
    }
    void expectTheNextLoadUntouched() {
        platform.answerMessageBox(7, "Save Game before loading another?");
        answerWith(SavedGameFile{.name1 = "Cat", .board = "..O|...|...", .turn = "1"});
        user.choose(game().LoadGame);
        advance(50);
        EXPECT_EQ(board(), "..O|...|...");
        EXPECT_EQ(game().PlayerTurn, 1);
        EXPECT_EQ(status(), "Cat it's your turn!");
        EXPECT_EQ(game().Opx1.caption(), "") << "the loaded game is unchanged";
    }
    const SavedGameFile noTurn{.board = "O..|...|...", .turn = "0"};
};

TEST_F(LoadWithAClickWaiting, AfterAGameLoadedInTheGameWindow) {
    answerWith(noTurn);
    user.choose(game().LoadGame);
    clickWithNobodyToMove();
    expectTheNextLoadUntouched();
}

TEST_F(LoadWithAClickWaiting, AfterAGameLoadedFromTheStartWindow) {
    user.choose(game().Newg);
    answerWith(noTurn);
    user.choose(startWindow().LoadGame);  // the names are empty: no first player either
    ASSERT_TRUE(game().isShown());
    clickWithNobodyToMove();
    expectTheNextLoadUntouched();
}

// ---- The computer's fallback move armed when a game is loaded ---------------------------

// A click during the computer's turn arms the fallback move, which only the computer's own move
// switches off. A loaded game between two people must never see it move for a person.
class LoadWithTheFallbackArmed : public GameScenario {
protected:
    void SetUp() override {
        startProgram();
        newGame("Ann", "Bob", 'O', 'N');
        user.click(game().n5);  // the computer's turn: this arms the fallback move
        ASSERT_TRUE(game().Timer.enabled());
    }
    void expectNobodyMovesForThePeople() {
        const SavedGameFile people{
            .name1 = "Cat", .name2 = "Dan", .board = "X..|...|...", .turn = "2", .opponent = "2"};
        platform.answerFileDialog(writeFile("people.TBY", people.text()));
        load();
        advance(12000);
        EXPECT_EQ(board(), "X..|...|...") << "nobody moves for Dan";
        EXPECT_EQ(status(), "Dan it's your turn!");
        // Play on: each person's turn waits for that person, however long.
        play(5);
        advance(12000);
        EXPECT_EQ(board(), "X..|.O.|...");
        play(9);
        advance(12000);
        EXPECT_EQ(board(), "X..|.O.|..X");
    }
    virtual void load() = 0;
};

class LoadInTheGameWindowWithTheFallbackArmed : public LoadWithTheFallbackArmed {
    void load() override { user.choose(game().LoadGame); }
};

class LoadFromTheStartWindowWithTheFallbackArmed : public LoadWithTheFallbackArmed {
    void load() override {
        user.choose(game().Newg);
        user.choose(startWindow().LoadGame);
    }
};

TEST_F(LoadInTheGameWindowWithTheFallbackArmed, NeverMovesForAPerson) {
    expectNobodyMovesForThePeople();
}

TEST_F(LoadFromTheStartWindowWithTheFallbackArmed, NeverMovesForAPerson) {
    expectNobodyMovesForThePeople();
}

}  // namespace
