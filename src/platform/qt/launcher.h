#pragma once
// The program launcher. The only command line the program hands over is the mail link
// ("start mailto:ADDRESS"); it opens the desktop's mail program. Any other line is ignored.
#include <QUrl>
#include <optional>
#include <string>

namespace qtui {

// The mail link of a "start mailto:..." command line, or nothing.
std::optional<QUrl> mailLinkOf(const std::string& commandLine);

// Opens the link with xdg-open, detached and without a shell; a failure is ignored.
void openMailLink(const QUrl& link);

}  // namespace qtui
