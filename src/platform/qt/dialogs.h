#pragma once
// The modal dialogs: message boxes with the exclamation icon, and the open and save dialog.
#include "forms/platform.h"

#include <QStringList>
#include <optional>
#include <string>

namespace qtui {

// Styles 48 (OK, returns 1) and 52 (Yes/No, returns 6 or 7).
int showMessageBox(const std::string& text, int style, const std::string& title);

// "description|pattern|description|pattern|" as Qt name filters. Patterns match without regard
// to letter case ("*.TBY" finds game.tby), as on the file systems the program was made for.
QStringList nameFiltersOf(const std::string& filter);

// The chosen path, or nothing after Cancel. No extension is added to a typed name.
std::optional<std::string> showFileDialog(const forms::FileDialogRequest& request);

}  // namespace qtui
