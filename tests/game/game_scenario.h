#pragma once
// Scenario helpers for the game window's rules: a short name for the window, moves by click and
// commit, and a watched game set up through the start window as a person would.
#include "scenario/scenario.h"

#include <string>

class GameScenario : public Scenario {
protected:
    game::gamer& game() { return app->gamer; }
    start::Start& startWindow() { return app->Start; }

    // A click on a cell and the commit's tick, 1 ms later.
    void play(int cell) {
        user.click(game().cell(cell));
        advance(1);
    }

    // Through Game > New, names typed, who goes first, Watch.
    void watchGame(const std::string& name1, const std::string& name2, char first) {
        auto& s = startWindow();
        if (!s.isShown()) user.choose(game().Newg);
        user.type(s.Pl1, name1);
        user.type(s.Pl2, name2);
        user.click(first == 'X' ? s.Option1 : s.Option2);
        user.click(s.Option3);
        user.click(s.UseComp);
    }

    // A human game between Ann (X) and Bob (O), X to move, with nothing played or heard yet.
    void twoHumans() {
        startProgram();
        newGame("Ann", "Bob", 'X', 'H');
        platform.sounds.clear();
    }

    // Ann (X) against the computer (Bob, O) at the level given ('E', 'N', 'R'), X to move.
    void againstComputer(char level) {
        startProgram();
        newGame("Ann", "Bob", 'X', level);
        platform.sounds.clear();
    }

    int firstFreeCell() {
        for (int n = 1; n <= 9; ++n) {
            if (game().cell(n).enabled()) return n;
        }
        ADD_FAILURE() << "no free cell on " << board();
        return 1;
    }

    const std::string& status() { return game().label.caption(); }
};
