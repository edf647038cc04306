#pragma once
// The help window: the rules and how to start a game, above other windows, with a button that
// switches to the about window.
#include "forms/controls.h"
#include "start/topmost_window.h"

namespace start {

class Helper : public TopmostWindow {
public:
    explicit Helper(App& app);

    forms::Label Label7{*this, "Label7"};           // "Reds: Human"
    forms::Label Label8{*this, "Label8"};           // "Blues Human/Computer"
    forms::Label Label2{*this, "Label2"};           // "Rules:"
    forms::Label Label1{*this, "Label1"};           // the rules
    forms::Label Label3{*this, "Label3"};           // "Menu:"
    forms::Label Label4{*this, "Label4"};           // how to start a game from the menus
    forms::Label Label6{*this, "Label6"};           // a credit line
    forms::PictureBox Picture1{*this, "Picture1"};  // the program's icon
    forms::CommandButton About{*this, "About"};     // switches to the about window
    forms::CommandButton Close{*this, "Close"};

    // ---- Handlers ----
    void About_Click();
    void Close_Click();

private:
    void declareControls();
};

}  // namespace start
