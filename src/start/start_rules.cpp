// The setup rules of the start window: which entries are enabled as the names fill in, where
// the keyboard focus goes, and the Clear, Computer and Human commands.
#include "start/start.h"

#include "app.h"

namespace start {

// ---- Name change rule -------------------------------------------------------------------

void Start::Pl1_Change() {
    app.Computer.PlayWav(game::ClickSound);
    // The caret, not the length: inserting inside a full name keeps the user in Pl1.
    if (Pl1.selStart() >= NameLength) app.runtime.setFocus(Pl2);
    applyNameRule();
}

void Start::Pl2_Change() {
    app.Computer.PlayWav(game::ClickSound);
    applyNameRule();
}

void Start::applyNameRule() {
    const bool bothFilled = !Pl1.text().empty() && !Pl2.text().empty();
    // Only enabled states change; every selection stays as the user left it.
    if (!bothFilled) {
        Player.setEnabled(false);
        for (forms::OptionButton* option :
             {&Option1, &Option2, &Option3, &Option4, &Option5, &Option6, &Option7}) {
            option->setEnabled(false);
        }
        UseComp.setEnabled(false);
        NewGame.setEnabled(false);
        return;
    }
    Player.setEnabled(true);
    for (forms::OptionButton* option : {&Option1, &Option2, &Option3, &Option4}) {
        option->setEnabled(true);
    }
    NewGame.setEnabled(true);
    // Without the computer the level and Watch keep whatever state they had.
    if (Option3.value()) enableComputerChoices(true);
}

void Start::enableComputerChoices(bool on) {
    Option5.setEnabled(on);
    Option6.setEnabled(on);
    Option7.setEnabled(on);
    UseComp.setEnabled(on);
}

// ---- Key rule ---------------------------------------------------------------------------
// Keys are only looked at, never changed: the box's own maximum length limits the names.

void Start::Pl1_KeyPress(std::int16_t& keyAscii) {
    if (keyAscii == forms::KeyEnter) app.runtime.setFocus(Pl2);
}

void Start::Pl2_KeyPress(std::int16_t& keyAscii) {
    if (keyAscii == forms::KeyBackspace && Pl2.text().empty()) app.runtime.setFocus(Pl1);
    // Enter starts the game whatever the New item shows: New's own checks decide.
    if (keyAscii == forms::KeyEnter) NewGame_Click();
}

// ---- Option rule ------------------------------------------------------------------------

void Start::Option1_Click() { app.Computer.PlayWav(game::ClickSound); }
void Start::Option2_Click() { app.Computer.PlayWav(game::ClickSound); }

void Start::Option3_Click() {
    if (Option3.value()) enableComputerChoices(true);
    app.Computer.PlayWav(game::ClickSound);
}

void Start::Option4_Click() {
    if (Option4.value()) enableComputerChoices(false);
    app.Computer.PlayWav(game::ClickSound);
}

void Start::Option5_Click() { app.Computer.PlayWav(game::ClickSound); }
void Start::Option6_Click() { app.Computer.PlayWav(game::ClickSound); }
void Start::Option7_Click() { app.Computer.PlayWav(game::ClickSound); }

// ---- Focus rule -------------------------------------------------------------------------
// An option never keeps the focus: it goes on to the name box that goes with it.

void Start::Option1_GotFocus() { app.runtime.setFocus(Pl1); }
void Start::Option2_GotFocus() { app.runtime.setFocus(Pl2); }
void Start::Option3_GotFocus() { app.runtime.setFocus(Pl2); }
void Start::Option4_GotFocus() { app.runtime.setFocus(Pl2); }
void Start::Option5_GotFocus() { app.runtime.setFocus(Pl2); }
void Start::Option6_GotFocus() { app.runtime.setFocus(Pl2); }
void Start::Option7_GotFocus() { app.runtime.setFocus(Pl2); }

// ---- Menu commands ----------------------------------------------------------------------

void Start::Clear_Click() {
    app.Computer.PlayWav(game::ClickSound);
    // Each emptying runs that box's change rule, with its own click sound.
    Pl1.setText("");
    Pl2.setText("");
}

// Selecting from code raises the option's Click, so its enabling and sound follow.
void Start::Computer_Click() { Option3.setValue(true); }
void Start::Human_Click() { Option4.setValue(true); }

}  // namespace start
