// The game window's About, About Me, Help, Skin Info and EMail: the click sound first, then the
// side window modeless beside a watched game and modal in any other game.
#include "game/game_scenario.h"
#include "game/saved_game_files.h"

#include <algorithm>

namespace {

class SideCommands : public GameScenario {
protected:
    void watched() {
        startProgram();
        watchGame("Ann", "Bob", 'X');
    }
    int marks() {
        const std::string b = board();
        return static_cast<int>(
            std::count_if(b.begin(), b.end(), [](char c) { return c == 'X' || c == 'O'; }));
    }
    int sideWindowsShown() {
        return platform.isShown(app->Aboutit) + platform.isShown(app->Helper) +
               platform.isShown(app->Skin);
    }
    const std::vector<std::string> clickOnly{".\\Button.wav"};
};

TEST_F(SideCommands, F1InAComputerGameIsModalTheBoardWaitsAndTheComputerStillMoves) {
    startProgram();
    newGame("Ann", "Bob", 'O', 'N');  // the computer opens two seconds after the hand-over
    platform.whenModal("Aboutit", [&] {
        EXPECT_TRUE(platform.isTopmost(app->Aboutit));
        user.click(game().n1);
        advance(2500);
        const std::string b = board();
        EXPECT_EQ(std::count(b.begin(), b.end(), 'O'), 1) << "the computer's opening move";
        EXPECT_EQ(b.find('X'), std::string::npos) << "the board took no click";
        user.click(app->Aboutit.Ok);
    });
    EXPECT_TRUE(user.pressShortcut(game(), "F1"));
    EXPECT_EQ(platform.modalShows, std::vector<std::string>{"Aboutit"});
}

TEST_F(SideCommands, EachCommandPlaysTheClickSoundFirstAboutAndAboutMeAlike) {
    twoHumans();
    auto heardTheClickThenClose = [&](forms::CommandButton& close) {
        return [&] {
            EXPECT_EQ(platform.sounds, clickOnly) << close.form().name();
            user.click(close);
            platform.sounds.clear();
        };
    };
    platform.whenModal("Aboutit", heardTheClickThenClose(app->Aboutit.Ok));
    platform.whenModal("Aboutit", heardTheClickThenClose(app->Aboutit.Ok));
    platform.whenModal("Helper", heardTheClickThenClose(app->Helper.Close));
    platform.whenModal("Skin", heardTheClickThenClose(app->Skin.Ok));
    user.choose(game().About);
    user.click(game().AboutMe);
    user.choose(game().HelpPage);
    user.choose(game().SkinInfo);
    EXPECT_EQ(platform.modalShows,
              (std::vector<std::string>{"Aboutit", "Aboutit", "Helper", "Skin"}));

    EXPECT_TRUE(user.pressShortcut(game(), "Ctrl+M"));
    EXPECT_EQ(platform.sounds, clickOnly);
    ASSERT_EQ(platform.launches.size(), 1u);
    EXPECT_EQ(platform.launches[0].commandLine, "start mailto:tesselby@example.org");
    EXPECT_EQ(platform.launches[0].windowStyle, 2);
}

TEST_F(SideCommands, InAWatchedGameF1F2F4AndAboutMeOpenModelessAndTheMovesKeepComing) {
    watched();
    for (const char* key : {"F1", "F2", "F4"}) EXPECT_TRUE(user.pressShortcut(game(), key));
    user.click(game().AboutMe);  // the about window is open already: it comes to the front
    EXPECT_TRUE(platform.modalShows.empty());
    EXPECT_EQ(sideWindowsShown(), 3);
    const int before = marks();
    advance(5000);
    EXPECT_GT(marks(), before);
}

TEST_F(SideCommands, AModalRequestForAWindowOpenModelessBringsItForwardAndNothingEnds) {
    watched();
    EXPECT_TRUE(user.pressShortcut(game(), "F1"));
    // A loaded game between humans replaces the watched one; the about window stays open.
    platform.answerFileDialog(writeFile("human.TBY", SavedGameFile{}.text()));
    user.choose(game().LoadGame);
    ASSERT_EQ(game().CvsC.value(), 0);

    EXPECT_TRUE(user.pressShortcut(game(), "F1"));
    EXPECT_TRUE(platform.modalShows.empty()) << "a window on screen is not shown again";
    EXPECT_EQ(sideWindowsShown(), 1);
    EXPECT_FALSE(platform.programEnded);
    play(1);
    EXPECT_EQ(board(), "X..|...|...") << "the game window still takes input";
}

}  // namespace
