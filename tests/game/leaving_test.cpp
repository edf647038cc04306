// Leaving a game: Game > New hands over to the start window, Game > Exit and the close box end
// the program, each after the save prompt when the game has unsaved changes and is not watched.
#include "game/saved_game_files.h"
#include "game/game_scenario.h"

namespace {

class Leaving : public GameScenario {
protected:
    void SetUp() override {
        startProgram();
        newGame("Ann", "Bob", 'X', 'H');
        platform.sounds.clear();
    }
    std::string path(const std::string& name) { return (folder() / name).string(); }
    void expectSavePrompt(const std::string& text) {
        ASSERT_EQ(platform.messageBoxes.size(), 1u);
        EXPECT_EQ(platform.messageBoxes[0].text, text);
        EXPECT_EQ(platform.messageBoxes[0].style, 52);
        EXPECT_EQ(platform.messageBoxes[0].title, "Save Game?");
    }
    void expectHandedOverToTheStartWindow() {
        EXPECT_FALSE(g.isLoaded());
        EXPECT_TRUE(app->Start.isShown());
        EXPECT_FALSE(platform.programEnded);
    }
    game::gamer& g = app->gamer;
};

const char* const BeforeNew = "Save Game before starting a New Game?";
const char* const BeforeExit = "Save Game before Exiting?";

// ---- Game > New -------------------------------------------------------------------------

TEST_F(Leaving, NewOnAChangedGameAsksThenHandsOverToTheStartWindow) {
    play(1);
    platform.answerMessageBox(7, BeforeNew);
    user.choose(g.Newg);
    expectSavePrompt(BeforeNew);
    EXPECT_EQ(soundCount(".\\Button.wav"), 2);  // the move and the command
    expectHandedOverToTheStartWindow();
}

TEST_F(Leaving, NewAnsweredYesSavesToTheCurrentFileFirst) {
    platform.answerFileDialog(path("a.TBY"));
    user.choose(g.SAs);
    play(1);
    platform.answerMessageBox(6, BeforeNew);
    user.choose(g.Newg);
    EXPECT_EQ(readFile(path("a.TBY")), (SavedGameFile{.board = "X..|...|...", .turn = "2"}.text()));
    expectHandedOverToTheStartWindow();
}

TEST_F(Leaving, NewOnAnUnchangedGameAsksNothing) {
    user.choose(g.Newg);
    EXPECT_TRUE(platform.messageBoxes.empty());
    EXPECT_EQ(soundCount(".\\Button.wav"), 1);
    expectHandedOverToTheStartWindow();
}

TEST_F(Leaving, NewDuringAWatchedGameAsksNothing) {
    g.CvsC.setValue(1);
    g.Opx1.setCaption("ACTIVE");
    user.choose(g.Newg);
    EXPECT_TRUE(platform.messageBoxes.empty());
    expectHandedOverToTheStartWindow();
}

TEST_F(Leaving, PromptGoesOnToTheCommandWhenSaveAsIsCancelled) {
    play(1);
    platform.answerMessageBox(6, BeforeNew);
    platform.answerFileDialog(std::nullopt);
    user.choose(g.Newg);
    EXPECT_EQ(platform.fileDialogs.size(), 1u);
    expectHandedOverToTheStartWindow();
}

// ---- Game > Exit ------------------------------------------------------------------------

TEST_F(Leaving, ExitWithUnsavedChangesAndNoFileEndsEvenWhenSaveAsIsCancelled) {
    play(1);
    platform.answerMessageBox(6, BeforeExit);
    platform.answerFileDialog(std::nullopt);
    user.choose(g.Exit);
    expectSavePrompt(BeforeExit);
    EXPECT_TRUE(platform.programEnded);
    EXPECT_EQ(soundCount(".\\Button.wav"), 2);
    EXPECT_TRUE(g.isLoaded()) << "ending is not an unload";
}

TEST_F(Leaving, ExitAnsweredYesWithAFileSavesWithoutADialogThenEnds) {
    platform.answerFileDialog(path("a.TBY"));
    user.choose(g.SAs);
    play(5);
    platform.answerMessageBox(6, BeforeExit);
    user.choose(g.Exit);
    EXPECT_EQ(platform.fileDialogs.size(), 1u);
    EXPECT_EQ(readFile(path("a.TBY")), (SavedGameFile{.board = "...|.X.|...", .turn = "2"}.text()));
    EXPECT_TRUE(platform.programEnded);
}

TEST_F(Leaving, ExitOnAnUnchangedGameEndsWithTheClickSound) {
    user.choose(g.Exit);
    EXPECT_TRUE(platform.messageBoxes.empty());
    EXPECT_EQ(soundCount(".\\Button.wav"), 1);
    EXPECT_TRUE(platform.programEnded);
}

// ---- The close box ----------------------------------------------------------------------

TEST_F(Leaving, ClosingAChangedGameAsksThenEndsWithTheClickSound) {
    play(1);
    platform.answerMessageBox(7, BeforeExit);
    user.close(g);
    expectSavePrompt(BeforeExit);
    EXPECT_EQ(soundCount(".\\Button.wav"), 2);
    EXPECT_TRUE(platform.programEnded);
}

TEST_F(Leaving, ClosingAnUnchangedGameEndsSilently) {
    user.close(g);
    EXPECT_TRUE(platform.messageBoxes.empty());
    EXPECT_TRUE(platform.sounds.empty());
    EXPECT_TRUE(platform.programEnded);
}

TEST_F(Leaving, ClosingAWatchedGameEndsSilently) {
    g.CvsC.setValue(1);
    g.Opx1.setCaption("ACTIVE");
    user.close(g);
    EXPECT_TRUE(platform.messageBoxes.empty());
    EXPECT_TRUE(platform.programEnded);
}

TEST_F(Leaving, ClosingRightAfterASaveEndsSilently) {
    play(1);
    platform.answerFileDialog(path("a.TBY"));
    user.choose(g.SAs);
    user.close(g);
    EXPECT_TRUE(platform.messageBoxes.empty());
    EXPECT_TRUE(platform.programEnded);
}

// ---- Unloads by the program itself --------------------------------------------------------

TEST_F(Leaving, RefusedFileInLoadGameUnloadsWithoutPromptSoundOrEnd) {
    play(1);
    const std::string bad = writeFile("bad.TBY", "x");
    platform.answerMessageBox(7, "Save Game before loading another?");
    platform.answerFileDialog(bad);
    platform.answerMessageBox(1, "Was not a valid Tesselby save file");
    platform.sounds.clear();
    user.choose(g.LoadGame);
    EXPECT_EQ(platform.messageBoxes.size(), 2u);
    EXPECT_TRUE(platform.sounds.empty());
    expectHandedOverToTheStartWindow();
}

TEST_F(Leaving, LoadingFromStartLetsItsUnloadPassAndIsCleared) {
    app->Computer.LoadingFromStart = true;
    g.Opx1.setCaption("ACTIVE");
    g.unload();
    EXPECT_FALSE(app->Computer.LoadingFromStart);
    EXPECT_TRUE(platform.messageBoxes.empty());
    EXPECT_FALSE(platform.programEnded);
}

TEST_F(Leaving, ClosingTheGameWindowAfterANewGameEndsTheProgram) {
    user.choose(g.Newg);
    ASSERT_TRUE(g.UnloadingByCode);
    newGame("Eve", "Fay", 'X', 'H');
    ASSERT_TRUE(g.isShown());
    user.close(g);
    EXPECT_TRUE(platform.programEnded);
}

}  // namespace
