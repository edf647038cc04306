// Whatever file the user opens, the game window's Load Game either loads a game or refuses the
// file and hands over to the start window; it never throws, crashes or hangs, and the program
// plays on.
#include "game/game_window_load.h"
#include "game/saved_game_fuzzer.h"

#include <sys/stat.h>

#include <filesystem>

namespace {

using LoadGameFuzz = GameWindowLoad;

TEST_F(LoadGameFuzz, AnyFileIsLoadedOrRefused) {
    SavedGameFuzzer fuzzer(20240607);
    int refusals = 0;
    for (int i = 0; i < 300 && !HasFailure(); ++i) {
        const std::string bytes = fuzzer.next();
        refusals += loadChecked(bytes);
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
