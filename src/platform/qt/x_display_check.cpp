#include "platform/qt/x_display_check.h"

#include <cstdlib>
#include <string_view>
#include <xcb/xcb.h>

namespace qtui {
namespace {

// The value given to one of Qt's command-line options (-name VALUE or --name VALUE), or null.
const char* optionValue(int argc, char** argv, std::string_view name) {
    for (int i = 1; i + 1 < argc; ++i) {
        std::string_view arg = argv[i];
        if (arg.starts_with("--")) arg.remove_prefix(1);
        if (arg.starts_with('-') && arg.substr(1) == name) return argv[i + 1];
    }
    return nullptr;
}

// Qt takes its platform from -platform, else QT_QPA_PLATFORM, else Wayland in a Wayland
// session, else X11.
bool qtWillUseX11(int argc, char** argv) {
    const char* asked = optionValue(argc, argv, "platform");
    if (!asked || !*asked) asked = std::getenv("QT_QPA_PLATFORM");
    if (asked && *asked) return std::string_view(asked).starts_with("xcb");
    const char* session = std::getenv("XDG_SESSION_TYPE");
    return !std::getenv("WAYLAND_DISPLAY") && !(session && std::string_view(session) == "wayland");
}

}  // namespace

XDisplayCheck::XDisplayCheck(int argc, char** argv) {
    if (!qtWillUseX11(argc, argv)) return;
    const std::string needs = "tesselby: needs an X display, and ";
    const char* option = optionValue(argc, argv, "display");
    const char* variable = std::getenv("DISPLAY");
    if (!option && (!variable || !*variable)) {
        problem_ = needs + (variable ? "DISPLAY is empty" : "DISPLAY is not set") +
                   ": start the game from a terminal of your desktop session";
        return;
    }
    connection_ = xcb_connect(option, nullptr);
    if (xcb_connection_has_error(connection_)) {
        const std::string tried = option ? std::string("-display \"") + option + "\""
                                         : std::string("DISPLAY=\"") + variable + "\"";
        problem_ = needs + "could not open " + tried;
        close();
    }
}

XDisplayCheck::~XDisplayCheck() { close(); }

void XDisplayCheck::close() {
    if (connection_) xcb_disconnect(connection_);
    connection_ = nullptr;
}

}  // namespace qtui
