// Game > Load Game in the start window: a saved game instead of a new one. The file is read
// while the start window is on screen, then the game window takes over and the game is put back
// into it with the game window showing.
#include "app.h"
#include "forms/errors.h"
#include "game/saved_game.h"
#include "start/start.h"

namespace start {

void Start::LoadGame_Click() {
    // While this runs, unloading either window is a hand-over, not the end of the program.
    app.Computer.LoadingFromStart = true;
    EndOnClose = false;

    game::gamer& g = app.gamer;
    g.Dialogs.ShowOpen();  // loads the game window, hidden, when it is not loaded
    const std::string path = g.Dialogs.fileName();
    if (path.empty()) {
        app.Computer.LoadingFromStart = false;
        EndOnClose = true;
        return;
    }

    game::clearForLoad(g);
    try {
        LoadedRecords = game::readSavedRecords(app.runtime, path);
        const game::SavedRecords& records = LoadedRecords;

        g.show(forms::ShowMode::Modeless);
        unload();

        // This loads the start window again, hidden; its name rules run as if typed.
        Pl1.setText(records[game::NameARecord]);
        Pl2.setText(records[game::NameBRecord]);
        // The display sync moves the turn into PlayerTurn at its next tick.
        game::restoreLoadedGame(app, records, path, game::TurnHandOver::AtNextSync);
        app.Computer.LoadingFromStart = false;
    } catch (const forms::RuntimeError&) {
        app.runtime.msgBox("The file (" + path + ") Was not a valid Gammerlin save file",
                           forms::vbOKOnlyExclamation, "Error");
        game::returnToStartupFolder(g, app.runtime);
        forms::resumeNext([&] { app.runtime.file().close(); });
        g.unload();  // its closing check lets it go and clears LoadingFromStart
        show(forms::ShowMode::Modeless);
        EndOnClose = true;
    }
}

}  // namespace start
