#pragma once
// The pictures the program draws for itself, shown whenever no skin folder supplies its own.
//
// They share one calm dark-blue and steel look: pale cells on a deep blue board, a red X, a blue O
// and a gold strike line. Each picture is drawn once, on first use, and then handed out as a shared
// (implicitly copied) QImage, so calling these at every window load costs next to nothing.
#include <QImage>

namespace art {

QImage gameBackground();         // 226 x 300, behind the game window's board
QImage topBar();                 // 129 x 9, stretched behind a status line or an option button
QImage smallButtonNormal();      // 10 x 10, red X top left, blue O bottom right, rising diagonal
QImage smallButtonPressed();     // 10 x 10, the same with the two marks swapped
QImage crossMark();              // 63 x 63, a cell holding an X
QImage noughtMark();             // 63 x 63, a cell holding an O
QImage blankCell();              // 63 x 63, a free cell
QImage rowStrike();              // 137 x 11, horizontal strike line on a transparent ground
QImage columnStrike();           // 11 x 137, vertical strike line on a transparent ground
QImage diagonalStrikeRising();   // 195 x 195, bottom-left to top-right, over the whole board
QImage diagonalStrikeFalling();  // 195 x 195, top-left to bottom-right, over the whole board
QImage startBackground();        // 300 x 317, the start window's background, its labels on plates
QImage startGround();            // 300 x 317, the same without plates: the default skin's, whose
                                 // text style gives the labels light tints instead
QImage panelBackground();        // 300 x 300, behind the start window's level and watch panels
QImage playerKindPanel();        // 300 x 300, the same with plates for "Computer:" and "Human:"
QImage firstMovePanel();         // 300 x 300, the same with plates for "O's:" and "X'ss:"
QImage programIcon();            // 64 x 64, an X and an O on a small board

}  // namespace art
