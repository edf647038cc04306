// The game window's control table: every control with its design values, as a form designer
// would lay it out. Positions and sizes are twips; colours are BGR numbers.
#include "art/builtin_pictures.h"
#include "game/gamer.h"

namespace game {
using forms::Red;
using forms::Blue;
using forms::Yellow;
using forms::White;

namespace {

// The built-in drawings, wrapped once: pictures compare by handle, so every load of the window
// must hand out the very same picture objects.
struct BuiltInPictures {
    forms::Picture topBar = forms::Picture::drawnBy(art::topBar);
    forms::Picture buttonNormal = forms::Picture::drawnBy(art::smallButtonNormal);
    forms::Picture buttonPressed = forms::Picture::drawnBy(art::smallButtonPressed);
    forms::Picture cross = forms::Picture::drawnBy(art::crossMark);
    forms::Picture nought = forms::Picture::drawnBy(art::noughtMark);
    forms::Picture blank = forms::Picture::drawnBy(art::blankCell);
    forms::Picture rowStrike = forms::Picture::drawnBy(art::rowStrike);
    forms::Picture columnStrike = forms::Picture::drawnBy(art::columnStrike);
    forms::Picture risingStrike = forms::Picture::drawnBy(art::diagonalStrikeRising);
    forms::Picture fallingStrike = forms::Picture::drawnBy(art::diagonalStrikeFalling);
};

const BuiltInPictures& builtIn() {
    static const BuiltInPictures pictures;
    return pictures;
}

// Everything at Left 3510 or more lies beyond the window's width after load: the hidden state,
// in two columns.
constexpr int Hidden = 3600;
constexpr int HiddenFar = 4800;

}  // namespace

void gamer::declareControls() {
    // One control a line or two, as a form designer lays them out.
    // clang-format off
    const BuiltInPictures& art = builtIn();

    // ---- The top bar and the status line (the status line in front of the bar) ----
    Image1.design({.left = 0, .top = 120, .width = 3375, .height = 225,
                   .picture = art.topBar, .stretch = true});
    label.design({.left = 90, .top = 120, .width = 2685, .height = 270,
                  .foreColor = Yellow, .transparent = true});
    Score.design({.left = 2760, .top = 120, .width = 225, .height = 225,
                  .picture = art.buttonNormal, .downPicture = art.buttonPressed,
                  .disabledPicture = art.buttonNormal, .tabIndex = 0, .toolTip = "Scores",
                  .graphical = true});
    AboutMe.design({.left = 2985, .top = 120, .width = 225, .height = 225,
                    .picture = art.buttonNormal, .downPicture = art.buttonPressed,
                    .disabledPicture = art.buttonNormal, .tabIndex = 1, .toolTip = "About Me",
                    .graphical = true});

    // ---- The board: n1 n2 n3 / n4 n5 n6 / n7 n8 n9; the reset at load gives them ip1's picture ----
    n1.design({.left = 60, .top = 420, .width = 1005, .height = 1005, .border = true});
    n2.design({.left = 1125, .top = 420, .width = 1005, .height = 1005, .border = true});
    n3.design({.left = 2190, .top = 420, .width = 1005, .height = 1005, .border = true});
    n4.design({.left = 60, .top = 1485, .width = 1005, .height = 1005, .border = true});
    n5.design({.left = 1125, .top = 1485, .width = 1005, .height = 1005, .border = true});
    n6.design({.left = 2190, .top = 1485, .width = 1005, .height = 1005, .border = true});
    n7.design({.left = 60, .top = 2550, .width = 1005, .height = 1005, .border = true});
    n8.design({.left = 1125, .top = 2550, .width = 1005, .height = 1005, .border = true});
    n9.design({.left = 2190, .top = 2550, .width = 1005, .height = 1005, .border = true});

    // ---- Strike lines, hidden until their line wins; they lie in front of the cells ----
    h1.design({.left = 615, .top = 810, .width = 2055, .height = 165,
               .picture = art.rowStrike, .visible = false});
    h2.design({.left = 615, .top = 1875, .width = 2055, .height = 165,
               .picture = art.rowStrike, .visible = false});
    h3.design({.left = 615, .top = 2955, .width = 2055, .height = 165,
               .picture = art.rowStrike, .visible = false});
    h4.design({.left = 480, .top = 885, .width = 165, .height = 2055,
               .picture = art.columnStrike, .visible = false});
    h5.design({.left = 1560, .top = 900, .width = 165, .height = 2055,
               .picture = art.columnStrike, .visible = false});
    h6.design({.left = 2625, .top = 900, .width = 165, .height = 2055,
               .picture = art.columnStrike, .visible = false});
    h7.design({.left = 120, .top = 480, .width = 2925, .height = 2925,
               .picture = art.risingStrike, .visible = false});   // n3-n5-n7
    h8.design({.left = 180, .top = 450, .width = 2925, .height = 2925,
               .picture = art.fallingStrike, .visible = false});  // n1-n5-n9

    // ---- The score area, below the board; shown once a game is set up ----
    Label2.design({.left = 75, .top = 3585, .width = 1020, .height = 195,
                   .caption = "Player Scores:", .foreColor = Yellow, .visible = false,
                   .autoSize = true, .transparent = true});
    NameA.design({.left = 60, .top = 3810, .width = 3135, .height = 255,
                  .foreColor = Red, .transparent = true});
    NameB.design({.left = 60, .top = 4080, .width = 3135, .height = 255,
                  .foreColor = Blue, .transparent = true});

    // ---- Hidden state, beyond the visible width ----
    ip1.design({.left = Hidden, .top = 120, .width = 945, .height = 945,
                .backColor = White, .picture = art.blank, .autoSize = true});
    Xpic.design({.left = Hidden, .top = 1080, .width = 945, .height = 945,
                 .backColor = White, .picture = art.cross, .autoSize = true});
    Opic.design({.left = Hidden, .top = 2040, .width = 945, .height = 945,
                 .backColor = White, .picture = art.nought, .autoSize = true});
    CvsC.design({.left = Hidden, .top = 3000, .width = 1500, .height = 255,
                 .caption = "CompVsComp", .tabStop = false, .value = 0});
    Opx1.design({.left = Hidden, .top = 3300, .width = 1200, .height = 255});
    Label1.design({.left = Hidden, .top = 3600, .width = 1200, .height = 255});
    Tmplabel2.design({.left = Hidden, .top = 3900, .width = 1200, .height = 255});
    CompSkill.design({.left = Hidden, .top = 4200, .width = 1200, .height = 255});
    Name1.design({.left = HiddenFar, .top = 120, .width = 1200, .height = 255});
    Name2.design({.left = HiddenFar, .top = 420, .width = 1200, .height = 255});
    Cr1.design({.left = HiddenFar, .top = 720, .width = 1200, .height = 255});
    Cr2.design({.left = HiddenFar, .top = 1020, .width = 1200, .height = 255});
    Bn1.design({.left = HiddenFar, .top = 1320, .width = 1200, .height = 255});
    SaveCont.design({.left = HiddenFar, .top = 1620, .width = 1200, .height = 255});
    CurrentDir.design({.left = HiddenFar, .top = 1920, .width = 1200, .height = 255});
    Checker.design({.left = HiddenFar, .top = 2220, .width = 1200, .height = 375,
                    .caption = "Check", .visible = false, .tabStop = false});
    Checker2.design({.left = HiddenFar, .top = 2700, .width = 1200, .height = 375,
                     .caption = "Check2", .visible = false, .tabStop = false});
    Dialogs.design({.left = HiddenFar, .top = 3180, .filter = "Tesselby *.TBY|*.TBY|All Files *.*|*.*|"});

    // ---- Timers (intervals in milliseconds) ----
    Timer.design({.enabled = false, .interval = 5000});  // the computer's fallback move
    Timer1.design({.enabled = false, .interval = 1});    // commits of n1..n9
    Timer2.design({.enabled = false, .interval = 1});
    Timer3.design({.enabled = false, .interval = 1});
    Timer4.design({.enabled = false, .interval = 1});
    Timer5.design({.enabled = false, .interval = 1});
    Timer6.design({.enabled = false, .interval = 1});
    Timer7.design({.enabled = false, .interval = 1});
    Timer8.design({.enabled = false, .interval = 1});
    Timer9.design({.enabled = false, .interval = 1});
    Timer10.design({.enabled = false, .interval = 1000});  // next match after X won
    Timer11.design({.enabled = false, .interval = 1000});  // next match after O won
    Timer12.design({.enabled = false, .interval = 1000});  // next match after a draw
    Timer13.design({.enabled = true, .interval = 1000});   // starts the computer on its turn
    Timer14.design({.enabled = true, .interval = 1});      // turn sync
    Timer15.design({.enabled = true, .interval = 1});      // display sync, never stopped
    CheckTimer.design({.enabled = false, .interval = 2000});  // the computer's thinking delay

    // ---- Menus ----
    Game.design({.caption = "Game"});
    Newg.design({.container = &Game, .caption = "New", .shortcut = "Ctrl+N"});
    SA.design({.container = &Game, .caption = "Save", .enabled = false, .shortcut = "F3"});
    SAs.design({.container = &Game, .caption = "Save As...", .enabled = false, .shortcut = "Ctrl+S"});
    LoadGame.design({.container = &Game, .caption = "Load Game", .shortcut = "Ctrl+L"});
    Exit.design({.container = &Game, .caption = "Exit", .shortcut = "Ctrl+E"});
    Help.design({.caption = "Help"});
    About.design({.container = &Help, .caption = "About", .shortcut = "F1"});
    HelpPage.design({.container = &Help, .caption = "Help", .shortcut = "F2"});
    EMailMe.design({.container = &Help, .caption = "EMail", .shortcut = "Ctrl+M"});
    SkinInfo.design({.container = &Help, .caption = "Skin Info", .shortcut = "F4"});
    // clang-format on
}

}  // namespace game
