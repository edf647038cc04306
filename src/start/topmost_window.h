#pragma once
// What the about, help and scores windows share: a small dialog without a title bar, kept above
// other windows from the moment it loads, whose buttons play the click sound as they act.
#include "forms/form.h"

#include <string>

struct App;

namespace start {

class TopmostWindow : public forms::Form {
protected:
    TopmostWindow(App& app, std::string name, int clientWidth, int clientHeight);

    // Above other windows from the moment it loads; a hidden load stays hidden.
    void form_load() override;
    // The click sound, then this window goes.
    void closeWithClick();
    // The click sound, then this window makes way for `next`, shown as side windows are beside
    // the game: this one goes before the other comes, so switching never adds a window.
    void switchTo(forms::Form& next);
    // The program's icon at the classic icon size (32 pixels), one picture for the whole run.
    static forms::Picture classicIcon();

    App& app;
};

}  // namespace start
