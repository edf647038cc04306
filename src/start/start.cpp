// The start window as a whole: its own design values and the wiring of every handler.
#include "start/start.h"

#include "app.h"
#include "art/builtin_pictures.h"

namespace start {

Start::Start(App& app) : forms::Form(app.runtime, "Start"), app(app) {
    design(forms::FormDesign{
        .caption = "Kestrovan - Tesselby",
        .border = forms::BorderStyle::FixedToolWindow,
        // 2535 high, not the 3090 that would show Frame4: the Watch row stays out of sight.
        .clientWidth = 3495,
        .clientHeight = 2535,
        .centred = true,
        .backColor = 0xFF0000,
        .foreColor = 0x0,
        .picture = forms::Picture::drawnBy(art::startBackground),
        .icon = forms::Picture::drawnBy(art::programIcon),
    });
    declareControls();
    wireHandlers();
}

void Start::wireHandlers() {
    on(Pl1.Change, &Start::Pl1_Change);
    on(Pl2.Change, &Start::Pl2_Change);
    on(Pl1.KeyPress, &Start::Pl1_KeyPress);
    on(Pl2.KeyPress, &Start::Pl2_KeyPress);

    on(Option1.Click, &Start::Option1_Click);
    on(Option2.Click, &Start::Option2_Click);
    on(Option3.Click, &Start::Option3_Click);
    on(Option4.Click, &Start::Option4_Click);
    on(Option5.Click, &Start::Option5_Click);
    on(Option6.Click, &Start::Option6_Click);
    on(Option7.Click, &Start::Option7_Click);
    on(Option1.GotFocus, &Start::Option1_GotFocus);
    on(Option2.GotFocus, &Start::Option2_GotFocus);
    on(Option3.GotFocus, &Start::Option3_GotFocus);
    on(Option4.GotFocus, &Start::Option4_GotFocus);
    on(Option5.GotFocus, &Start::Option5_GotFocus);
    on(Option6.GotFocus, &Start::Option6_GotFocus);
    on(Option7.GotFocus, &Start::Option7_GotFocus);

    on(UseComp.Click, &Start::UseComp_Click);

    on(NewGame.Click, &Start::NewGame_Click);
    on(LoadGame.Click, &Start::LoadGame_Click);
    on(Clear.Click, &Start::Clear_Click);
    on(Exit.Click, &Start::Exit_Click);
    on(Computer.Click, &Start::Computer_Click);
    on(Human.Click, &Start::Human_Click);
    on(HelpPage.Click, &Start::HelpPage_Click);
    on(About.Click, &Start::About_Click);
    on(EMailMe.Click, &Start::Emailme_Click);
    on(SkinInfo.Click, &Start::SkinInfo_Click);
}

void Start::form_load() {
    // Closing the window ends the program until a hand-over says otherwise.
    EndOnClose = true;

    // Any part of the skin may be missing or broken; the window loads all the same.
    applySkin();
}

}  // namespace start
