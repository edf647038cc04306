// The computer player: it always plays O (player 2), and in a watched game both sides. Its moves
// are chosen on the ticks of CheckTimer and go onto the board through the cells' commit timers.
#include "game/gamer.h"

#include "app.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace game {

namespace {

// Two owned cells and the free target that would complete their line.
struct LineTest {
    int a, b, target;
};

// Each line gives three tests in turn, (a, b) to c, (a, c) to b, (b, c) to a; the lines come
// row by row, then column by column, then the two diagonals. The first test that holds wins.
constexpr std::array<LineTest, 24> lineTests{{
    {1, 2, 3}, {1, 3, 2}, {2, 3, 1},  // top row
    {4, 5, 6}, {4, 6, 5}, {5, 6, 4},  // middle row
    {7, 8, 9}, {7, 9, 8}, {8, 9, 7},  // bottom row
    {1, 4, 7}, {1, 7, 4}, {4, 7, 1},  // left column
    {2, 5, 8}, {2, 8, 5}, {5, 8, 2},  // middle column
    {3, 6, 9}, {3, 9, 6}, {6, 9, 3},  // right column
    {1, 5, 9}, {1, 9, 5}, {5, 9, 1},  // diagonal from the top left
    {3, 5, 7}, {3, 7, 5}, {5, 7, 3},  // diagonal from the top right
}};

constexpr std::array<int, 4> corners{1, 3, 7, 9};

// The first free cell that would complete a line of `mark`'s side.
std::optional<int> lineTarget(const Board& board, Mark mark) {
    for (const LineTest& test : lineTests) {
        if (board.holds(test.a, mark) && board.holds(test.b, mark) && board.isFree(test.target)) {
            return test.target;
        }
    }
    return std::nullopt;
}

// A won or drawn match is on show until its pause timer clears the board.
bool resultOnShow(gamer& g, const Board& board) {
    return board.full() && (g.Timer10.enabled() || g.Timer11.enabled() || g.Timer12.enabled());
}

}  // namespace

// ---- Randomness ----

void gamer::reseedFromTimer() {
    // The re-seed takes the control Timer itself; the number a control stands for is its default
    // value, here its Enabled state as the classic Boolean number (-1 on, 0 off). The generator
    // mixes it into its state, so the same number never brings back earlier draws.
    app.runtime.random().reseed(Timer.enabled() ? -1.0 : 0.0);
}

std::int16_t gamer::drawFrom1To(int count) {
    return static_cast<std::int16_t>(static_cast<int>(count * app.runtime.random().next()) + 1);
}

// ---- The computer's move ----

void gamer::CheckTimer_Timer() {
    // Outside a watched game the computer moves only on player 2's turn against the computer.
    if (!watched()) {
        if (PlayerTurn == 1) return;
        if (!againstComputer()) return;
    }

    // The passes look from O's side; in a watched game X therefore blocks O before it wins.
    const Board now = board();
    if (auto target = lineTarget(now, Mark::O)) {
        lineMove(*target);
        return;
    }
    if (level() == Level::Easy) {  // Easy completes its own line but never blocks
        randomMoveAndStop();
        return;
    }
    if (auto target = lineTarget(now, Mark::X)) {
        lineMove(*target);
        return;
    }
    if (level() != Level::Hard) {  // Normal, and every watched game
        randomMoveAndStop();
        return;
    }

    // Hard takes a corner, each free one as likely as another.
    reseedFromTimer();
    std::vector<int> freeCorners;
    for (int corner : corners) {
        if (now.isFree(corner)) freeCorners.push_back(corner);
    }
    if (freeCorners.empty()) {
        randomMoveAndStop();
        return;
    }
    if (freeCorners.size() == 1) {
        cornerMove(freeCorners.front());
        return;
    }
    reseedFromTimer();
    CornerPick = drawFrom1To(static_cast<int>(freeCorners.size()));
    cornerMove(freeCorners[CornerPick - 1]);
}

void gamer::lineMove(int number) {
    // The cell shows O at once but stays free until its commit, which places the mover's mark.
    cell(number).setPicture(Opic.picture());
    commitTimer(number).setEnabled(true);
    CheckTimer.setEnabled(false);
    Timer.setEnabled(false);
}

void gamer::cornerMove(int number) {
    cell(number).setPicture(Opic.picture());
    cell(number).setEnabled(false);
    commitTimer(number).setEnabled(true);
    // Checked now and again by the commit: a corner that fills the board reports the draw twice.
    app.Computer.CheckGameOver();
    CheckTimer.setEnabled(false);
    Timer.setEnabled(false);
}

void gamer::randomMoveAndStop() {
    Checker2_Click();
    Timer.setEnabled(false);
    CheckTimer.setEnabled(false);
}

// ---- The random move ----

void gamer::Checker2_Click() {
    // A draw of 1 to 10 picks a start cell; the first free cell from there up to n9 gets the
    // move. A draw of 10, or one above every free cell, draws again.
    const Board now = board();
    for (;;) {
        reseedFromTimer();
        RandomCell = drawFrom1To(10);
        for (int n = RandomCell; n <= 9; ++n) {
            if (now.isFree(n)) {
                commitTimer(n).setEnabled(true);
                return;
            }
        }
        if (now.full()) {
            // A match already scored and waiting for its pause is not scored again.
            if (!resultOnShow(*this, now)) app.Computer.CheckGameOver();
            return;
        }
    }
}

// ---- The fallback move ----

void gamer::Timer_Timer() {
    // Armed by a click during the computer's turn; it ticks on until a real move stops it.
    if (PlayerTurn != 2) return;
    const int number = drawFrom1To(9);
    if (!board().isFree(number)) return;  // a taken cell: try again at the next tick
    placeMarkAndPassTurn(number);
}

// ---- The watchers ----

void gamer::Timer13_Timer() {
    // The start window is closed during play, so Option3 reads as not selected: in play this
    // watcher keeps ticking without starting anything; Timer14 does the real work.
    const bool playerTwoToMove = recordedTurn() == 2;
    const bool againstComputer = app.Start.Option3.value();
    if (playerTwoToMove && againstComputer) {
        CheckTimer.setEnabled(true);
        Timer13.setEnabled(false);
    }
}

void gamer::Timer14_Timer() {
    recordTurn(PlayerTurn);
    if (recordedTurn() == 2 && !watched()) {
        Timer14.setEnabled(false);
        Checker_Click();
    }
}

}  // namespace game
