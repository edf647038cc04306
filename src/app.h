#pragma once
// The application object: it owns the runtime and every window, and is how the windows reach
// each other (app.gamer, app.Start, app.Scores, app.Skin, app.Aboutit, app.Helper, app.Computer).
#include "forms/runtime.h"
#include "game/computer.h"
#include "game/gamer.h"
#include "start/about_window.h"
#include "start/help_window.h"
#include "start/scores.h"
#include "start/skin_window.h"
#include "start/start.h"

struct App {
    explicit App(forms::Platform& platform);
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    // Starts the program as its start-up window does: the game window is loaded and shown.
    void start();

    forms::Runtime runtime;
    game::Computer Computer;  // the shared module
    game::gamer gamer;        // the game window, the start-up window
    start::Start Start;       // the start window
    start::Scores Scores;     // the scores window
    start::Skin Skin;         // the skin information window
    start::Aboutit Aboutit;   // the about window
    start::Helper Helper;     // the help window
};
