#pragma once
// The saved-game file: sixteen records, one a line, in a fixed order (names, scores, the nine
// squares, the turn, the kind of player 2, the computer's level). Writing them from the game
// window, reading them back, and the restoring steps that the game window's and the start
// window's Load Game share.
#include <array>
#include <string>

struct App;

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

// The longest file read as a saved game. The program writes under two hundred bytes (names of ten
// characters, scores of five digits, one-digit records); even one edited by hand with long names
// stays far below this. A longer file is no saved game and is refused unread.
inline constexpr long long LongestSavedGame = 64 << 10;

// ---- Writing -----------------------------------------------------------------------------

// The sixteen lines that stand for the game the window holds now, ready to print.
SavedRecords savedLinesOf(gamer& window);

// A name as the line that reads back as that same name.
std::string savedNameLine(std::string name);

// ---- Reading -----------------------------------------------------------------------------

// Reads the first sixteen fields of the file on file number 1 and closes it. A file that cannot
// be opened, is longer than LongestSavedGame or holds fewer than sixteen fields is a run-time
// error (the file may be left open).
SavedRecords readSavedRecords(forms::Runtime& runtime, const std::string& path);

// ---- Restoring: the steps both Load Game commands share ------------------------------------

// Wipes the board and the game's labels, leaving Select "New" To play on the status line.
void clearForLoad(gamer& window);

// How a loaded turn reaches the game: at once, or through the display sync's next tick.
enum class TurnHandOver { AtOnce, AtNextSync };

// Puts the game read from `path` into the game window and the scores window: names, scores,
// squares, the turn, the kind of player 2 and the level; Save and Save As then write to `path`.
// A score the result check could not count on, or a square, turn, kind or level that is not a
// number, is a run-time error; the steps before it stay done.
void restoreLoadedGame(App& app, const SavedRecords& records, const std::string& path,
                       TurnHandOver turnHandOver);

// Back to the folder the game window recorded at start-up: the sounds and skins are found
// relative to it. A folder that has gone since is no fault of the file at hand, so it is let be.
void returnToStartupFolder(gamer& window, forms::Runtime& runtime);

}  // namespace game
