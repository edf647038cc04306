// The game window's skin: pictures from the Skin folder of the working directory, loaded at every
// load of the window. The first file that cannot be loaded ends the step there: the controls of
// the earlier files keep the skin's pictures, the rest their built-in ones, and the load goes on.
#include "app.h"
#include "forms/errors.h"
#include "game/gamer.h"

#include <string>

namespace game {

void gamer::loadSkin() {
    // Each line loads its file afresh, also where an earlier line loaded the same one.
    auto skinPicture = [&](const char* file) {
        return forms::Picture::load(app.runtime.resolve(std::string(".\\Skin\\") + file));
    };
    try {
        setPicture(skinPicture("Back.bmp"));
        AboutMe.setPicture(skinPicture("Button1.bmp"));
        AboutMe.setDownPicture(skinPicture("Button2.bmp"));
        AboutMe.setDisabledPicture(skinPicture("Button1.bmp"));
        Score.setPicture(skinPicture("Button1.bmp"));
        Score.setDownPicture(skinPicture("Button2.bmp"));
        Score.setDisabledPicture(skinPicture("Button1.bmp"));
        Image1.setPicture(skinPicture("Topbar.bmp"));
        Xpic.setPicture(skinPicture("Xpic.gif"));
        Opic.setPicture(skinPicture("Opic.gif"));
        ip1.setPicture(skinPicture("Blank.gif"));
        h1.setPicture(skinPicture("Bar1.gif"));
        h2.setPicture(skinPicture("Bar1.gif"));
        h3.setPicture(skinPicture("Bar1.gif"));
        h4.setPicture(skinPicture("Bar2.gif"));
        h5.setPicture(skinPicture("Bar2.gif"));
        h6.setPicture(skinPicture("Bar2.gif"));
        h7.setPicture(skinPicture("Bar3.gif"));
        h8.setPicture(skinPicture("Bar4.gif"));
    } catch (const forms::RuntimeError&) {
        // A missing or broken skin is no reason to stop: nothing is shown or recorded.
    }
}

}  // namespace game
