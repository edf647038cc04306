#pragma once
// The whole program on the Qt platform: the application object wired to the real windows, with a
// single-instance lock of the test's own.
#include "app.h"
#include "qt_fixture.h"

namespace qttest {

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
