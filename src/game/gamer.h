#pragma once
// The game window: the board, the status line, the score area, the menus and every piece of the
// game's state (hidden labels used as variables, a hidden check box, picture holders, timers).
#include "forms/controls.h"
#include "forms/form.h"
#include "forms/variable.h"
#include "game/board.h"

#include <cstdint>
#include <string>

struct App;

namespace game {

enum class Opponent { Unchosen, Computer, Human };
enum class Level { None, Easy, Normal, Hard };

class gamer : public forms::Form {
public:
    explicit gamer(App& app);

    // ---- Visible controls ----
    forms::Image Image1{*this, "Image1"};  // top bar behind the status line
    forms::Label label{*this, "label"};    // the status line
    forms::CommandButton Score{*this, "Score"};
    forms::CommandButton AboutMe{*this, "AboutMe"};
    forms::Image n1{*this, "n1"}, n2{*this, "n2"}, n3{*this, "n3"};
    forms::Image n4{*this, "n4"}, n5{*this, "n5"}, n6{*this, "n6"};
    forms::Image n7{*this, "n7"}, n8{*this, "n8"}, n9{*this, "n9"};
    forms::Image h1{*this, "h1"}, h2{*this, "h2"}, h3{*this, "h3"};  // row strike lines
    forms::Image h4{*this, "h4"}, h5{*this, "h5"}, h6{*this, "h6"};  // column strike lines
    forms::Image h7{*this, "h7"};                                    // diagonal n3-n5-n7
    forms::Image h8{*this, "h8"};                                    // diagonal n1-n5-n9
    forms::Label Label2{*this, "Label2"};                            // "Player Scores:"
    forms::Label NameA{*this, "NameA"};                              // player 1's score line
    forms::Label NameB{*this, "NameB"};                              // player 2's score line

    // ---- Hidden state, outside the visible area ----
    forms::PictureBox ip1{*this, "ip1"};         // the free cell's picture
    forms::PictureBox Xpic{*this, "Xpic"};       // the X
    forms::PictureBox Opic{*this, "Opic"};       // the O
    forms::CheckBox CvsC{*this, "CvsC"};         // 1: the computer plays both sides
    forms::Label Opx1{*this, "Opx1"};            // "ACTIVE": changed since the last save or load
    forms::Label Label1{*this, "Label1"};        // PlayerTurn as text
    forms::Label Tmplabel2{*this, "Tmplabel2"};  // "1" player 2 is the computer, "2" a human
    forms::Label CompSkill{*this, "CompSkill"};  // "1" Easy, "2" Normal, "3" Hard
    forms::Label Name1{*this, "Name1"}, Name2{*this, "Name2"};
    forms::Label Cr1{*this, "Cr1"}, Cr2{*this, "Cr2"};  // the scores of record, as text
    forms::Label Bn1{*this, "Bn1"};                     // a turn handed over by the start window
    forms::Label SaveCont{*this, "SaveCont"};           // the current game's file
    forms::Label CurrentDir{*this, "CurrentDir"};       // the working directory at load
    forms::CommandButton Checker{*this, "Checker"};
    forms::CommandButton Checker2{*this, "Checker2"};
    forms::CommonDialog Dialogs{*this, "Dialogs"};

    // ---- Timers ----
    forms::Timer Timer{*this, "Timer"};  // the fallback computer move
    forms::Timer Timer1{*this, "Timer1"}, Timer2{*this, "Timer2"}, Timer3{*this, "Timer3"};
    forms::Timer Timer4{*this, "Timer4"}, Timer5{*this, "Timer5"}, Timer6{*this, "Timer6"};
    forms::Timer Timer7{*this, "Timer7"}, Timer8{*this, "Timer8"}, Timer9{*this, "Timer9"};
    forms::Timer Timer10{*this, "Timer10"}, Timer11{*this, "Timer11"}, Timer12{*this, "Timer12"};
    forms::Timer Timer13{*this, "Timer13"}, Timer14{*this, "Timer14"}, Timer15{*this, "Timer15"};
    forms::Timer CheckTimer{*this, "CheckTimer"};

    // ---- Menus ----
    forms::Menu Game{*this, "Game"};
    forms::Menu Newg{*this, "Newg"};
    forms::Menu SA{*this, "SA"};
    forms::Menu SAs{*this, "SAs"};
    forms::Menu LoadGame{*this, "LoadGame"};
    forms::Menu Exit{*this, "Exit"};
    forms::Menu Help{*this, "Help"};
    forms::Menu About{*this, "About"};
    forms::Menu HelpPage{*this, "HelpPage"};
    forms::Menu EMailMe{*this, "EMailMe"};
    forms::Menu SkinInfo{*this, "SkinInfo"};

