// The scores window: the two names and their won matches, kept above other windows.
#include "start/scores.h"

#include "app.h"
#include "art/builtin_pictures.h"

namespace start {
using forms::Red;
using forms::Blue;

Scores::Scores(App& app) : TopmostWindow(app, "Scores", 3900, 1500) {
    declareControls();
    on(Ok.Click, &Scores::Ok_Click);
}

void Scores::declareControls() {
    // One control a line or two, as a form designer lays them out.
    // clang-format off
    // Drawn once for the run; the same two small pictures the game window's buttons start with.
    static const forms::Picture okNormal = forms::Picture::drawnBy(art::smallButtonNormal);
    static const forms::Picture okPressed = forms::Picture::drawnBy(art::smallButtonPressed);

    Label1.design({.left = 165, .top = 75, .width = 1140, .height = 195,
                   .caption = "Players Scores:", .autoSize = true, .transparent = true});
    Line1.design({.x1 = 90, .y1 = 315, .x2 = 3360, .y2 = 315});
    Name1.design({.left = 120, .top = 480, .width = 2055, .height = 255,
                  .foreColor = Red, .transparent = true});
    Score1.design({.left = 2505, .top = 480, .width = 765, .height = 255,
                   .foreColor = Red, .transparent = true});
    Name2.design({.left = 120, .top = 960, .width = 2055, .height = 255,
                  .foreColor = Blue, .transparent = true});
    Score2.design({.left = 2520, .top = 960, .width = 735, .height = 255,
                   .foreColor = Blue, .transparent = true});
    // Esc closes the window as well as a click does.
    Ok.design({.left = 3585, .top = 1200, .width = 225, .height = 225,
               .picture = okNormal, .downPicture = okPressed, .disabledPicture = okNormal,
               .tabIndex = 0, .graphical = true, .isCancel = true});
    // clang-format on
}

void Scores::Ok_Click() { closeWithClick(); }

}  // namespace start
