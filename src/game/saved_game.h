#pragma once
// The saved-game file: sixteen records, one a line, in a fixed order (names, scores, the nine
// squares, the turn, the kind of player 2, the computer's level). Writing them from the game
// window, reading them back, and the restoring steps that the game window's and the start
// window's Load Game share.
#include <array>
#include <string>

namespace forms {
class Runtime;
}

namespace game {

class gamer;

inline constexpr int SavedRecordCount = 16;
using SavedRecords = std::array<std::string, SavedRecordCount>;

// Where each record sits (0-based).
inline constexpr int NameARecord = 0, NameBRecord = 1;
inline constexpr int ScoreARecord = 2, ScoreBRecord = 3;
inline constexpr int FirstSquareRecord = 4;  // n1..n9 follow in board order
inline constexpr int TurnRecord = 13, OpponentRecord = 14, LevelRecord = 15;

// ---- Writing -----------------------------------------------------------------------------

// The sixteen lines that stand for the game the window holds now, ready to print.
SavedRecords savedLinesOf(gamer& window);

// A name as the line that reads back as that same name.
std::string savedNameLine(std::string name);

// ---- Reading -----------------------------------------------------------------------------

// Reads the first sixteen fields of the file on file number 1 and closes it. A file that cannot
// be opened or holds fewer than sixteen fields is a run-time error (the file may be left open).
SavedRecords readSavedRecords(forms::Runtime& runtime, const std::string& path);

// A score record is empty or a whole number the result check can count on (0..32767);
// anything else is a run-time error, as a square that is not a number is.
void checkSavedScore(const std::string& record);

// The turn a record names: 1 or 2, or 0 for any other number. Not a number: run-time error.
int savedTurn(const std::string& record);

// ---- Restoring into the game window (in the order the loaders call them) ------------------

// Wipes the board and the game's labels, leaving Select "New" To play on the status line.
void clearForLoad(gamer& window);
// The nine squares, in three passes: X, then O, then the free squares.
void restoreSquares(gamer& window, const SavedRecords& records);
// The status line for the player to move (turn 1 or 2).
void showTurnLine(gamer& window, int turn);
void restoreOpponent(gamer& window, const std::string& record);
void restoreLevel(gamer& window, const std::string& record);
// Save and Save As now write to `path`; back to the start-up folder; never a watched game.
void adoptLoadedFile(gamer& window, forms::Runtime& runtime, const std::string& path);

// Back to the folder the game window recorded at start-up: the sounds and skins are found
// relative to it. A folder that has gone since is no fault of the file at hand, so it is let be.
void returnToStartupFolder(gamer& window, forms::Runtime& runtime);

}  // namespace game