    // ---- Window-level variables: they outlive an unload ----
    forms::Variable<std::int16_t> PlayerTurn{*this};  // 1: X (Name1) to move, 2: O (Name2) to move
    forms::Variable<bool> UnloadingByCode{*this};
    forms::Variable<std::int16_t> RandomCell{*this};
    forms::Variable<std::int16_t> CornerPick{*this};

    // ---- Handlers ----
    void n1_Click();
    void n2_Click();
    void n3_Click();
    void n4_Click();
    void n5_Click();
    void n6_Click();
    void n7_Click();
    void n8_Click();
    void n9_Click();
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void Timer4_Timer();
    void Timer5_Timer();
    void Timer6_Timer();
    void Timer7_Timer();
    void Timer8_Timer();
    void Timer9_Timer();
    void Timer10_Timer();
    void Timer11_Timer();
    void Timer12_Timer();
    void Timer13_Timer();
    void Timer14_Timer();
    void Timer15_Timer();
    void Timer_Timer();
    void CheckTimer_Timer();
    void Checker_Click();
    void Checker2_Click();
    void Score_Click();
    void AboutMe_Click();
    void Newg_Click();
    void SA_Click();
    void SAs_Click();
    void LoadGame_Click();
    void Exit_Click();
    void About_Click();
    void HelpPage_Click();
    void Emailme_Click();
    void SkinInfo_Click();

    // ---- The game's state by name (game_state.cpp): the hidden controls above hold it ----
    bool watched();  // CvsC: the computer plays both sides
    void setWatched(bool on);
    bool changedSinceSave();  // Opx1
    void markChanged();
    void markUnchanged();
    Opponent opponent();  // Tmplabel2
    bool againstComputer() { return opponent() == Opponent::Computer; }
    void setOpponent(Opponent kind);
    Level level();  // CompSkill
    void setLevel(Level level);
    int recordedTurn();  // Label1: 1 or 2 as last recorded, else 0
    void recordTurn(std::int16_t turn);
    int handedOverTurn();         // Bn1: 1 or 2 handed over by the start window's Load Game, else 0
    void handOverTurn(int turn);  // 1 or 2; 0 takes it back

    // The nine cells and their commit timers, in board order (n1..n9, Timer1..Timer9).
    forms::Image& cell(int number);
    forms::Timer& commitTimer(int number);
    // What the nine cells show now.
    Board board();
    // Hides the strike lines and blanks the nine cells, free for play or out of play.
    void clearBoard(bool cellsFree);
    // "<name> it's your turn!" on the status line.
    void announceTurn(const std::string& name);
    // Beside a watched game side windows open modeless, so that the game goes on visibly next
    // to them; otherwise modal, and the game waits.
    forms::ShowMode sideWindowMode();

    // The window's size: its width cuts off the hidden state, its height the score area until a
    // game is set up.
    static constexpr int VisibleWidth = 3345;
    static constexpr int NotReadyHeight = 4245;  // ends just below the board
    static constexpr int HeightWithScores = 4965;

protected:
    void form_load() override;
    void Form_QueryUnload(int& cancel, int unloadMode) override;

private:
    void declareControls();
    void wireHandlers();
    void clickCell(int number);
    void commitCell(int number);
    // The mark of the player to move goes onto the cell for good, the turn passes to the other
    // player, and the result check runs.
    void placeMarkAndPassTurn(int number);
    // The computer player's steps (computer_player.cpp).
    void reseedFromTimer();
    std::int16_t drawFrom1To(int count);
    void lineMove(int number);
    void cornerMove(int number);
    void randomMoveAndStop();
    // The scores button's copies of the names and scores (display_sync.cpp).
    void copyToScoresWindow();
    // Saving, loading and leaving (save_game.cpp, load_game.cpp, leaving.cpp).
    void offerToSave(const std::string& question);
    void fixUpEmptyScores();
    bool writeSavedGame(const std::string& path);
    void dropInvalidFile(const std::string& path);
    // The skin from .\Skin\ (game_skin.cpp) and the side windows' shared steps (side_commands.cpp).
    void loadSkin();
    void showSideWindow(forms::Form& window);

    App& app;
};

}  // namespace game
