// Game > Load Game in the start window: cancel, a completed load that hands over to the game
// window, and the two ways a file can fail (while it is read, while the game is restored).
#include "game/saved_game_files.h"
#include "scenario/scenario.h"

#include <algorithm>
#include <filesystem>

namespace {

class LoadFromStart : public Scenario {
protected:
    void SetUp() override {
        startProgram();
        user.choose(g.Newg);
        ASSERT_TRUE(s.isShown());
        user.type(s.Pl1, "Ann");
        user.type(s.Pl2, "Bob");
        user.click(s.Option2);
        platform.sounds.clear();
    }
    std::string load(const std::string& bytes) {
        const std::string path = writeFile("game.TBY", bytes);
        platform.answerFileDialog(path);
        user.choose(s.LoadGame);
        return path;
    }
    std::string load(const SavedGameFile& file) { return load(file.text()); }
    // A file refused with the start window's own message; the start window is back on screen.
    void expectRefused(const std::string& bytes) {
        expectFileRefused(writeFile("game.TBY", bytes));
    }
    void expectFileRefused(const std::string& path) {
        platform.answerMessageBox(1, "The file (" + path + ") Was not a valid Gammerlin save file");
        platform.answerFileDialog(path);
        user.choose(s.LoadGame);
        ASSERT_EQ(platform.messageBoxes.size(), 1u);
        EXPECT_EQ(platform.messageBoxes[0].style, 48);
        EXPECT_EQ(platform.messageBoxes[0].title, "Error");
        EXPECT_FALSE(g.isLoaded());
        EXPECT_TRUE(s.isShown());
        EXPECT_FALSE(app->Computer.LoadingFromStart);
        EXPECT_TRUE(s.EndOnClose);
        EXPECT_FALSE(app->runtime.file().isOpen());
        EXPECT_EQ(std::filesystem::current_path(), folder());
        EXPECT_FALSE(platform.programEnded);
    }
    int marks(char mark) {
        const std::string b = board();
        return static_cast<int>(std::count(b.begin(), b.end(), mark));
    }
    start::Start& s = app->Start;
    game::gamer& g = app->gamer;
};

// ---- Cancel ------------------------------------------------------------------------------

TEST_F(LoadFromStart, CancelKeepsTheStartWindowAsItWas) {
    platform.answerFileDialog(std::nullopt);
    user.choose(s.LoadGame);
    EXPECT_TRUE(s.isShown());
    EXPECT_EQ(s.Pl1.text(), "Ann");
    EXPECT_TRUE(s.Option2.value());
    EXPECT_FALSE(app->Computer.LoadingFromStart);
    EXPECT_TRUE(s.EndOnClose);
    EXPECT_FALSE(g.isShown());
    user.close(s);
    EXPECT_TRUE(platform.programEnded);
}

TEST_F(LoadFromStart, AfterACancelNewStartsTheGameAsUsual) {
    platform.answerFileDialog(std::nullopt);
    user.choose(s.LoadGame);
    user.click(s.Option4);
    user.choose(s.NewGame);
    EXPECT_TRUE(g.isShown());
    EXPECT_EQ(g.Name1.caption(), "Ann");
    EXPECT_EQ(g.PlayerTurn, 2);
}

// ---- A completed load --------------------------------------------------------------------

TEST_F(LoadFromStart, CompletedLoadAgainstTheComputerWithOToMove) {
    const std::string path = load(SavedGameFile{.name1 = "Cat",
                                                .name2 = "Cpu",
                                                .score1 = "7",
                                                .score2 = "12",
                                                .board = "X..|...|...",
                                                .turn = "2",
                                                .opponent = "1",
                                                .level = "2"});
    EXPECT_TRUE(g.isShown());
    EXPECT_FALSE(s.isShown());
    EXPECT_TRUE(s.isLoaded()) << "loaded again, hidden, by the names";
    EXPECT_EQ(s.Pl1.text(), "Cat");
    EXPECT_EQ(s.Pl2.text(), "Cpu");
    EXPECT_EQ(board(), "X..|...|...");
    EXPECT_EQ(g.label.caption(), "Cpu it's your turn!");
    EXPECT_EQ(g.label.foreColor(), 0xFFFFFFu);
    EXPECT_EQ(g.Cr1.caption(), "7");
    EXPECT_EQ(app->Scores.Score2.caption(), "12");
    EXPECT_EQ(g.Tmplabel2.caption(), "1");
    EXPECT_TRUE(g.CheckTimer.enabled());
    EXPECT_EQ(g.SaveCont.caption(), path);
    EXPECT_TRUE(g.SA.enabled());
    EXPECT_EQ(g.Opx1.caption(), "");
    EXPECT_FALSE(app->Computer.LoadingFromStart);
    EXPECT_TRUE(s.EndOnClose);
    EXPECT_EQ(std::filesystem::current_path(), std::filesystem::path(g.CurrentDir.caption()));
    EXPECT_EQ(g.Bn1.caption(), "2") << "the turn waits for the display sync";

    advance(1);
    EXPECT_EQ(g.PlayerTurn, 2);
    advance(2500);
    EXPECT_EQ(marks('O'), 1) << "the computer made O's move";
}

TEST_F(LoadFromStart, EachNameBoxPlaysTheClickOnce) {
    load(SavedGameFile{.name1 = "Cat", .name2 = "Dog"});
    EXPECT_EQ(soundCount(".\\Button.wav"), 2);
}

TEST_F(LoadFromStart, NewAfterALoadShowsTheLoadedNamesWithNoFirstPlayerChosen) {
    load(SavedGameFile{.name1 = "Cat", .name2 = "Dog"});
    user.choose(g.Newg);
    ASSERT_TRUE(s.isShown());
    EXPECT_EQ(s.Pl1.text(), "Cat");
    EXPECT_EQ(s.Pl2.text(), "Dog");
    EXPECT_TRUE(s.NewGame.enabled());
    EXPECT_FALSE(s.Option1.value());
    EXPECT_FALSE(s.Option2.value());
}

TEST_F(LoadFromStart, ClosingTheLoadedGameWindowRunsTheOrdinaryCheck) {
    load(SavedGameFile{});
    user.click(g.n5);
    advance(5);
    platform.answerMessageBox(7, "Save Game before Exiting?");
    user.close(g);
    EXPECT_TRUE(platform.programEnded);
}

TEST_F(LoadFromStart, ClosingAnUntouchedLoadedGameEndsWithoutAPrompt) {
    load(SavedGameFile{});
    user.close(g);
    EXPECT_TRUE(platform.messageBoxes.empty());
    EXPECT_TRUE(platform.programEnded);
}

TEST_F(LoadFromStart, TurnRecordZeroLeavesBn1EmptyAndTheSelectNewLine) {
    load(SavedGameFile{.turn = "0"});
    EXPECT_EQ(g.Bn1.caption(), "");
    EXPECT_EQ(g.label.caption(), "Select \"New\" To play");
    EXPECT_EQ(g.label.foreColor(), 0xFFFFu);
}

TEST_F(LoadFromStart, LevelRecordZeroLeavesTheFreshWindowsLevel) {
    load(SavedGameFile{.level = "0"});
    EXPECT_EQ(g.CompSkill.caption(), "");
}

TEST_F(LoadFromStart, SquareRecordOutsideTheSetLeavesAnUnplayableSquare) {
    load(SavedGameFile{.board = "7..|...|..."});
    EXPECT_EQ(board(), "#..|...|...");
}

TEST_F(LoadFromStart, SeventeenFieldsLoadFromTheFirstSixteen) {
    load(SavedGameFile{.board = "..O|...|..."}.text() + "1,2,3\r\n");
    EXPECT_EQ(board(), "..O|...|...");
    EXPECT_EQ(s.LoadedRecords[15], "2");
}

// ---- Failure while reading: the game window never comes up ----------------------------------

TEST_F(LoadFromStart, FifteenFieldsFailWhileReadingAndKeepTheUsersEntries) {
    auto records = SavedGameFile{.name1 = "Cat"}.records();
    records.pop_back();
    expectRefused(savedLines(records));
    EXPECT_EQ(s.Pl1.text(), "Ann");
    EXPECT_TRUE(s.Option2.value());
}

TEST_F(LoadFromStart, AFileLongerThanAnySavedGameFailsUnreadAndKeepsTheUsersEntries) {
    const std::string path = (folder() / "game.TBY").string();
    writeGameWithAHole(path, SavedGameFile{.name1 = "Cat"});
    expectFileRefused(path);
    EXPECT_EQ(s.Pl1.text(), "Ann");
}

TEST_F(LoadFromStart, MissingFileFailsWhileReading) {
    const std::string path = (folder() / "none.TBY").string();
    platform.answerFileDialog(path);
    platform.answerMessageBox(1, "The file (" + path + ") Was not a valid Gammerlin save file");
    user.choose(s.LoadGame);
    EXPECT_FALSE(g.isLoaded());
    EXPECT_EQ(s.Pl1.text(), "Ann");
}

// ---- Failure while restoring: the start window comes back with the file's names -----------

TEST_F(LoadFromStart, SquareThatIsNotANumberFailsAfterTheHandOver) {
    expectRefused(SavedGameFile{.name1 = "Cat", .name2 = "Dog", .board = "..x|...|..."}.text());
    EXPECT_EQ(s.Pl1.text(), "Cat");
    EXPECT_EQ(s.Pl2.text(), "Dog");
    EXPECT_FALSE(s.Option2.value()) << "the options are back to their design state";
}

TEST_F(LoadFromStart, LevelThatIsNotANumberFailsAfterEverythingElse) {
    expectRefused(SavedGameFile{.name1 = "Cat", .level = ""}.text());
    EXPECT_EQ(s.Pl1.text(), "Cat");
}

TEST_F(LoadFromStart, ScoreThatIsNotAValidCountFailsAfterTheHandOver) {
    expectRefused(SavedGameFile{.name1 = "Cat", .score1 = "40000"}.text());
    EXPECT_EQ(s.Pl1.text(), "Cat");
    EXPECT_EQ(app->Scores.Score1.caption(), "") << "the bad score reaches no label";
}

TEST_F(LoadFromStart, AfterAFailureTheNextNewLoadsAFreshGameWindow) {
    expectRefused(SavedGameFile{.name1 = "Cat", .name2 = "Dog", .board = "x..|...|..."}.text());
    user.click(s.Option1);
    user.click(s.Option4);
    user.choose(s.NewGame);
    EXPECT_TRUE(g.isShown());
    EXPECT_EQ(g.Name1.caption(), "Cat");
    EXPECT_EQ(board(), "...|...|...");
}

}  // namespace
