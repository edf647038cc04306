// The game window: its frame, its handler wiring and the by-number access to the board.
#include "game/gamer.h"

#include "app.h"
#include "art/builtin_pictures.h"

#include <array>
#include <stdexcept>
#include <string>

namespace game {

gamer::gamer(App& app) : forms::Form(app.runtime, "gamer"), app(app) {
    // The built-in pictures are made once for the whole run and drawn when first shown; every
    // load shares the same objects.
    static const forms::Picture background = forms::Picture::drawnBy(art::gameBackground);
    static const forms::Picture icon = forms::Picture::drawnBy(art::programIcon);
    design(forms::FormDesign{
        .caption = "Tesselby",
        .border = forms::BorderStyle::FixedToolWindow,
        .clientWidth = 3450,
        .clientHeight = 4545,
        .centred = true,
        .picture = background,
        .icon = icon,
    });
    declareControls();
    wireHandlers();
}

void gamer::wireHandlers() {
    on(n1.Click, &gamer::n1_Click);
    on(n2.Click, &gamer::n2_Click);
    on(n3.Click, &gamer::n3_Click);
    on(n4.Click, &gamer::n4_Click);
    on(n5.Click, &gamer::n5_Click);
    on(n6.Click, &gamer::n6_Click);
    on(n7.Click, &gamer::n7_Click);
    on(n8.Click, &gamer::n8_Click);
    on(n9.Click, &gamer::n9_Click);

    on(Timer1.Tick, &gamer::Timer1_Timer);
    on(Timer2.Tick, &gamer::Timer2_Timer);
    on(Timer3.Tick, &gamer::Timer3_Timer);
    on(Timer4.Tick, &gamer::Timer4_Timer);
    on(Timer5.Tick, &gamer::Timer5_Timer);
    on(Timer6.Tick, &gamer::Timer6_Timer);
    on(Timer7.Tick, &gamer::Timer7_Timer);
    on(Timer8.Tick, &gamer::Timer8_Timer);
    on(Timer9.Tick, &gamer::Timer9_Timer);
    on(Timer10.Tick, &gamer::Timer10_Timer);
    on(Timer11.Tick, &gamer::Timer11_Timer);
    on(Timer12.Tick, &gamer::Timer12_Timer);
    on(Timer13.Tick, &gamer::Timer13_Timer);
    on(Timer14.Tick, &gamer::Timer14_Timer);
    on(Timer15.Tick, &gamer::Timer15_Timer);
    on(Timer.Tick, &gamer::Timer_Timer);
    on(CheckTimer.Tick, &gamer::CheckTimer_Timer);

    on(Checker.Click, &gamer::Checker_Click);
    on(Checker2.Click, &gamer::Checker2_Click);
    on(Score.Click, &gamer::Score_Click);
    on(AboutMe.Click, &gamer::AboutMe_Click);

    on(Newg.Click, &gamer::Newg_Click);
    on(SA.Click, &gamer::SA_Click);
    on(SAs.Click, &gamer::SAs_Click);
    on(LoadGame.Click, &gamer::LoadGame_Click);
    on(Exit.Click, &gamer::Exit_Click);
    on(About.Click, &gamer::About_Click);
    on(HelpPage.Click, &gamer::HelpPage_Click);
    on(EMailMe.Click, &gamer::Emailme_Click);
    on(SkinInfo.Click, &gamer::SkinInfo_Click);
}

forms::Image& gamer::cell(int number) {
    const std::array<forms::Image*, 9> cells{&n1, &n2, &n3, &n4, &n5, &n6, &n7, &n8, &n9};
    if (number < 1 || number > 9)
        throw std::out_of_range("no board cell " + std::to_string(number));
    return *cells[number - 1];
}

forms::Timer& gamer::commitTimer(int number) {
    const std::array<forms::Timer*, 9> timers{&Timer1, &Timer2, &Timer3, &Timer4, &Timer5,
                                              &Timer6, &Timer7, &Timer8, &Timer9};
    if (number < 1 || number > 9)
        throw std::out_of_range("no commit timer " + std::to_string(number));
    return *timers[number - 1];
}

}  // namespace game
