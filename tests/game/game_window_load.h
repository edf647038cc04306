#pragma once
// Any file opened with the game window's Load Game is either loaded or refused with its message,
// the start window then back on screen; the command never throws, crashes or hangs, and the
// program plays on. The suite's seeded cases and the fuzz target check each file with this.
#include "scenario/scenario.h"

#include <filesystem>
#include <string>

class GameWindowLoad : public Scenario {
protected:
    void SetUp() override {
        startProgram();
        newGame("Ann", "Bob", 'X', 'H');
    }

    // Loads `bytes` as a saved game, checks the outcome and lets the timers meet whatever was
    // loaded. Returns whether the file was refused.
    bool loadChecked(const std::string& bytes) {
        const std::string path = writeFile("case.TBY", bytes);
        const bool refused = loadRefused(path);
        expectRefusedOrLoaded(path, refused);
        advance(20);
        return refused;
    }

    // Loads `path` through the command itself, so that an error it lets escape fails the test.
    // Returns whether the file was refused.
    bool loadRefused(const std::string& path) {
        platform.answerFileDialog(path);
        platform.answerMessageBox(1);
        const std::size_t before = platform.messageBoxes.size();
        g.LoadGame_Click();
        const bool refused = platform.messageBoxes.size() > before;
        // A load that needed no message box leaves its answer unused.
        if (!refused) app->runtime.msgBox("(unused answer)", 48, "test");
        return refused;
    }

    void expectRefusedOrLoaded(const std::string& path, bool refused) {
        EXPECT_FALSE(app->runtime.file().isOpen());
        EXPECT_FALSE(platform.programEnded);
        EXPECT_EQ(std::filesystem::current_path(), folder());
        if (refused) {
            EXPECT_EQ(platform.messageBoxes.back().text,
                      "The file (" + path + ") Was not a valid Tesselby save file");
            EXPECT_FALSE(g.isLoaded());
            EXPECT_TRUE(app->Start.isShown());
        } else {
            EXPECT_TRUE(g.isLoaded());
            EXPECT_EQ(g.SaveCont.caption(), path);
            EXPECT_EQ(board().find_first_not_of("XO.#|"), std::string::npos) << board();
        }
    }

    game::gamer& g = app->gamer;
};
