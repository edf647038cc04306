// The start window's Help menu. The help, about and skin windows are not part of the program
// yet; these commands do what they will do before the window shows.
#include "start/start.h"

#include "app.h"

namespace start {

namespace {

constexpr const char* ClickSound = ".\\Button.wav";

}  // namespace

void Start::HelpPage_Click() { app.Computer.PlayWav(ClickSound); }

void Start::About_Click() { app.Computer.PlayWav(ClickSound); }

void Start::Emailme_Click() {
    app.Computer.PlayWav(ClickSound);
    // Window style 2: the mail program opens minimised, with the focus; nothing waits for it.
    app.runtime.shell("start mailto:tesselby@example.org", 2);
}

// Unlike the other Help commands, Skin Info plays no click sound.
void Start::SkinInfo_Click() {}

}  // namespace start
