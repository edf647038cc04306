// The sound routine shared by every window.
#include "game/computer.h"

#include "app.h"

#include <exception>

namespace game {

Computer::Computer(App& app)
    : Player1Score(app.runtime),
      Player2Score(app.runtime),
      LoadingFromStart(app.runtime),
      app(app) {}

void Computer::PlayWav(const std::string& path) {
    // A sound is decoration: a missing file or a busy device never stops the caller.
    try {
        app.runtime.playSound(path);
    } catch (const std::exception&) {
    }
}

}  // namespace game
