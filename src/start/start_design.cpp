// The start window's control table: every control with its container, place and size (twips),
// content, colours, state at load and tab order, as a form designer would lay it out.
#include "start/start.h"

#include "art/builtin_pictures.h"

namespace start {
using forms::Red;
using forms::Blue;
using forms::Yellow;
using forms::LightGrey;

void Start::declareControls() {
    // One control a line or two, as a form designer lays them out.
    // clang-format off
    // Built-in pictures, shown until the skin replaces them; each is one shared picture.
    const auto topBar = forms::Picture::drawnBy(art::topBar);
    const auto panel = forms::Picture::drawnBy(art::panelBackground);
    const auto playerKindPanel = forms::Picture::drawnBy(art::playerKindPanel);
    const auto firstMovePanel = forms::Picture::drawnBy(art::firstMovePanel);

    // ---- Top bar and names -------------------------------------------------------------------
    Image1.design({.left = 120, .top = 0, .width = 3255, .height = 270, .picture = topBar,
                   .stretch = true});
    Label3.design({.left = 120, .top = 30, .width = 3255, .height = 270,
                   .caption = "Fill in the game properties before playing", .foreColor = Yellow,
                   .tabIndex = 4, .transparent = true});
    Label1.design({.left = 120, .top = 390, .width = 255, .height = 195, .caption = "X's:",
                   .foreColor = Red, .tabIndex = 2, .autoSize = true, .transparent = true});
    Pl1.design({.left = 480, .top = 360, .width = 2895, .height = 285, .tabIndex = 0,
                .maxLength = NameLength});
    Label2.design({.left = 120, .top = 750, .width = 270, .height = 195, .caption = "O's:",
                   .foreColor = Blue, .tabIndex = 3, .autoSize = true, .transparent = true});
    Pl2.design({.left = 480, .top = 720, .width = 2895, .height = 285, .tabIndex = 1,
                .maxLength = NameLength});

    // ---- Frame1: the kind of player 2 --------------------------------------------------------
    Frame1.design({.left = 120, .top = 1110, .width = 1575, .height = 690,
                   .picture = playerKindPanel, .tabIndex = 5});
    Label4.design({.container = &Frame1, .left = 210, .top = 75, .width = 720, .height = 195,
                   .caption = "Computer:", .foreColor = Blue, .tabIndex = 13, .autoSize = true,
                   .transparent = true});
    Option3.design({.container = &Frame1, .left = 1095, .top = 75, .width = 225, .height = 210,
                    .foreColor = Blue, .backColor = LightGrey, .picture = topBar, .enabled = false,
                    .tabIndex = 11, .graphical = true});
    Label5.design({.container = &Frame1, .left = 210, .top = 315, .width = 555, .height = 195,
                   .caption = "Human:", .foreColor = Blue, .tabIndex = 14, .autoSize = true,
                   .transparent = true});
    Option4.design({.container = &Frame1, .left = 1095, .top = 315, .width = 225, .height = 210,
                    .foreColor = Blue, .picture = topBar, .enabled = false, .tabIndex = 12,
                    .graphical = true});

    // ---- Frame2: who goes first --------------------------------------------------------------
    Frame2.design({.left = 1815, .top = 1110, .width = 1575, .height = 690,
                   .picture = firstMovePanel, .tabIndex = 6});
    Label7.design({.container = &Frame2, .left = 210, .top = 75, .width = 270, .height = 195,
                   .caption = "O's:", .foreColor = Blue, .tabIndex = 10, .autoSize = true,
                   .transparent = true});
    Option2.design({.container = &Frame2, .left = 1125, .top = 75, .width = 225, .height = 210,
                    .picture = topBar, .enabled = false, .tabIndex = 7, .graphical = true});
    Label6.design({.container = &Frame2, .left = 210, .top = 315, .width = 330, .height = 195,
                   .caption = "X'ss:", .foreColor = Red, .tabIndex = 9, .autoSize = true,
                   .transparent = true});
    Option1.design({.container = &Frame2, .left = 1125, .top = 315, .width = 225, .height = 210,
                    .picture = topBar, .enabled = false, .tabIndex = 8, .graphical = true});

    // ---- Frame3: the computer's level (Normal until chosen otherwise) -------------------------
    Frame3.design({.left = 120, .top = 1890, .width = 3270, .height = 585, .picture = panel,
                   .tabIndex = 15});
    Label8.design({.container = &Frame3, .left = 90, .top = 150, .width = 390, .height = 195,
                   .caption = "Easy:", .foreColor = Yellow, .tabIndex = 21, .autoSize = true,
                   .transparent = true});
    Option5.design({.container = &Frame3, .left = 675, .top = 150, .width = 240, .height = 210,
                    .picture = topBar, .enabled = false, .tabIndex = 17, .graphical = true});
    Label9.design({.container = &Frame3, .left = 1080, .top = 150, .width = 540, .height = 195,
                   .caption = "Normal:", .foreColor = Yellow, .tabIndex = 20, .autoSize = true,
                   .transparent = true});
    Option6.design({.container = &Frame3, .left = 1815, .top = 150, .width = 240, .height = 210,
                    .picture = topBar, .enabled = false, .tabIndex = 16, .value = 1,
                    .graphical = true});
    Label10.design({.container = &Frame3, .left = 2295, .top = 150, .width = 390, .height = 195,
                    .caption = "Hard:", .foreColor = Yellow, .tabIndex = 19, .autoSize = true,
                    .transparent = true});
    Option7.design({.container = &Frame3, .left = 2865, .top = 150, .width = 240, .height = 210,
                    .picture = topBar, .enabled = false, .tabIndex = 18, .graphical = true});

    // ---- Frame4: the watched-game row, below the bottom of the client area -------------------
    Frame4.design({.left = 120, .top = 2580, .width = 3270, .height = 510, .picture = panel,
                   .tabIndex = 22});
    Label11.design({.container = &Frame4, .left = 270, .top = 105, .width = 1740, .height = 195,
                    .caption = "Computer VS Computer?", .foreColor = Yellow, .tabIndex = 24,
                    .autoSize = true, .transparent = true});
    UseComp.design({.container = &Frame4, .left = 2310, .top = 90, .width = 690, .height = 255,
                    .caption = "Watch?", .backColor = LightGrey, .enabled = false, .tabIndex = 23,
                    .graphical = true});

    // ---- Menus: an item's container is its menu ----------------------------------------------
    Game.design({.caption = "Game"});
    NewGame.design({.container = &Game, .caption = "New", .shortcut = "Ctrl+N"});
    LoadGame.design({.container = &Game, .caption = "Load Game", .shortcut = "Ctrl+L"});
    Clear.design({.container = &Game, .caption = "Clear", .shortcut = "Ctrl+Z"});
    Exit.design({.container = &Game, .caption = "Exit", .shortcut = "Ctrl+E"});

    // Disabled until both names are filled; with it go Ctrl+C and Ctrl+H.
    Player.design({.caption = "Player", .enabled = false});
    Player2.design({.container = &Player, .caption = "Player2"});
    Computer.design({.container = &Player2, .caption = "Computer", .shortcut = "Ctrl+C"});
    Human.design({.container = &Player2, .caption = "Human", .shortcut = "Ctrl+H"});

    Help.design({.caption = "Help"});
    HelpPage.design({.container = &Help, .caption = "Help", .shortcut = "F1"});
    About.design({.container = &Help, .caption = "About", .shortcut = "F2"});
    EMailMe.design({.container = &Help, .caption = "EMail", .shortcut = "F3"});
    SkinInfo.design({.container = &Help, .caption = "Skin Info", .shortcut = "Ctrl+T"});
    // clang-format on
}

}  // namespace start
