// The result check after every mark, the scores it keeps, and the pause before the next match.
#include "game/computer.h"
#include "game/gamer.h"

#include "app.h"

#include "forms/convert.h"
#include "forms/errors.h"

#include <array>
#include <cmath>
#include <string>

namespace game {
using forms::Yellow;
using forms::White;

namespace {

constexpr std::int16_t HighestScore = 32767;

struct BoardLine {
    int a, b, c;                  // cells, numbered row by row from the top left
    forms::Image gamer::*strike;  // the image that strikes the line through
};

// The order in which lines are tested: of several complete lines only the first one counts.
constexpr std::array<BoardLine, 8> lines{{
    {1, 2, 3, &gamer::h1},  // top row
    {1, 5, 9, &gamer::h8},  // diagonal from the top left
    {1, 4, 7, &gamer::h4},  // left column
    {2, 5, 8, &gamer::h5},  // middle column
    {3, 5, 7, &gamer::h7},  // diagonal from the top right
    {3, 6, 9, &gamer::h6},  // right column
    {4, 5, 6, &gamer::h2},  // middle row
    {7, 8, 9, &gamer::h3},  // bottom row
}};

const BoardLine* completeLine(const Board& board, Mark mark) {
    for (const BoardLine& line : lines) {
        if (board.holds(line.a, mark) && board.holds(line.b, mark) && board.holds(line.c, mark)) {
            return &line;
        }
    }
    return nullptr;
}

void lockBoard(gamer& g) {
    for (int n = 1; n <= 9; ++n) g.cell(n).setEnabled(false);
}

void addWin(forms::Variable<std::int16_t>& score) {
    if (score < HighestScore) ++score;
}

}  // namespace

std::optional<std::int16_t> scoreValue(const std::string& text) {
    if (text.empty()) return 0;
    double value = 0;
    try {
        value = forms::toDouble(text);
    } catch (const forms::RuntimeError&) {
        return std::nullopt;
    }
    if (value < 0 || value > HighestScore || value != std::floor(value)) return std::nullopt;
    return static_cast<std::int16_t>(value);
}

void Computer::CheckGameOver() {
    gamer& g = app.gamer;
    // Only the program writes these labels, as plain digits; a hand-edited file could bring
    // anything, and what is not a score counts as no wins.
    Player1Score = scoreValue(g.Cr1.caption()).value_or(0);
    Player2Score = scoreValue(g.Cr2.caption()).value_or(0);

    const Board board = g.board();
    const BoardLine* line = completeLine(board, Mark::X);
    const bool crossWon = line != nullptr;
    if (!line) line = completeLine(board, Mark::O);

    if (line) {
        (g.*(line->strike)).setVisible(true);
        PlayWav(ClearSound);
        g.label.setForeColor(White);
        g.label.setCaption((crossWon ? g.Name1 : g.Name2).caption() + " Has won this match!");
        (crossWon ? g.Timer10 : g.Timer11).setEnabled(true);
        addWin(crossWon ? Player1Score : Player2Score);
        g.Cr1.setCaption(std::to_string(Player1Score));
        g.Cr2.setCaption(std::to_string(Player2Score));
        app.Scores.Score1.setCaption(std::to_string(Player1Score));
        app.Scores.Score2.setCaption(std::to_string(Player2Score));
        lockBoard(g);
        return;
    }

    // A disabled blank cell counts towards a full board as much as a mark does.
    if (board.full()) {
        PlayWav(ClearSound);
        g.label.setForeColor(Yellow);
        g.label.setCaption("Draw!");
        g.Timer12.setEnabled(true);
        lockBoard(g);
    }
}

// ---- The next match: the board is cleared a second after the result ----

namespace {

// Blanks and frees the board for the next match, names who begins it and ends the pause.
void clearForNextMatch(gamer& g, forms::Timer& pause, forms::Label* nextPlayer) {
    g.clearBoard(true);
    if (nextPlayer) g.announceTurn(nextPlayer->caption());
    pause.setEnabled(false);
}

}  // namespace

// The winning mark has already passed the turn, so the loser begins.
void gamer::Timer10_Timer() { clearForNextMatch(*this, Timer10, &Name2); }
void gamer::Timer11_Timer() { clearForNextMatch(*this, Timer11, &Name1); }

void gamer::Timer12_Timer() {
    // After a draw the player the last mark passed the turn to begins.
    forms::Label* next = PlayerTurn == 1 ? &Name1 : PlayerTurn == 2 ? &Name2 : nullptr;
    clearForNextMatch(*this, Timer12, next);
}

}  // namespace game
