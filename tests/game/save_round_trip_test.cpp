// A game saved with Save As and loaded again is the same game, and saving it once more gives
// the very same bytes, whatever state the game window was in when it was saved.
#include "game/saved_game_files.h"
#include "game/game_scenario.h"

#include <algorithm>

namespace {

class SaveRoundTrip : public GameScenario {
protected:
    std::string path(const std::string& name) { return (folder() / name).string(); }
    void saveAs(const std::string& file) {
        platform.answerFileDialog(file);
        user.choose(g.SAs);
    }
    void loadGame(const std::string& file) {
        platform.answerFileDialog(file);
        user.choose(g.LoadGame);
    }
    // Everything a saved game is meant to keep. Two humans have no level: their file holds
    // Normal, which counts only once the computer plays.
    std::string snapshot() {
        const bool computer = g.Tmplabel2.caption() == "1";
        return board() + " [" + g.Name1.caption() + "] [" + g.Name2.caption() + "] " +
               g.Cr1.caption() + ":" + g.Cr2.caption() + " turn " + std::to_string(g.PlayerTurn) +
               " kind [" + g.Tmplabel2.caption() + "] level [" +
               (computer ? g.CompSkill.caption() : "-") + "]";
    }
    // Saves, loads another game over it, loads the saved one back and saves it again. The file
    // keeps the squares, not the pause after a match: its free squares come back playable.
    void expectRoundTrip() {
        saveAs(path("first.TBY"));
        std::string saved = snapshot();
        std::replace(saved.begin(), saved.begin() + 11, '#', '.');
        const std::string otherTurn = g.PlayerTurn == 1 ? "2" : g.PlayerTurn == 2 ? "1" : "0";
        loadGame(writeFile("other.TBY", SavedGameFile{.name1 = "Zed",
                                                      .name2 = "Yan",
                                                      .score1 = "99",
                                                      .board = "OXO|XOX|XOX",
                                                      .turn = otherTurn,
                                                      .opponent = "0",
                                                      .level = "0"}
                                            .text()));
        ASSERT_NE(snapshot(), saved);
        loadGame(path("first.TBY"));
        EXPECT_EQ(snapshot(), saved);
        saveAs(path("second.TBY"));
        EXPECT_EQ(readFile(path("second.TBY")), readFile(path("first.TBY")));
    }
    game::gamer& g = app->gamer;
};

TEST_F(SaveRoundTrip, GameBetweenTwoHumansWithOToMove) {
    startProgram();
    newGame("Ann", "Bob", 'X', 'H');
    for (int cell : {1, 5, 9}) play(cell);
    expectRoundTrip();
}

TEST_F(SaveRoundTrip, PauseAfterAWinWithItsScore) {
    startProgram();
    newGame("Ann", "Bob", 'X', 'H');
    for (int cell : {1, 4, 2, 5, 3}) play(cell);
    expectRoundTrip();
}

TEST_F(SaveRoundTrip, PauseAfterADraw) {
    startProgram();
    newGame("Ann", "Bob", 'X', 'H');
    for (int cell : {1, 2, 3, 5, 4, 6, 8, 7, 9}) play(cell);
    expectRoundTrip();
}

TEST_F(SaveRoundTrip, NamesThatNeedQuotes) {
    startProgram();
    newGame("Ann", "Bob", 'X', 'H');
    loadGame(writeFile("quoted.TBY", savedLines({"\"Smith, J\"", "\"  Bo\"x"}) +
                                         SavedGameFile{}.text().substr(10)));
    ASSERT_EQ(g.Name2.caption(), "  Bo");
    expectRoundTrip();
}

TEST_F(SaveRoundTrip, GameWithNoTurnAndNoOpponentKindYet) {
    startProgram();
    loadGame(writeFile("bare.TBY", SavedGameFile{.turn = "0", .opponent = "0"}.text()));
    ASSERT_EQ(g.PlayerTurn, 0);
    expectRoundTrip();
}

class SaveRoundTripAgainst : public SaveRoundTrip,
                             public ::testing::WithParamInterface<std::tuple<char, char>> {};

TEST_P(SaveRoundTripAgainst, EveryOpponentAndFirstPlayer) {
    const auto [opponent, first] = GetParam();
    startProgram();
    newGame("Ann", "Cpu", first, opponent);
    expectRoundTrip();
}

INSTANTIATE_TEST_SUITE_P(SaveRoundTrip, SaveRoundTripAgainst,
                         ::testing::Combine(::testing::Values('H', 'E', 'N', 'R'),
                                            ::testing::Values('X', 'O')));

}  // namespace
