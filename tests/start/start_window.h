#pragma once
// The start window brought up as a person does (the game window's Game > New), with shorthands
// for the checks the start window's tests share.
#include "scenario/scenario.h"

#include <algorithm>

class StartWindow : public Scenario {
protected:
    void SetUp() override {
        startProgram();
        user.choose(app->gamer.Newg);
        ASSERT_TRUE(s.isShown());
        platform.sounds.clear();
    }
    void names(const std::string& x, const std::string& o) {
        user.choose(s.Clear);
        user.type(s.Pl1, x);
        user.type(s.Pl2, o);
    }
    template <class... C>
    bool enabled(C&... controls) {
        return (controls.enabled() && ...);
    }
    template <class... C>
    bool disabled(C&... controls) {
        return (!controls.enabled() && ...);
    }
    bool levelsAndWatchEnabled() { return enabled(s.Option5, s.Option6, s.Option7, s.UseComp); }
    bool allDisabled() {
        return disabled(s.Player, s.Option1, s.Option2, s.Option3, s.Option4, s.Option5, s.Option6,
                        s.Option7, s.UseComp, s.NewGame);
    }
    // Captions joined as "a|b|".
    template <class... L>
    std::string captions(L&... labels) {
        std::string joined;
        ((joined += labels.caption() + "|"), ...);
        return joined;
    }
    int marks(char mark) {
        const std::string b = board();
        return static_cast<int>(std::count(b.begin(), b.end(), mark));
    }
    start::Start& s = app->Start;
    game::gamer& g = app->gamer;
};
