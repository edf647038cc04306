// A long watched game in virtual time: match after match, the scores add up and the board never
// gets stuck.
#include "game_scenario.h"

#include <algorithm>

namespace {

class WatchedGame : public GameScenario {};

TEST_F(WatchedGame, ThousandsOfMatchesKeepScoresInStepAndTheBoardMoving) {
    startProgram();
    watchGame("Ann", "Bob", 'X');
    platform.sounds.clear();

    // A result stays on show for exactly one second and matches are many seconds apart, so a
    // look every 250 ms sees every result, and consecutive looks at one result are one match.
    constexpr long long LookEveryMs = 250;
    constexpr int Matches = 2000;
    int crossWins = 0, noughtWins = 0, draws = 0, resultSounds = 0;
    long long sinceBoardChanged = 0, longestStill = 0;
    std::string lastStatus, lastBoard = board();
    while (crossWins + noughtWins + draws < Matches) {
        advance(LookEveryMs);
        const std::string now = status();
        if (now != lastStatus) {
            crossWins += now == "Ann Has won this match!";
            noughtWins += now == "Bob Has won this match!";
            draws += now == "Draw!";
            lastStatus = now;
        }
        const std::string cells = board();
        sinceBoardChanged = cells == lastBoard ? sinceBoardChanged + LookEveryMs : 0;
        longestStill = std::max(longestStill, sinceBoardChanged);
        lastBoard = cells;
        resultSounds += soundCount(".\\Clear.wav");
        platform.sounds.clear();
        ASSERT_LT(sinceBoardChanged, 5000) << "the board is stuck at " << cells;
    }

    auto& g = game();
    EXPECT_EQ(g.Cr1.caption(), std::to_string(crossWins));
    EXPECT_EQ(g.Cr2.caption(), std::to_string(noughtWins));
    EXPECT_EQ(resultSounds, crossWins + noughtWins + draws) << "each result announced once";
    EXPECT_GT(crossWins, 0);
    EXPECT_GT(noughtWins, 0);
    EXPECT_GT(draws, 0);
    EXPECT_EQ(g.NameA.caption(), "Ann: " + g.Cr1.caption());
    EXPECT_EQ(app->Scores.Score2.caption(), g.Cr2.caption());
    EXPECT_LE(longestStill, 2500);
}

}  // namespace
