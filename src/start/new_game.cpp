// Leaving the start window: New and Watch hand a game over to the game window; Exit and the
// close box end the program.
#include "start/start.h"

#include "app.h"

namespace start {

void Start::NewGame_Click() {
    // Set before the checks: a hand-over unloads this window without ending the program.
    EndOnClose = false;
    app.Computer.PlayWav(game::ClickSound);

    // The checks read only this window: a refusal loads and writes nothing elsewhere.
    if (Pl1.text().empty() || Pl2.text().empty()) {
        return refuse("Before playing type your names in the text box's");
    }
    if (Pl1.text() == Pl2.text()) return refuse("You can't have the same names");
    if (!Option1.value() && !Option2.value()) return refuse(whoGoesFirstMessage());
    if (!Option3.value() && !Option4.value()) {
        return refuse("Please select if player2 is Computer or Human");
    }

    releaseIdleGameWindow();
    auto& gamer = app.gamer;
    // This first write loads the game window: its start-up reads our names and options now.
    gamer.setOpponent(Option3.value() ? game::Opponent::Computer : game::Opponent::Human);
    if (Option3.value()) {
        if (Option5.value()) gamer.setLevel(game::Level::Easy);
        if (Option6.value()) gamer.setLevel(game::Level::Normal);
        if (Option7.value()) gamer.setLevel(game::Level::Hard);
    }
    gamer.Cr1.setCaption("");
    gamer.Cr2.setCaption("");

    app.Scores.Score1.setCaption("");
    app.Scores.Score2.setCaption("");
    gamer.SAs.setEnabled(true);
    app.Scores.Name1.setCaption(Pl1.text());
    app.Scores.Name2.setCaption(Pl2.text());
    gamer.Name1.setCaption(Pl1.text());
    gamer.Name2.setCaption(Pl2.text());

    gamer.show(forms::ShowMode::Modeless);
    unload();
}

void Start::UseComp_Click() {
    app.Computer.PlayWav(game::ClickSound);

    // Watch is enabled only with both names filled and the computer chosen, so empty names and
    // the kind of player 2 need no check here.
    if (Pl1.text() == Pl2.text()) return refuse("You can't have the same names");
    if (!Option1.value() && !Option2.value()) return refuse(whoGoesFirstMessage());

    EndOnClose = false;
    // Before the game window loads, so that its start-up sees the computer as player 2.
    Option3.setValue(true);

    releaseIdleGameWindow();
    auto& gamer = app.gamer;
    gamer.setOpponent(game::Opponent::Computer);
    gamer.Name1.setCaption(Pl1.text());
    gamer.Name2.setCaption(Pl2.text());
    gamer.setWatched(true);
    gamer.SAs.setEnabled(false);  // a watched game is not saved
    gamer.Cr1.setCaption("");
    gamer.Cr2.setCaption("");

    app.Scores.Score1.setCaption("");
    app.Scores.Score2.setCaption("");

    gamer.show(forms::ShowMode::Modeless);
    // The computer's first move comes at the first tick; every commit then restarts it.
    gamer.CheckTimer.setEnabled(true);
    unload();
}

void Start::Exit_Click() {
    app.Computer.PlayWav(game::ClickSound);
    app.runtime.end();
}

void Start::Form_QueryUnload(int& /*cancel*/, int /*unloadMode*/) {
    // Never cancelled: either a hand-over goes on, or closing this window ends the program.
    if (EndOnClose) app.runtime.end();
}

void Start::releaseIdleGameWindow() {
    // A game window that is loaded but not on screen was loaded only to be read (by a cancelled
    // Load Game, or by a side window's look at CvsC); its start-up saw the entries of that
    // moment. Letting go of it makes the hand-over's first write load it afresh. Its closing
    // check lets an unload by code pass without a prompt and without ending the program.
    auto& gamer = app.gamer;
    if (!gamer.isLoaded() || gamer.isShown()) return;
    gamer.UnloadingByCode = true;
    gamer.unload();
}

void Start::refuse(const std::string& message) {
    app.runtime.msgBox(message, forms::vbOKOnlyExclamation, "Gammerlin");
    EndOnClose = true;
}

std::string Start::whoGoesFirstMessage() {
    return "Select who goes first(Ovrils: " + Pl2.text() + ", Crosses: " + Pl1.text() + ")";
}

}  // namespace start
