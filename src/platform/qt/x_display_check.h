#pragma once
// The X display the program is about to open, tried before Qt tries it: Qt, finding no X server,
// aborts with advice to reinstall the application, while the player needs to hear that the game
// wants an X display and which one it tried.
#include <string>

struct xcb_connection_t;

namespace qtui {

class XDisplayCheck {
public:
    // Opens the display Qt's X11 platform would open (its -display argument, else DISPLAY). When
    // Qt is to use another platform (-platform, QT_QPA_PLATFORM, a Wayland session) it tries
    // nothing and finds no problem.
    XDisplayCheck(int argc, char** argv);
    ~XDisplayCheck();
    XDisplayCheck(const XDisplayCheck&) = delete;
    XDisplayCheck& operator=(const XDisplayCheck&) = delete;

    // The one line to print when the display cannot be had; empty when it can.
    const std::string& problem() const { return problem_; }

    // Ends the check's own connection. It stays open until Qt has connected: an X server that
    // loses its last client resets itself and drops a connection arriving meanwhile.
    void close();

private:
    xcb_connection_t* connection_ = nullptr;
    std::string problem_;
};

}  // namespace qtui
