#pragma once
// The whole program on the Qt platform: the application object wired to the real windows, with a
// single-instance lock of the test's own.
#include "app.h"
#include "qt_fixture.h"

namespace qttest {

// Game > New, both names typed (Ann and Bob), X to go first.
inline void fillInTheStartWindow(App& app) {
    app.start();
    app.runtime.userMenu(app.gamer.Newg);
    app.Start.Pl1.setText("Ann");
    app.Start.Pl2.setText("Bob");
    app.runtime.userClick(app.Start.Option1);
}

class ProgramOnQtTest : public ::testing::Test {
protected:
    ProgramOnQtTest() {
        application();
        platform.attach(app.runtime);
        app.runtime.setTimerFloor(15);
    }
    // Windows go before the forms they show.
    void TearDown() override {
        for (forms::Form* form : app.runtime.forms()) platform.destroyForm(*form);
        QCoreApplication::processEvents();
    }

    QTemporaryDir folder;
    qtui::QtPlatform platform{folder.filePath("tesselby.lock")};
    App app{platform};
};

}  // namespace qttest
