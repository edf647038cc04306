// Whatever file the user opens from the start window, Load Game either hands a game to the game
// window or refuses the file with the start window back on screen; it never throws, crashes or
// hangs, and both window-closing flags end where they belong.
#include "game/saved_game_fuzzer.h"
#include "start/start_window_load.h"

namespace {

using LoadFromStartFuzz = StartWindowLoad;

TEST_F(LoadFromStartFuzz, AnyFileIsHandedOverOrRefused) {
    SavedGameFuzzer fuzzer(19970411);
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

}  // namespace
