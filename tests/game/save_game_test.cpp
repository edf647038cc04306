// Game > Save As and Game > Save: the sixteen records, the scores' fix-up, the dialog, and what
// a save that cannot be written leaves behind.
#include "game/saved_game_files.h"
#include "game/game_scenario.h"

#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <iterator>

namespace {

class SaveGame : public GameScenario {
protected:
    void SetUp() override {
        startProgram();
        newGame("Ann", "Bob", 'X', 'H');
    }
    void saveAs(const std::string& path) {
        platform.answerFileDialog(path);
        user.choose(g.SAs);
    }
    std::string path(const std::string& name) { return (folder() / name).string(); }
    game::gamer& g = app->gamer;
};

const char* const SaveFailed = "File Error has occured while trying to save game";

// ---- The file ----------------------------------------------------------------------------

TEST_F(SaveGame, SaveAsWritesSixteenRecordsEachEndingInCrLf) {
    play(1);
    play(5);
    saveAs(path("game.TBY"));
    EXPECT_EQ(readFile(path("game.TBY")), savedLines({"Ann", "Bob", "0", "0", "1", "0", "0", "0",
                                                      "2", "0", "0", "0", "0", "1", "2", "2"}));
}

TEST_F(SaveGame, EmptyScoresAreWrittenAsZeroAndStayZeroInTheWindow) {
    g.Cr1.setCaption("");
    g.Cr2.setCaption("");
    saveAs(path("a.TBY"));
    EXPECT_EQ(g.Cr1.caption(), "0");
    EXPECT_EQ(g.Cr2.caption(), "0");
    const auto lines = readFile(path("a.TBY"));
    EXPECT_EQ(lines.substr(0, 16), "Ann\r\nBob\r\n0\r\n0\r\n");
}

TEST_F(SaveGame, ScoresAreWrittenAsTheWindowHoldsThem) {
    g.Cr1.setCaption("7");
    g.Cr2.setCaption("12");
    saveAs(path("a.TBY"));
    EXPECT_EQ(readFile(path("a.TBY")).substr(0, 17), "Ann\r\nBob\r\n7\r\n12\r\n");
}

TEST_F(SaveGame, ComputerOpponentAndLevelAreWritten) {
    g.Name2.setCaption("Cpu");
    g.Tmplabel2.setCaption("1");
    g.CompSkill.setCaption("3");
    saveAs(path("a.TBY"));
    SavedGameFile expected{.name2 = "Cpu", .opponent = "1", .level = "3"};
    EXPECT_EQ(readFile(path("a.TBY")), expected.text());
}

TEST_F(SaveGame, SavingInThePauseAfterAWinWritesTheWinningBoard) {
    for (int cell : {1, 4, 2, 5, 3}) play(cell);  // X takes the top row
    saveAs(path("won.TBY"));
    const SavedGameFile expected{.score1 = "1", .board = "XXX|OO.|...", .turn = "2"};
    EXPECT_EQ(readFile(path("won.TBY")), expected.text());
}

TEST_F(SaveGame, SavingReplacesTheWholeOfAnExistingFile) {
    const std::string target = writeFile("old.TBY", std::string(5000, 'z') + "\r\n");
    saveAs(target);
    EXPECT_EQ(readFile(target), SavedGameFile{}.text());
}

// ---- Names that the plain line would not give back -----------------------------------------

TEST_F(SaveGame, NameWithACommaOrLeadingBlankIsWrittenInQuotes) {
    g.Name1.setCaption("Smith, J");
    g.Name2.setCaption("  Bo");
    saveAs(path("a.TBY"));
    EXPECT_EQ(readFile(path("a.TBY")).substr(0, 20), "\"Smith, J\"\r\n\"  Bo\"\r\n");
}

TEST_F(SaveGame, DoubleQuotesThatNoLineCanCarryBecomeApostrophes) {
    g.Name1.setCaption("\"Ace\"");
    g.Name2.setCaption("a,\"b\"");
    saveAs(path("a.TBY"));
    EXPECT_EQ(readFile(path("a.TBY")).substr(0, 16), "'Ace'\r\n\"a,'b'\"\r\n");
}

TEST_F(SaveGame, ADoubleQuoteInsideAPlainNameIsKept) {
    g.Name1.setCaption("O\"Neil");
    saveAs(path("a.TBY"));
    EXPECT_EQ(readFile(path("a.TBY")).substr(0, 8), "O\"Neil\r\n");
}

// ---- Never fewer than sixteen records ------------------------------------------------------

TEST_F(SaveGame, TurnAndKindWithoutAValueAreWrittenAsNumbers) {
    g.PlayerTurn = 0;
    g.Tmplabel2.setCaption("");
    saveAs(path("a.TBY"));
    const SavedGameFile expected{.turn = "0", .opponent = "0"};
    EXPECT_EQ(readFile(path("a.TBY")), expected.text());
}

// ---- Save As -----------------------------------------------------------------------------

TEST_F(SaveGame, SaveAsMakesTheFileCurrentAndTheGameUnchanged) {
    play(1);
    ASSERT_EQ(g.Opx1.caption(), "ACTIVE");
    saveAs(path("a.TBY"));
    EXPECT_EQ(g.SaveCont.caption(), path("a.TBY"));
    EXPECT_TRUE(g.SA.enabled());
    EXPECT_EQ(g.Opx1.caption(), "");
    EXPECT_FALSE(app->runtime.file().isOpen());
}

TEST_F(SaveGame, SaveDialogOffersTheSavedGamesFileWithItsFilter) {
    saveAs(path("a.TBY"));
    saveAs(path("b.TBY"));
    ASSERT_EQ(platform.fileDialogs.size(), 2u);
    EXPECT_TRUE(platform.fileDialogs[1].save);
    EXPECT_EQ(platform.fileDialogs[1].initialPath, path("a.TBY"));
    EXPECT_EQ(platform.fileDialogs[1].filter, "Tesselby *.TBY|*.TBY|All Files *.*|*.*|");
}

TEST_F(SaveGame, CancelledSaveAsChangesNothingButTheScores) {
    saveAs(path("a.TBY"));
    play(1);
    g.Cr1.setCaption("");
    platform.answerFileDialog(std::nullopt);
    user.choose(g.SAs);
    EXPECT_EQ(g.Dialogs.fileName(), "");
    EXPECT_EQ(g.SaveCont.caption(), path("a.TBY"));
    EXPECT_EQ(g.Opx1.caption(), "ACTIVE");
    EXPECT_EQ(g.Cr1.caption(), "0");
    EXPECT_EQ(readFile(path("a.TBY")), SavedGameFile{}.text());
}

TEST_F(SaveGame, CompletedSaveReturnsToTheStartUpFolder) {
    const auto elsewhere = folder() / "elsewhere";
    std::filesystem::create_directory(elsewhere);
    std::filesystem::current_path(elsewhere);  // as a dialog may leave it
    saveAs(path("a.TBY"));
    EXPECT_EQ(std::filesystem::current_path(), std::filesystem::path(g.CurrentDir.caption()));
}

// ---- Save ------------------------------------------------------------------------------------

TEST_F(SaveGame, SaveRewritesTheCurrentFileWithoutADialog) {
    saveAs(path("a.TBY"));
    play(1);
    EXPECT_TRUE(user.pressShortcut(g, "F3"));
    EXPECT_EQ(platform.fileDialogs.size(), 1u);
    EXPECT_EQ(readFile(path("a.TBY")), (SavedGameFile{.board = "X..|...|...", .turn = "2"}.text()));
    EXPECT_EQ(g.Opx1.caption(), "");
}

TEST_F(SaveGame, SaveWithNoCurrentFileOnlyReportsTheFileError) {
    play(1);
    platform.answerMessageBox(1, SaveFailed);
    g.SA_Click();
    ASSERT_EQ(platform.messageBoxes.size(), 1u);
    EXPECT_EQ(platform.messageBoxes[0].style, 48);
    EXPECT_EQ(platform.messageBoxes[0].title, "Error");
    EXPECT_EQ(g.Opx1.caption(), "ACTIVE");
}

// ---- A path that cannot be written -------------------------------------------------------

class UnwritableSave : public SaveGame {
protected:
    void expectNothingChanged(const std::string& savedBefore) {
        ASSERT_EQ(platform.messageBoxes.size(), 1u);
        EXPECT_EQ(platform.messageBoxes[0].text, SaveFailed);
        EXPECT_EQ(platform.messageBoxes[0].style, 48);
        EXPECT_EQ(platform.messageBoxes[0].title, "Error");
        EXPECT_FALSE(app->runtime.file().isOpen());
        EXPECT_EQ(g.Opx1.caption(), "ACTIVE");
        EXPECT_EQ(g.SaveCont.caption(), savedBefore);
        EXPECT_FALSE(platform.programEnded);
    }
};

TEST_F(UnwritableSave, SaveAsIntoAMissingFolderIsReportedAndChangesNothing) {
    play(1);
    platform.answerMessageBox(1, SaveFailed);
    saveAs(path("missing/a.TBY"));
    expectNothingChanged("");
    EXPECT_FALSE(g.SA.enabled());
    EXPECT_FALSE(std::filesystem::exists(path("missing")));
}

TEST_F(UnwritableSave, SaveAsOntoAFolderIsReported) {
    std::filesystem::create_directory(path("folder.TBY"));
    play(1);
    platform.answerMessageBox(1, SaveFailed);
    saveAs(path("folder.TBY"));
    expectNothingChanged("");
    EXPECT_TRUE(std::filesystem::is_directory(path("folder.TBY")));
}

TEST_F(UnwritableSave, SaveAsOntoADeviceIsReportedAndLeavesTheDevice) {
    if (!std::filesystem::is_character_file("/dev/full")) GTEST_SKIP() << "no /dev/full here";
    play(1);
    platform.answerMessageBox(1, SaveFailed);
    saveAs("/dev/full");
    expectNothingChanged("");
    EXPECT_TRUE(std::filesystem::is_character_file("/dev/full"));
}

TEST_F(UnwritableSave, SaveToAFileWhoseFolderHasGoneKeepsTheGameChanged) {
    std::filesystem::create_directory(path("gone"));
    saveAs(path("gone/a.TBY"));
    std::filesystem::remove_all(path("gone"));
    play(1);
    platform.answerMessageBox(1, SaveFailed);
    EXPECT_TRUE(user.pressShortcut(g, "F3"));
    expectNothingChanged(path("gone/a.TBY"));
}

// Files of this process cannot grow past `bytes` while it lives: a disk that fills up mid-write.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        previousSignal_ = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit limit = previous_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousSignal_);
    }

