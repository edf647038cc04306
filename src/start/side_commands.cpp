// The start window's Help menu: the help, about and skin windows, and the mail link.
#include "start/start.h"

#include "app.h"
#include "contact.h"

namespace start {

// The side windows open modal: the start window waits until they are closed.
void Start::HelpPage_Click() {
    app.Computer.PlayWav(game::ClickSound);
    app.Helper.show(forms::ShowMode::Modal);
}

void Start::About_Click() {
    app.Computer.PlayWav(game::ClickSound);
    app.Aboutit.show(forms::ShowMode::Modal);
}

void Start::Emailme_Click() {
    app.Computer.PlayWav(game::ClickSound);
    // Window style 2: the mail program opens minimised, with the focus; nothing waits for it.
    app.runtime.shell(contact::MailCommand, 2);
}

// Unlike the other Help commands, Skin Info plays no click sound.
void Start::SkinInfo_Click() { app.Skin.show(forms::ShowMode::Modal); }

}  // namespace start
