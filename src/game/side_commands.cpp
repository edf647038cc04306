// The game window's side-window commands. Beside a watched game the windows open modeless, so the
// game goes on visibly next to them; otherwise they open modal and the game window waits.
#include "game/gamer.h"

#include "app.h"
#include "contact.h"

namespace game {

void gamer::showSideWindow(forms::Form& window) {
    app.Computer.PlayWav(ClickSound);
    // A window still open modeless from an earlier watched game is only brought to the front by
    // the modal show: it is never shown twice.
    window.show(sideWindowMode());
}

void gamer::About_Click() { showSideWindow(app.Aboutit); }

void gamer::AboutMe_Click() { showSideWindow(app.Aboutit); }

void gamer::HelpPage_Click() { showSideWindow(app.Helper); }

void gamer::SkinInfo_Click() { showSideWindow(app.Skin); }

void gamer::Emailme_Click() {
    app.Computer.PlayWav(ClickSound);
    // Window style 2: the mail program opens minimised, with the focus; nothing waits for it.
    app.runtime.shell(contact::MailCommand, 2);
}

}  // namespace game
