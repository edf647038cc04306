// The ways out of a game: Game > New, Game > Exit, and the game window closing. Closing the
// game window ends the program, unless the program itself hands over to the start window.
#include "app.h"
#include "game/gamer.h"

namespace game {

// New, Exit and Load Game offer to save a changed game first. The answer can delay the
// command but never stops it, not even a cancelled save dialog.
void gamer::offerToSave(const std::string& question) {
    if (watched() || !changedSinceSave()) return;
    if (app.runtime.msgBox(question, forms::vbYesNoExclamation, "Save Game?") != forms::vbYes)
        return;
    if (SaveCont.caption().empty())
        SAs_Click();
    else
        SA_Click();
}

void gamer::Newg_Click() {
    UnloadingByCode = true;  // the unload below hands over to the start window
    offerToSave("Save Game before starting a New Game?");
    app.Computer.PlayWav(ClickSound);
    app.Start.show(forms::ShowMode::Modeless);
    unload();
}

void gamer::Exit_Click() {
    offerToSave("Save Game before Exiting?");
    app.Computer.PlayWav(ClickSound);
    app.runtime.end();
}

// Never cancels: every unload either hands over to the start window or ends the program.
void gamer::Form_QueryUnload(int& /*cancel*/, int /*unloadMode*/) {
    if (app.Computer.LoadingFromStart) {
        // The start window's Load Game is letting go of a file it could not read.
        app.Computer.LoadingFromStart = false;
        return;
    }
    if (UnloadingByCode) return;
    if (changedSinceSave() && !watched()) Exit_Click();
    app.runtime.end();
}

}  // namespace game
