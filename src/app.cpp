#include "app.h"

App::App(forms::Platform& platform)
    : runtime(platform),
      Computer(*this),
      gamer(*this),
      Start(*this),
      Scores(*this),
      Skin(*this),
      Aboutit(*this),
      Helper(*this) {}

void App::start() {
    runtime.dispatch([this] { gamer.show(); }, "start-up");
}
