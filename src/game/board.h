#pragma once
// What the board shows, read from the nine cells in one place (gamer::board()). The cells stay
// the master copy: a Board is a snapshot that the rules, the saved-game writer and the tests read.
#include <array>
#include <string>

namespace game {

enum class Mark { None, X, O };

class Board {
public:
    struct Cell {
        Mark shows = Mark::None;  // the mark the cell's picture is, if any
        bool free = true;         // enabled: a click or a move can still place a mark there
    };

    Board() = default;
    explicit Board(const std::array<Cell, 9>& cells) : cells_(cells) {}

    // Cells are numbered 1 to 9, row by row from the top left.
    Mark shows(int number) const { return at(number).shows; }
    bool isFree(int number) const { return at(number).free; }
    // A side's mark counts once its cell is taken; a free cell may show a mark about to be placed.
    bool holds(int number, Mark mark) const { return !isFree(number) && shows(number) == mark; }
    // No cell is free: a taken blank counts as much as a mark.
    bool full() const;

    // "XO.|.X.|..O": X and O taken marks, '.' a free cell, '#' a taken cell showing no mark
    // (out of play), '?' a free cell showing a mark (a computer's move before its commit).
    std::string text() const;

private:
    const Cell& at(int number) const { return cells_.at(static_cast<std::size_t>(number - 1)); }
    std::array<Cell, 9> cells_{};
};

}  // namespace game
