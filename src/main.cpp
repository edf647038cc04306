// Tesselby: the windows of the game on the Qt platform.
#include "app.h"
#include "art/builtin_pictures.h"
#include "platform/qt/deferred_icons.h"
#include "platform/qt/qt_platform.h"
#include "platform/qt/x_display_check.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <chrono>
#include <cstdint>
#include <cstdio>

namespace {

std::uint64_t seedFromClock() {
    const auto wall = std::chrono::system_clock::now().time_since_epoch().count();
    const auto steady = std::chrono::steady_clock::now().time_since_epoch().count();
    return static_cast<std::uint64_t>(wall) ^ (static_cast<std::uint64_t>(steady) << 17);
}

}  // namespace

int main(int argc, char* argv[]) {
    // Without an X display Qt would abort with advice to reinstall; the program says what it needs.
    qtui::XDisplayCheck display(argc, argv);
    if (!display.problem().empty()) {
        std::fprintf(stderr, "%s\n", display.problem().c_str());
        return 1;
    }
    QApplication application(argc, argv);
    display.close();  // Qt has its own connection now
    QApplication::setApplicationName(QStringLiteral("tesselby"));
    QApplication::setWindowIcon(
        qtui::deferredIcon([] { return QIcon(QPixmap::fromImage(art::programIcon())); }));
    // Only the program's own end stops it; a hidden window is not a closed one.
    QApplication::setQuitOnLastWindowClosed(false);

    qtui::QtPlatform platform;
    App app(platform);
    platform.attach(app.runtime);
    app.runtime.random() = forms::Random(seedFromClock());
    // A 1-ms timer ticks about every 25 ms: quick enough that a mark lands within a frame or two
    // of the click, and slow enough that the idle game window costs well under half a percent
    // of one core (bench/idle.sh).
    app.runtime.setTimerFloor(25);

    app.start();
    return QApplication::exec();
}
