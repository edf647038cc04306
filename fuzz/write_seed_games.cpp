// Writes saved games as the program itself writes them, the seeds of the fuzz targets that read
// saved games: a new game, one in the middle of a match, and one against the computer with scores.
// Usage: write_seed_games FOLDER
#include "game/game_scenario.h"
#include "harness.h"

#include <cstdio>
#include <filesystem>

namespace {

class SeedGames : public GameScenario {
public:
    explicit SeedGames(std::filesystem::path folder) : folder_(std::move(folder)) {}
    void TestBody() override {}

    void writeAll() {
        twoHumans();
        saveAs("new.TBY");
        play(5);
        play(1);
        play(9);
        saveAs("mid-match.TBY");

        newGame("Ann", "Cpu", 'X', 'R');
        // Whoever wins, matches end and scores grow while the computer answers every move.
        for (int move = 0; move < 12; ++move) {
            play(firstFreeCell());
            advance(3500);
        }
        saveAs("against-the-computer.TBY");
    }

private:
    void saveAs(const std::string& name) {
        platform.answerFileDialog((folder_ / name).string());
        user.choose(game().SAs);
    }
    std::filesystem::path folder_;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    fuzz::failuresAbort();
    const auto folder = std::filesystem::absolute(argv[1]);
    std::filesystem::create_directories(folder);
    SeedGames(folder).writeAll();
    return 0;
}
