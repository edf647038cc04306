// The one reading of the board: what each cell shows and whether it is still free, as the result
// check, the computer player and the saved-game writer see it.
#include "game/game_scenario.h"
#include "game/saved_game.h"

namespace {

using game::Board;
using game::Mark;

Board boardOf(const std::string& cells) {
    std::array<Board::Cell, 9> read;
    for (std::size_t i = 0; i < read.size(); ++i) {
        switch (cells.at(i)) {
            case 'X': read[i] = {Mark::X, false}; break;
            case 'O': read[i] = {Mark::O, false}; break;
            case '#': read[i] = {Mark::None, false}; break;
            case '?': read[i] = {Mark::O, true}; break;
            default: read[i] = {Mark::None, true}; break;
        }
    }
    return Board(read);
}

TEST(BoardValue, TextShowsRowsAndEveryKindOfCell) {
    EXPECT_EQ(boardOf("XO.#?....").text(), "XO.|#?.|...");
}

TEST(BoardValue, MarkCountsOnlyOnATakenCell) {
    const Board board = boardOf("X?.......");
    EXPECT_TRUE(board.holds(1, Mark::X));
    EXPECT_FALSE(board.holds(1, Mark::O));
    EXPECT_EQ(board.shows(2), Mark::O);
    EXPECT_FALSE(board.holds(2, Mark::O)) << "a move shown before its commit is no mark yet";
}

TEST(BoardValue, TakenBlankCellsFillTheBoardAsMarksDo) {
    EXPECT_TRUE(boardOf("XOX##OXO#").full());
    EXPECT_FALSE(boardOf("XOX##OXO?").full());
}

class BoardReading : public GameScenario {};

TEST_F(BoardReading, ReadsTheCellsAsTheyStand) {
    twoHumans();
    setBoard("XO.|.X#|..O");
    EXPECT_EQ(game().board().text(), "XO.|.X#|..O");
    game().n3.setPicture(game().Opic.picture());
    EXPECT_EQ(game().board().text(), "XO?|.X#|..O");
}

TEST_F(BoardReading, SavedSquaresFollowWhatTheCellsShow) {
    twoHumans();
    setBoard("XO.|..#|...");
    game().n3.setPicture(game().Opic.picture());  // shown, not yet committed
    const game::SavedRecords lines = game::savedLinesOf(game());
    const std::vector<std::string> squares(lines.begin() + game::FirstSquareRecord,
                                           lines.begin() + game::TurnRecord);
    EXPECT_EQ(squares, (std::vector<std::string>{"1", "2", "2", "0", "0", "0", "0", "0", "0"}));
}

}  // namespace
