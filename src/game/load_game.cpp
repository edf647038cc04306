// Game > Load Game in the game window: the game it holds makes way for one read from a file.
#include "app.h"
#include "forms/errors.h"
#include "game/gamer.h"
#include "game/saved_game.h"

namespace game {

void gamer::LoadGame_Click() {
    offerToSave("Save Game before loading another?");
    Dialogs.ShowOpen();
    const std::string path = Dialogs.fileName();
    if (path.empty()) return;

    clearForLoad(*this);
    try {
        const SavedRecords records = readSavedRecords(app.runtime, path);
        Name1.setCaption(records[NameARecord]);
        Name2.setCaption(records[NameBRecord]);
        app.Scores.Name1.setCaption(records[NameARecord]);
        app.Scores.Name2.setCaption(records[NameBRecord]);
        // A score the result check could not count on is refused before it reaches a label.
        checkSavedScore(records[ScoreARecord]);
        checkSavedScore(records[ScoreBRecord]);
        Cr1.setCaption(records[ScoreARecord]);
        Cr2.setCaption(records[ScoreBRecord]);
        app.Scores.Score1.setCaption(records[ScoreARecord]);
        app.Scores.Score2.setCaption(records[ScoreBRecord]);
        restoreSquares(*this, records);
        Score.setEnabled(true);
        if (const int turn = savedTurn(records[TurnRecord]); turn != 0) {
            PlayerTurn = static_cast<std::int16_t>(turn);
            showTurnLine(*this, turn);
        }
        restoreOpponent(*this, records[OpponentRecord]);
        restoreLevel(*this, records[LevelRecord]);
        adoptLoadedFile(*this, app.runtime, path);
        markUnchanged();  // the loaded game counts as unchanged
    } catch (const forms::RuntimeError&) {
        dropInvalidFile(path);
    }
}

// A file that does not read as a saved game ends this window: the start window takes over.
void gamer::dropInvalidFile(const std::string& path) {
    app.runtime.msgBox("The file (" + path + ") Was not a valid Tesselby save file",
                       forms::vbOKOnlyExclamation, "Error");
    returnToStartupFolder(*this, app.runtime);
    forms::resumeNext([&] { app.runtime.file().close(); });
    setWatched(false);
    markUnchanged();
    app.Start.show(forms::ShowMode::Modeless);
    UnloadingByCode = true;
    unload();
}

}  // namespace game
