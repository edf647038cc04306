#pragma once
// The start window: the players' names, the kind of player 2, who goes first and the computer's
// level; from here a new, watched or saved game is handed to the game window.
#include "forms/controls.h"
#include "forms/form.h"
#include "forms/variable.h"

#include <array>
#include <cstdint>
#include <string>

struct App;

namespace start {

class Start : public forms::Form {
public:
    explicit Start(App& app);

    forms::Image Image1{*this, "Image1"};
    forms::Label Label3{*this, "Label3"};
    forms::Label Label1{*this, "Label1"};
    forms::TextBox Pl1{*this, "Pl1"};  // player 1's (X) name
    forms::Label Label2{*this, "Label2"};
    forms::TextBox Pl2{*this, "Pl2"};           // player 2's (O) name
    forms::PictureBox Frame1{*this, "Frame1"};  // kind of player 2
    forms::Label Label4{*this, "Label4"};
    forms::OptionButton Option3{*this, "Option3"};  // the computer
    forms::Label Label5{*this, "Label5"};
    forms::OptionButton Option4{*this, "Option4"};  // a human
    forms::PictureBox Frame2{*this, "Frame2"};      // who goes first
    forms::Label Label7{*this, "Label7"};
    forms::OptionButton Option2{*this, "Option2"};  // O goes first
    forms::Label Label6{*this, "Label6"};
    forms::OptionButton Option1{*this, "Option1"};  // X goes first
    forms::PictureBox Frame3{*this, "Frame3"};      // the computer's level
    forms::Label Label8{*this, "Label8"};
    forms::OptionButton Option5{*this, "Option5"};  // Easy
    forms::Label Label9{*this, "Label9"};
    forms::OptionButton Option6{*this, "Option6"};  // Normal
    forms::Label Label10{*this, "Label10"};
    forms::OptionButton Option7{*this, "Option7"};  // Hard
    forms::PictureBox Frame4{*this, "Frame4"};      // the watched-game row, below the client area
    forms::Label Label11{*this, "Label11"};
    forms::CommandButton UseComp{*this, "UseComp"};  // "Watch?"

    forms::Menu Game{*this, "Game"};
    forms::Menu NewGame{*this, "NewGame"};
    forms::Menu LoadGame{*this, "LoadGame"};
    forms::Menu Clear{*this, "Clear"};
    forms::Menu Exit{*this, "Exit"};
    forms::Menu Player{*this, "Player"};
    forms::Menu Player2{*this, "Player2"};
    forms::Menu Computer{*this, "Computer"};
    forms::Menu Human{*this, "Human"};
    forms::Menu Help{*this, "Help"};
    forms::Menu HelpPage{*this, "HelpPage"};
    forms::Menu About{*this, "About"};
    forms::Menu EMailMe{*this, "EMailMe"};
    forms::Menu SkinInfo{*this, "SkinInfo"};

    // The longest name a player may type.
    static constexpr int NameLength = 10;

    // ---- Window-level variables: they outlive an unload ----
    forms::Variable<bool> EndOnClose{*this, true};
    std::array<std::string, 16> LoadedRecords;
    std::array<std::string, 41> VisColor;  // the skin's text style, field by field, as last read

    // ---- Handlers ----
    void Pl1_Change();
    void Pl2_Change();
    void Pl1_KeyPress(std::int16_t& keyAscii);
    void Pl2_KeyPress(std::int16_t& keyAscii);
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void Option4_Click();
    void Option5_Click();
    void Option6_Click();
    void Option7_Click();
    void Option1_GotFocus();
    void Option2_GotFocus();
    void Option3_GotFocus();
    void Option4_GotFocus();
    void Option5_GotFocus();
    void Option6_GotFocus();
    void Option7_GotFocus();
    void Clear_Click();
    void Computer_Click();
    void Human_Click();
    void NewGame_Click();
    void UseComp_Click();
    void LoadGame_Click();
    void Exit_Click();
    void HelpPage_Click();
    void About_Click();
    void Emailme_Click();
    void SkinInfo_Click();

protected:
    void form_load() override;
    void Form_QueryUnload(int& cancel, int unloadMode) override;

private:
    void declareControls();
    void wireHandlers();
    // Setup rules shared by both name boxes and the options.
    void applyNameRule();
    void enableComputerChoices(bool on);
    // Hand-over steps shared by New, Watch and Load Game.
    void releaseIdleGameWindow();
    void refuse(const std::string& message);
    std::string whoGoesFirstMessage();
    // The skin from the program folder's Skin: pictures, then the text style (start_skin.cpp).
    void applySkin();
    void applyTextStyle();
    App& app;
};

}  // namespace start
