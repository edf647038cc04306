// The help window: the rules and how to start a game, kept above other windows.
#include "start/help_window.h"

#include "app.h"

namespace start {
using forms::Red;
using forms::Blue;

namespace {

constexpr const char* Rules =
    "All you have to do is get one line across the board to win! It's as easy as that.";
constexpr const char* MenuHelp =
    "First fill in the Player box's with the names of your players and select \"Human\" or "
    "\"Computer\" then select who goes first. Now goto \"Game\" at the top and click "
    "\"New Game\" ";

}  // namespace

Helper::Helper(App& app) : TopmostWindow(app, "Helper", 5760, 3105) {
    declareControls();
    on(About.Click, &Helper::About_Click);
    on(Close.Click, &Helper::Close_Click);
}

void Helper::declareControls() {
    // One control a line or two, as a form designer lays them out.
    // clang-format off
    const forms::Picture icon = classicIcon();

    Label7.design({.left = 2640, .top = 120, .width = 900, .height = 195,
                   .caption = "Reds: Human", .foreColor = Red, .autoSize = true,
                   .transparent = true});
    Label8.design({.left = 3840, .top = 120, .width = 1560, .height = 195,
                   .caption = "Blues Human/Computer", .foreColor = Blue, .autoSize = true,
                   .transparent = true});
    Label2.design({.left = 240, .top = 360, .width = 1695, .height = 255, .caption = "Rules:",
                   .foreColor = Blue, .transparent = true});
    // The two long texts wrap inside their fixed boxes.
    Label1.design({.left = 240, .top = 600, .width = 3135, .height = 495, .caption = Rules,
                   .foreColor = Red, .transparent = true});
    Label3.design({.left = 240, .top = 1080, .width = 465, .height = 195, .caption = "Menu:",
                   .foreColor = Blue, .autoSize = true, .transparent = true});
    Label4.design({.left = 240, .top = 1320, .width = 2685, .height = 1035, .caption = MenuHelp,
                   .foreColor = Red, .transparent = true});
    Label6.design({.left = 120, .top = 2760, .width = 3000, .height = 195,
                   .caption = "Tesselby V.1.0 - have fun and play fair!", .foreColor = Red,
                   .autoSize = true, .transparent = true});
    Picture1.design({.left = 4950, .top = 585, .width = 540, .height = 540, .picture = icon,
                     .autoSize = true});
    About.design({.left = 4800, .top = 2400, .width = 855, .height = 255, .caption = "About",
                  .tabIndex = 0});
    Close.design({.left = 4800, .top = 2760, .width = 855, .height = 255, .caption = "Close",
                  .tabIndex = 1});
    // clang-format on
}

void Helper::About_Click() { switchTo(app.Aboutit); }

void Helper::Close_Click() { closeWithClick(); }

}  // namespace start
