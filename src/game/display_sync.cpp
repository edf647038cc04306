// Display sync and the scores button: what the user sees follows the game's state, which the
// result check and the loaders keep in the game window's hidden labels.
#include "game/gamer.h"

#include "app.h"

#include <string>

namespace game {

void gamer::Timer15_Timer() {
    // Runs every millisecond; unchanged captions cost nothing, as the controls skip equal writes.
    const std::string score1 = Cr1.caption();
    const std::string score2 = Cr2.caption();
    app.Scores.Score1.setCaption(score1);  // loads the scores window, hidden, when needed
    app.Scores.Score2.setCaption(score2);
    NameA.setCaption(Name1.caption() + ": " + score1);
    NameB.setCaption(Name2.caption() + ": " + score2);

    // A turn handed over by the start window's Load Game takes effect here, once.
    if (const int turn = handedOverTurn(); turn != 0) {
        PlayerTurn = static_cast<std::int16_t>(turn);
        handOverTurn(0);
    }

    // Reading the start window's names keeps it loaded, hidden, while the game runs.
    const bool name1Filled = !app.Start.Pl1.text().empty();
    const bool name2Filled = !app.Start.Pl2.text().empty();
    if (name1Filled && name2Filled && watched()) SAs.setEnabled(false);
}

void gamer::Score_Click() {
    app.Computer.PlayWav(ClickSound);
    // A watched game goes on in view beside the scores; any other game waits for Ok. A window
    // still open modeless from an earlier watched game is brought to the front instead.
    app.Scores.show(sideWindowMode());
    copyToScoresWindow();
}

void gamer::copyToScoresWindow() {
    app.Scores.Name1.setCaption(Name1.caption());
    app.Scores.Name2.setCaption(Name2.caption());
    app.Scores.Score1.setCaption(Cr1.caption());
    app.Scores.Score2.setCaption(Cr2.caption());
}

}  // namespace game
