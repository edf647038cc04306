#pragma once
// The shared module of the game: the sound routine, the result check, the win counters and the
// flag the start window's Load Game raises while it works with the game window.
#include <cstdint>
#include <string>

struct App;

namespace game {

class Computer {
public:
    explicit Computer(App& app) : app(app) {}

    // Starts a wave file playing in the background and returns at once; never fails.
    void PlayWav(const std::string& path);

    // The result check, run after every placed mark.
    void CheckGameOver();

    std::int16_t Player1Score = 0;
    std::int16_t Player2Score = 0;
    bool LoadingFromStart = false;

private:
    App& app;
};

}  // namespace game
