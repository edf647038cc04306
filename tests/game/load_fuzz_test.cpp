// Whatever file the user opens, the game window's Load Game either loads a game or refuses the
// file and hands over to the start window; it never throws, crashes or hangs, and the program
// plays on.
#include "game/saved_game_fuzzer.h"
#include "scenario/scenario.h"

#include <sys/stat.h>

#include <filesystem>

namespace {

class LoadGameFuzz : public Scenario {
protected:
    void SetUp() override {
        startProgram();
        newGame("Ann", "Bob", 'X', 'H');
    }
    // Loads `path` through the command itself, so that an error it lets escape fails the test.
    // Returns whether the file was refused.
    bool loadRefused(const std::string& path) {
        platform.answerFileDialog(path);
        platform.answerMessageBox(1);
        const std::size_t before = platform.messageBoxes.size();
        g.LoadGame_Click();
        const bool refused = platform.messageBoxes.size() > before;
        // A load that needed no message box leaves its answer unused.
        if (!refused) app->runtime.msgBox("(unused answer)", 48, "test");
        return refused;
    }
    void expectRefusedOrLoaded(const std::string& path, bool refused) {
        EXPECT_FALSE(app->runtime.file().isOpen());
        EXPECT_FALSE(platform.programEnded);
        EXPECT_EQ(std::filesystem::current_path(), folder());
        if (refused) {
            EXPECT_EQ(platform.messageBoxes.back().text,
                      "The file (" + path + ") Was not a valid Tesselby save file");
            EXPECT_FALSE(g.isLoaded());
            EXPECT_TRUE(app->Start.isShown());
        } else {
            EXPECT_TRUE(g.isLoaded());
            EXPECT_EQ(g.SaveCont.caption(), path);
            EXPECT_EQ(board().find_first_not_of("XO.#|"), std::string::npos) << board();
        }
    }
    game::gamer& g = app->gamer;
};

TEST_F(LoadGameFuzz, AnyFileIsLoadedOrRefused) {
    SavedGameFuzzer fuzzer(20240607);
    int refusals = 0;
    for (int i = 0; i < 300 && !HasFailure(); ++i) {
        const std::string bytes = fuzzer.next();
        const std::string path = writeFile("case.TBY", bytes);
        const bool refused = loadRefused(path);
        refusals += refused;
        expectRefusedOrLoaded(path, refused);
        advance(20);  // the timers meet whatever was loaded
        if (HasFailure())
            ADD_FAILURE() << "case " << i << ": " << SavedGameFuzzer::printable(bytes);
    }
    EXPECT_GT(refusals, 30);
    EXPECT_LT(refusals, 270);
}

TEST_F(LoadGameFuzz, APipeIsRefusedWithoutWaitingForAWriter) {
    const std::string path = (folder() / "pipe.TBY").string();
    ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
    EXPECT_TRUE(loadRefused(path));
    expectRefusedOrLoaded(path, true);
}

TEST_F(LoadGameFuzz, AFolderIsRefused) {
    const std::string path = (folder() / "folder.TBY").string();
    std::filesystem::create_directory(path);
    EXPECT_TRUE(loadRefused(path));
}

}  // namespace
