#pragma once
// The about window: the program's title and version, how to reach its makers and a credit line,
// above other windows, with a button that switches to the help window.
#include "forms/controls.h"
#include "start/topmost_window.h"

namespace start {

class Aboutit : public TopmostWindow {
public:
    explicit Aboutit(App& app);

    forms::Label Label1{*this, "Label1"};            // title and version
    forms::Label Label6{*this, "Label6"};            // "Contact:"
    forms::Label Label4{*this, "Label4"};            // the contact address
    forms::Label Label7{*this, "Label7"};            // "About:"
    forms::Label Label5{*this, "Label5"};            // what the program is
    forms::Label Label2{*this, "Label2"};            // a credit line
    forms::PictureBox Picture1{*this, "Picture1"};   // the program's icon
    forms::CommandButton Helpers{*this, "Helpers"};  // "Help": switches to the help window
    forms::CommandButton Ok{*this, "Ok"};

    // ---- Handlers ----
    void Helpers_Click();
    void Ok_Click();

private:
    void declareControls();
};

}  // namespace start
