#include "game/saved_game.h"

#include <algorithm>
#include <filesystem>
#include <initializer_list>

#include "forms/convert.h"
#include "forms/errors.h"
#include "forms/runtime.h"
#include "game/computer.h"
#include "game/gamer.h"

#include "app.h"

namespace game {
using forms::Yellow;

namespace {

// ---- Names -------------------------------------------------------------------------------
// The field reader skips leading blanks, ends a field at a comma or a line end, and reads a
// field that opens with a double quote up to the next double quote, across line ends.

bool plainLineReadsBack(const std::string& name) {
    if (name.empty()) return true;
    const char first = name.front();
    if (first == ' ' || first == '\t' || first == '"') return false;
    return name.find_first_of(",\r\n") == std::string::npos;
}

bool quotedLineReadsBack(const std::string& name) { return name.find('"') == std::string::npos; }

// ---- Squares -----------------------------------------------------------------------------

// Only what a square shows counts: a free square showing a mark about to be placed is saved with
// it. A square showing neither mark (a skin's picture since replaced) is saved as free.
std::string squareRecord(Mark shown) {
    if (shown == Mark::X) return "1";
    if (shown == Mark::O) return "2";
    return "0";
}

std::string turnRecord(std::int16_t playerTurn) {
    // 1 and 2 are the players; any other turn (0 before the first game) is kept as its number,
    // which a loader takes as "no turn" again.
    return forms::numberText(static_cast<long long>(playerTurn));
}

std::string opponentRecord(Opponent kind) {
    if (kind == Opponent::Computer) return "1";
    if (kind == Opponent::Human) return "2";
    return "0";  // no kind chosen yet: a loader leaves it unchosen again
}

std::string levelRecord(Level level) {
    if (level == Level::Easy) return "1";
    if (level == Level::Hard) return "3";
    return "2";  // two humans have no level; Normal is what a later computer opponent gets
}

forms::RuntimeError notAValidScore() {
    return forms::RuntimeError(forms::ErrorCode::TypeMismatch, "Type mismatch");
}

// A score record is empty or a whole number the result check can count on (0..32767);
// anything else is a run-time error, as a square that is not a number is.
void checkSavedScore(const std::string& record) {
    if (!scoreValue(record)) throw notAValidScore();
}

// The turn a record names: 1 or 2, or 0 for any other number. Not a number: run-time error.
int savedTurn(const std::string& record) {
    const double value = forms::toDouble(record);
    if (value == 1) return 1;
    if (value == 2) return 2;
    return 0;
}

// The nine squares, in three passes: X, then O, then the free squares.
void restoreSquares(gamer& window, const SavedRecords& records) {
    auto valueOf = [&](int n) { return forms::toDouble(records[FirstSquareRecord + n - 1]); };
    for (int n = 1; n <= 9; ++n) {
        if (valueOf(n) != 1) continue;
        window.cell(n).setPicture(window.Xpic.picture());
        window.cell(n).setEnabled(false);
    }
    for (int n = 1; n <= 9; ++n) {
        if (valueOf(n) != 2) continue;
        window.cell(n).setPicture(window.Opic.picture());
        window.cell(n).setEnabled(false);
    }
    for (int n = 1; n <= 9; ++n) {
        if (valueOf(n) != 0) continue;
        window.cell(n).setPicture(window.ip1.picture());
        window.cell(n).setEnabled(true);
    }
}

void restoreOpponent(gamer& window, const std::string& record) {
    const double kind = forms::toDouble(record);
    if (kind == 1) {
        window.setOpponent(Opponent::Computer);
        window.CheckTimer.setEnabled(true);
    }
    if (kind == 2) window.setOpponent(Opponent::Human);
}

void restoreLevel(gamer& window, const std::string& record) {
    const double level = forms::toDouble(record);
    if (level == 1) window.setLevel(Level::Easy);
    if (level == 2) window.setLevel(Level::Normal);
    if (level == 3) window.setLevel(Level::Hard);
}

// Save and Save As now write to `path`; back to the start-up folder; never a watched game.
void adoptLoadedFile(gamer& window, forms::Runtime& runtime, const std::string& path) {
    window.SAs.setEnabled(true);
    window.SA.setEnabled(true);
    window.SaveCont.setCaption(path);
    returnToStartupFolder(window, runtime);
    window.setWatched(false);
}

}  // namespace

// ---- Writing -----------------------------------------------------------------------------

std::string savedNameLine(std::string name) {
    if (plainLineReadsBack(name)) return name;
    // Neither the plain nor the quoted line can carry a double quote here; an apostrophe is
    // the nearest the file can keep.
    if (!quotedLineReadsBack(name)) std::replace(name.begin(), name.end(), '"', '\'');
    if (plainLineReadsBack(name)) return name;
    return '"' + name + '"';
}

SavedRecords savedLinesOf(gamer& window) {
    SavedRecords lines;
    lines[NameARecord] = savedNameLine(window.Name1.caption());
    lines[NameBRecord] = savedNameLine(window.Name2.caption());
    lines[ScoreARecord] = window.Cr1.caption();
    lines[ScoreBRecord] = window.Cr2.caption();
    const Board board = window.board();
    for (int n = 1; n <= 9; ++n) lines[FirstSquareRecord + n - 1] = squareRecord(board.shows(n));
    lines[TurnRecord] = turnRecord(window.PlayerTurn);
    lines[OpponentRecord] = opponentRecord(window.opponent());
    lines[LevelRecord] = levelRecord(window.level());
    return lines;
}

// ---- Reading -----------------------------------------------------------------------------

SavedRecords readSavedRecords(forms::Runtime& runtime, const std::string& path) {
    forms::TextFile& file = runtime.file();
    file.close();
    // The dialog gives a path of this system, used as it is.
    file.open(std::filesystem::path(path), forms::FileMode::Input, LongestSavedGame);
    SavedRecords records;
    for (std::string& record : records) record = file.readField();
    file.close();
    return records;
}

// ---- Restoring ---------------------------------------------------------------------------

void clearForLoad(gamer& window) {
    // A match that ended just before the load would otherwise have its pause clear the loaded
    // board a second later, and its strike line would stand over the loaded game.
    for (forms::Timer* pause : {&window.Timer10, &window.Timer11, &window.Timer12})
        pause->setEnabled(false);
    // A click still waiting for a turn belongs to the game that goes: committed on the loaded
    // one, it would put a mark there that nobody made. So does the fallback move a click armed
    // during the computer's turn: in a loaded game between two people it would move for a person.
    for (int n = 1; n <= 9; ++n) window.commitTimer(n).setEnabled(false);
    window.Timer.setEnabled(false);
    window.clearBoard(false);
    window.setHeight(gamer::HeightWithScores);
    window.Label2.setVisible(true);
    window.label.setForeColor(Yellow);
    window.label.setCaption("Select \"New\" To play");
    for (forms::Label* held : {&window.Tmplabel2, &window.Name1, &window.Name2, &window.Cr1,
                               &window.Cr2, &window.Label1})
        held->setCaption("");
}

void restoreLoadedGame(App& app, const SavedRecords& records, const std::string& path,
                       TurnHandOver turnHandOver) {
    gamer& window = app.gamer;
    window.Name1.setCaption(records[NameARecord]);
    window.Name2.setCaption(records[NameBRecord]);
    app.Scores.Name1.setCaption(records[NameARecord]);
    app.Scores.Name2.setCaption(records[NameBRecord]);
    // A score the result check could not count on is refused before it reaches a label.
    checkSavedScore(records[ScoreARecord]);
    checkSavedScore(records[ScoreBRecord]);
    window.Cr1.setCaption(records[ScoreARecord]);
    window.Cr2.setCaption(records[ScoreBRecord]);
    app.Scores.Score1.setCaption(records[ScoreARecord]);
    app.Scores.Score2.setCaption(records[ScoreBRecord]);
    restoreSquares(window, records);
    window.Score.setEnabled(true);
    if (const int turn = savedTurn(records[TurnRecord]); turn != 0) {
        if (turnHandOver == TurnHandOver::AtOnce)
            window.PlayerTurn = static_cast<std::int16_t>(turn);
        else
            window.handOverTurn(turn);
        window.announceTurn((turn == 1 ? window.Name1 : window.Name2).caption());
    }
    restoreOpponent(window, records[OpponentRecord]);
    restoreLevel(window, records[LevelRecord]);
    adoptLoadedFile(window, app.runtime, path);
}

void returnToStartupFolder(gamer& window, forms::Runtime& runtime) {
    const std::string folder = window.CurrentDir.caption();
    forms::resumeNext([&] { runtime.changeDirectory(folder); });
}

}  // namespace game
