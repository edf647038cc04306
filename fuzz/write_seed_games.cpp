// Writes saved games as the program itself writes them, the seeds of the fuzz targets that read
// saved games: a new game, one in the middle of a match, and one against the computer with scores.
// Then two shapes of hostile file, made from the new game: a name whose closing quote is followed
// by a long run of zeros (as a sparse file reads), and a game one byte too long to be read at all.
// Usage: write_seed_games FOLDER
#include "game/game_scenario.h"
#include "game/saved_game.h"
#include "harness.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

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

        const std::string game = readFile((folder_ / "new.TBY").string());
        const std::size_t firstLineEnd = game.find("\r\n");
        write("zeros-after-a-quote.TBY", '"' + game.substr(0, firstLineEnd) + '"' +
                                             std::string(4096, '\0') + game.substr(firstLineEnd));
        write("one-byte-too-long.TBY",
              game + std::string(game::LongestSavedGame + 1 - game.size(), '\0'));
    }

private:
    void saveAs(const std::string& name) {
        platform.answerFileDialog((folder_ / name).string());
        user.choose(game().SAs);
    }
    void write(const std::string& name, const std::string& bytes) {
        std::ofstream(folder_ / name, std::ios::binary) << bytes;
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
