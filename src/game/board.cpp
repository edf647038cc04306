// The board: a click arms its cell's 1-ms commit timer, and the commit places the mark of the
// player whose turn it is at that tick, passes the turn and runs the result check. Also the one
// reading of what the nine cells show, for the rules, the saved-game writer and the tests.
#include "game/gamer.h"

#include "app.h"

#include <array>
#include <string>

namespace game {
using forms::White;

void gamer::n1_Click() { clickCell(1); }
void gamer::n2_Click() { clickCell(2); }
void gamer::n3_Click() { clickCell(3); }
void gamer::n4_Click() { clickCell(4); }
void gamer::n5_Click() { clickCell(5); }
void gamer::n6_Click() { clickCell(6); }
void gamer::n7_Click() { clickCell(7); }
void gamer::n8_Click() { clickCell(8); }
void gamer::n9_Click() { clickCell(9); }

void gamer::Timer1_Timer() { commitCell(1); }
void gamer::Timer2_Timer() { commitCell(2); }
void gamer::Timer3_Timer() { commitCell(3); }
void gamer::Timer4_Timer() { commitCell(4); }
void gamer::Timer5_Timer() { commitCell(5); }
void gamer::Timer6_Timer() { commitCell(6); }
void gamer::Timer7_Timer() { commitCell(7); }
void gamer::Timer8_Timer() { commitCell(8); }
void gamer::Timer9_Timer() { commitCell(9); }

void gamer::clickCell(int number) {
    // While the computer is to move a click places nothing; it only wakes the fallback move.
    if (againstComputer() && PlayerTurn == 2) {
        Timer.setEnabled(true);
        return;
    }
    // In a watched game the user never moves for X.
    if (watched() && PlayerTurn == 1) return;
    markChanged();
    commitTimer(number).setEnabled(true);
}

void gamer::commitCell(int number) {
    // The turn is read at the tick, not at the click: other events may have run in between.
    const std::int16_t turn = PlayerTurn;
    if (turn != 1 && turn != 2) return;  // no game yet: the timer stays on and tries again
    // An O on the bottom-left cell has a sound of its own, cut short at once by the click sound.
    if (number == 7 && turn == 2) app.Computer.PlayWav(NoughtSound);
    placeMarkAndPassTurn(number);
}

void gamer::placeMarkAndPassTurn(int number) {
    const bool crossMoves = PlayerTurn == 1;
    markChanged();
    app.Computer.PlayWav(ClickSound);
    cell(number).setPicture(crossMoves ? Xpic.picture() : Opic.picture());
    cell(number).setEnabled(false);
    commitTimer(number).setEnabled(false);
    PlayerTurn = crossMoves ? 2 : 1;
    recordTurn(PlayerTurn);
    announceTurn((crossMoves ? Name2 : Name1).caption());
    if (watched()) Checker_Click();
    app.Computer.CheckGameOver();
    Timer13.setEnabled(true);
    Timer14.setEnabled(true);
}

void gamer::announceTurn(const std::string& name) {
    label.setForeColor(White);
    label.setCaption(name + " it's your turn!");
}

void gamer::clearBoard(bool cellsFree) {
    for (forms::Image* strike : {&h1, &h2, &h3, &h4, &h5, &h6, &h7, &h8}) strike->setVisible(false);
    for (int n = 1; n <= 9; ++n) cell(n).setPicture(ip1.picture());
    for (int n = 1; n <= 9; ++n) cell(n).setEnabled(cellsFree);
}

void gamer::Checker_Click() { CheckTimer.setEnabled(true); }

// ---- Reading the board ----

Board gamer::board() {
    // Pictures compare by handle: a cell is a mark only while it shows that very picture.
    const forms::Picture cross = Xpic.picture();
    const forms::Picture nought = Opic.picture();
    std::array<Board::Cell, 9> cells;
    for (int n = 1; n <= 9; ++n) {
        const forms::Picture shown = cell(n).picture();
        const Mark mark = shown == cross ? Mark::X : shown == nought ? Mark::O : Mark::None;
        cells[n - 1] = {mark, cell(n).enabled()};
    }
    return Board(cells);
}

bool Board::full() const {
    for (int n = 1; n <= 9; ++n) {
        if (isFree(n)) return false;
    }
    return true;
}

std::string Board::text() const {
    std::string rows;
    for (int n = 1; n <= 9; ++n) {
        const Mark mark = shows(n);
        if (isFree(n)) {
            rows += mark == Mark::None ? '.' : '?';
        } else {
            rows += mark == Mark::X ? 'X' : mark == Mark::O ? 'O' : '#';
        }
        if (n % 3 == 0 && n < 9) rows += '|';
    }
    return rows;
}

}  // namespace game
