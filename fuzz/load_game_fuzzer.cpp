// Any file opened with the game window's Load Game, checked as the suite checks its seeded cases.
#include "game/game_window_load.h"
#include "harness.h"

namespace {

struct Loads : GameWindowLoad {
    using GameWindowLoad::loadChecked;
};

std::size_t load(const std::string& input) {
    fuzz::FreshProgram<Loads>().loadChecked(input);
    return 0;
}

}  // namespace

fuzz::Reader fuzz::makeReader() { return Reader(4, load); }