private:
    rlimit previous_{};
    void (*previousSignal_)(int) = nullptr;
};

TEST_F(UnwritableSave, AWriteThatFailsHalfwayLeavesTheFileItWouldReplaceWhole) {
    saveAs(path("a.TBY"));
    const std::string before = readFile(path("a.TBY"));
    g.Name1.setCaption(std::string(200, 'n'));
    play(1);
    platform.answerMessageBox(1, SaveFailed);
    {
        const FileSizeLimit diskFull(64);
        EXPECT_TRUE(user.pressShortcut(g, "F3"));
    }
    expectNothingChanged(path("a.TBY"));
    EXPECT_EQ(readFile(path("a.TBY")), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder()), {}), 1)
        << "no half-written file is left beside it";
}

TEST_F(UnwritableSave, AFailedSaveAsLeavesTheCurrentFileWholeAndTheProgramGoesOn) {
    saveAs(path("a.TBY"));
    play(1);
    platform.answerMessageBox(1, SaveFailed);
    saveAs(path("missing/b.TBY"));
    expectNothingChanged(path("a.TBY"));
    EXPECT_EQ(readFile(path("a.TBY")), SavedGameFile{}.text());
    play(5);
    EXPECT_EQ(board(), "X..|.O.|...");
}

}  // namespace
