#pragma once
// A whole program on the virtual platform: the application object, the scripted user and the
// clock, in a fresh temporary folder that is both the working directory and the program's folder.
#include "app.h"
#include "support/user.h"
#include "support/virtual_platform.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

class Scenario : public ::testing::Test {
protected:
    Scenario();
    ~Scenario() override;

    // Starts the program as main does: the game window loads and shows.
    void startProgram();
    void advance(long long ms) { platform.advance(ms); }

    // Writes a file into the working folder (bytes as given) and returns its full path.
    std::string writeFile(const std::string& name, const std::string& bytes);
    std::string readFile(const std::string& path) const;
    std::filesystem::path folder() const { return folder_; }

    // The board as the game window reads it, in its text form ("XO.|.X.|..O").
    std::string board();
    // Puts marks on the board directly, as a loaded game would.
    void setBoard(const std::string& rows);

    // The start window filled in and New chosen: names, who goes first, the kind of player 2.
    // first: 'X' or 'O'; opponent: 'H' human, 'E' / 'N' / 'R' computer at Easy / Normal / Hard.
    void newGame(const std::string& name1, const std::string& name2, char first, char opponent);

    int soundCount(const std::string& path) const;

    std::filesystem::path folder_;
    std::filesystem::path previousDirectory_;
    virt::VirtualPlatform platform;
    std::unique_ptr<App> app;
    virt::User user;
};
