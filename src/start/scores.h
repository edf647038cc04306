#pragma once
// The scores window: the two names and their won matches, above other windows.
#include "forms/controls.h"
#include "start/topmost_window.h"

namespace start {

class Scores : public TopmostWindow {
public:
    explicit Scores(App& app);

    forms::Label Label1{*this, "Label1"};  // "Players Scores:"
    forms::Line Line1{*this, "Line1"};
    forms::Label Name1{*this, "Name1"};
    forms::Label Score1{*this, "Score1"};
    forms::Label Name2{*this, "Name2"};
    forms::Label Score2{*this, "Score2"};
    forms::CommandButton Ok{*this, "Ok"};

    void Ok_Click();

private:
    void declareControls();
};

}  // namespace start
