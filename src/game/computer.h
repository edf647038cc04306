#pragma once
// The shared module of the game: the sound routine, the result check, the win counters and the
// flag the start window's Load Game raises while it works with the game window.
#include "forms/variable.h"

#include <cstdint>
#include <optional>
#include <string>

struct App;

namespace game {

// The three sounds, found in the working directory.
inline constexpr const char* ClickSound = ".\\Button.wav";
inline constexpr const char* ClearSound = ".\\Clear.wav";
inline constexpr const char* NoughtSound = ".\\O's.wav";  // an O on the bottom-left cell

// A score label holds the number of matches a player has won, from 0 to 32767, read as the
// runtime reads numbers ("5", " 5", "5.0"), or "" before the first win. Anything else is no
// score: the result check counts it as 0 and the loaders refuse a file that brings one.
std::optional<std::int16_t> scoreValue(const std::string& text);

class Computer {
public:
    explicit Computer(App& app);

    // Starts a wave file playing in the background and returns at once; never fails.
    void PlayWav(const std::string& path);

    // The result check, run after every placed mark.
    void CheckGameOver();

    forms::Variable<std::int16_t> Player1Score;
    forms::Variable<std::int16_t> Player2Score;
    forms::Variable<bool> LoadingFromStart;

private:
    App& app;
};

}  // namespace game
