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
        restoreLoadedGame(app, records, path, TurnHandOver::AtOnce);
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
