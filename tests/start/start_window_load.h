#pragma once
// Any file opened with the start window's Load Game either hands a game to the game window or is
// refused with its message, the start window back on screen; the command never throws, crashes
// or hangs, and both window-closing flags end where they belong. The suite's seeded cases and the
// fuzz target check each file with this.
#include "start/start_window.h"

#include <filesystem>
#include <string>

class StartWindowLoad : public StartWindow {
protected:
    // Loads `bytes` as a saved game, checks the outcome and lets the timers meet whatever was
    // loaded. Returns whether the file was refused.
    bool loadChecked(const std::string& bytes) {
        const std::string path = writeFile("case.TBY", bytes);
        platform.answerFileDialog(path);
        platform.answerMessageBox(1);
        const std::size_t before = platform.messageBoxes.size();
        s.LoadGame_Click();  // called directly, so that an error it lets escape fails the test
        const bool refused = platform.messageBoxes.size() > before;
        if (!refused) app->runtime.msgBox("(unused answer)", 48, "test");

        EXPECT_FALSE(app->Computer.LoadingFromStart);
        EXPECT_TRUE(s.EndOnClose);
        EXPECT_FALSE(app->runtime.file().isOpen());
        EXPECT_FALSE(platform.programEnded);
        EXPECT_EQ(std::filesystem::current_path(), folder());
        if (refused) {
            EXPECT_EQ(platform.messageBoxes.back().text,
                      "The file (" + path + ") Was not a valid Gammerlin save file");
            EXPECT_FALSE(g.isLoaded());
            EXPECT_TRUE(s.isShown());
        } else {
            EXPECT_TRUE(g.isShown());
            EXPECT_FALSE(s.isShown());
            EXPECT_EQ(g.SaveCont.caption(), path);
            EXPECT_EQ(board().find_first_not_of("XO.#|"), std::string::npos) << board();
        }
        advance(20);
        return refused;
    }
};
