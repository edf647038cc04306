// Whatever file the user opens from the start window, Load Game either hands a game to the game
// window or refuses the file with the start window back on screen; it never throws, crashes or
// hangs, and both window-closing flags end where they belong.
#include "game/saved_game_fuzzer.h"
#include "scenario/scenario.h"

#include <filesystem>

namespace {

class LoadFromStartFuzz : public Scenario {
protected:
    void SetUp() override {
        startProgram();
        user.choose(app->gamer.Newg);
        ASSERT_TRUE(s.isShown());
    }
    start::Start& s = app->Start;
    game::gamer& g = app->gamer;
};

TEST_F(LoadFromStartFuzz, AnyFileIsHandedOverOrRefused) {
    SavedGameFuzzer fuzzer(19970411);
    int refusals = 0;
    for (int i = 0; i < 300 && !HasFailure(); ++i) {
        const std::string bytes = fuzzer.next();
        const std::string path = writeFile("case.TBY", bytes);
        platform.answerFileDialog(path);
        platform.answerMessageBox(1);
        const std::size_t before = platform.messageBoxes.size();
        s.LoadGame_Click();  // called directly, so that an error it lets escape fails the test
        const bool refused = platform.messageBoxes.size() > before;
        if (!refused) app->runtime.msgBox("(unused answer)", 48, "test");
        refusals += refused;

        EXPECT_FALSE(app->Computer.LoadingFromStart);
        EXPECT_TRUE(s.EndOnClose);
        EXPECT_FALSE(app->runtime.file().isOpen());
        EXPECT_FALSE(platform.programEnded);
        EXPECT_EQ(std::filesystem::current_path(), folder());
        if (refused) {
            EXPECT_EQ(platform.messageBoxes.back().text,
                      "The file (" + path + ") Was not a valid Gammerlin save file");
            EXPECT_FALSE(g.isLoaded());
            EXPECT_TRUE(s.isShown());
        } else {
            EXPECT_TRUE(g.isShown());
            EXPECT_FALSE(s.isShown());
            EXPECT_EQ(g.SaveCont.caption(), path);
            EXPECT_EQ(board().find_first_not_of("XO.#|"), std::string::npos) << board();
        }
        advance(20);  // the timers meet whatever was loaded
        if (HasFailure())
            ADD_FAILURE() << "case " << i << ": " << SavedGameFuzzer::printable(bytes);
    }
    EXPECT_GT(refusals, 30);
    EXPECT_LT(refusals, 270);
}

}  // namespace
