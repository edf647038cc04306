// The game window's start-up: it runs at program start and at every hand-over from the start
// window, and sets the window up from whatever the start window's entries hold at that moment.
#include "game/gamer.h"

#include "app.h"

#include <string>

namespace game {

void gamer::form_load() {
    setWidth(VisibleWidth);

    // A second copy of the program leaves silently, before it touches any other window.
    if (app.runtime.anotherInstanceRunning()) app.runtime.end();

    UnloadingByCode = false;

    // The built-in pictures give way to the skin's, up to the first file that cannot be loaded.
    loadSkin();

    CurrentDir.setCaption(app.runtime.currentDirectory());

    clearBoard(true);
    Score.setEnabled(true);

    // The first read loads the start window, hidden, when it is not loaded.
    const std::string name1 = app.Start.Pl1.text();
    const std::string name2 = app.Start.Pl2.text();

    if (name1.empty() && name2.empty()) {
        // Not ready: nothing to play until a game is set up through New.
        SAs.setEnabled(false);
        label.setCaption("Select \"New\" To play");
        for (int n = 1; n <= 9; ++n) cell(n).setEnabled(false);
        Score.setEnabled(false);
        setHeight(NotReadyHeight);
        return;
    }
    if (name1.empty() || name2.empty()) {
        // Only a loader brings the window up like this, and it sets the whole state itself.
        return;
    }

    // A game is being handed over.
    Label2.setVisible(true);
    SAs.setEnabled(true);
    Score.setEnabled(true);
    setHeight(HeightWithScores);

    auto& start = app.Start;
    if (start.Option1.value()) PlayerTurn = 1;
    if (start.Option2.value()) PlayerTurn = 2;

    if (start.Option2.value() || start.Option3.value() || start.Option4.value()) {
        // The names as typed: the hand-over fills the game's own name labels only after this.
        if (start.Option1.value()) announceTurn(name1);
        if (start.Option2.value()) announceTurn(name2);
    }

    // The computer opens: its first move comes after the usual thinking delay.
    if (start.Option3.value() && start.Option2.value()) CheckTimer.setEnabled(true);
}

}  // namespace game
