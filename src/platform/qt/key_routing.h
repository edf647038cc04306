#pragma once
// Keys on their way into a text box: the box's KeyPress handler sees each character key first
// (as its Windows-1252 code: Enter 13, Backspace 8) and may swallow or replace it; the menu
// shortcuts of the window win over the keys a text box would keep for itself.
#include "forms/controls.h"

#include <QKeySequence>
#include <QString>
#include <cstdint>
#include <optional>

class QKeyEvent;

namespace qtui {

// The character code of a key, or nothing for keys that type no character (arrows, Delete).
std::optional<std::int16_t> keyAsciiOf(const QKeyEvent& event);

// The text a character code types.
QString textOfKeyAscii(std::int16_t keyAscii);

enum class KeyFate { Apply, Swallow, Replace };
struct KeyRouting {
    KeyFate fate;
    std::int16_t replacement = 0;  // for Replace: the code the handler put in its place
};

// Runs the box's KeyPress for a key press; keys that type nothing go straight to the box.
KeyRouting routeKeyPress(forms::TextBox& box, const QKeyEvent& event);

// The key combination as menus write it ("Ctrl+N", "F3").
QKeySequence sequenceOf(const QKeyEvent& event);

// True when a menu item of the form that can be chosen now has this key as its shortcut.
bool isReachableMenuShortcut(const forms::Form& form, const QKeySequence& key);

}  // namespace qtui
