// The about window: title, contact and credits, kept above other windows.
#include "start/about_window.h"

#include "app.h"
#include "contact.h"

namespace start {
using forms::Red;
using forms::Blue;

Aboutit::Aboutit(App& app) : TopmostWindow(app, "Aboutit", 5760, 3090) {
    declareControls();
    on(Helpers.Click, &Aboutit::Helpers_Click);
    on(Ok.Click, &Aboutit::Ok_Click);
}

void Aboutit::declareControls() {
    // One control a line or two, as a form designer lays them out.
    // clang-format off
    const forms::Picture icon = classicIcon();

    Label1.design({.left = 360, .top = 240, .width = 2205, .height = 330,
                   .caption = "Tesselby V.1.0", .autoSize = true, .transparent = true,
                   .font = {.name = "MS Sans Serif", .size = 13.5}});
    Label6.design({.left = 360, .top = 1080, .width = 615, .height = 195, .caption = "Contact:",
                   .foreColor = Red, .autoSize = true, .transparent = true});
    Label4.design({.left = 360, .top = 1440, .width = 1635, .height = 195,
                   .caption = contact::Address, .foreColor = Blue, .autoSize = true,
                   .transparent = true});
    Label7.design({.left = 360, .top = 1800, .width = 510, .height = 195, .caption = "About:",
                   .foreColor = Red, .autoSize = true, .transparent = true});
    Label5.design({.left = 360, .top = 2160, .width = 3660, .height = 195,
                   .caption = "Noughts and crosses for two players.",
                   .foreColor = Blue, .autoSize = true, .transparent = true});
    Label2.design({.left = 240, .top = 2760, .width = 2490, .height = 195,
                   .caption = "Thank you for playing Tesselby!", .foreColor = Red,
                   .autoSize = true, .transparent = true});
    Picture1.design({.left = 4965, .top = 255, .width = 540, .height = 540, .picture = icon,
                     .autoSize = true});
    Helpers.design({.left = 4800, .top = 2400, .width = 855, .height = 255, .caption = "Help",
                    .tabIndex = 0});
    Ok.design({.left = 4800, .top = 2760, .width = 855, .height = 255, .caption = "Ok",
               .tabIndex = 1});
    // clang-format on
}

void Aboutit::Helpers_Click() { switchTo(app.Helper); }

void Aboutit::Ok_Click() { closeWithClick(); }

}  // namespace start
