// Modal windows and message boxes run nested loops: the other windows take no input, while the
// runtime's timers keep ticking; timers tick on the real clock, no faster than the floor.
#include "qt_fixture.h"

#include "forms/variable.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

namespace {

using forms::FormDesign;

struct Ticking : forms::Form {
    forms::CommandButton go{*this, "go"};
    forms::Timer tick{*this, "tick"};
    int clicks = 0;
    forms::Variable<int> ticks{*this};  // a counter the runtime sees, so the timer never sleeps

    explicit Ticking(forms::Runtime& runtime) : Form(runtime, "Ticking") {
        // clang-format off
        design(FormDesign{.caption = "Ticking", .clientWidth = 3000, .clientHeight = 1500});
        go.design({.left = 0, .top = 0, .width = 900, .height = 450, .caption = "Go"});
        tick.design({.interval = 1});
        // clang-format on
        on(go.Click, &Ticking::go_Click);
        on(tick.Tick, &Ticking::tick_Timer);
    }
    void go_Click() { ++clicks; }
    void tick_Timer() { ++ticks; }
};

struct Dialog : forms::Form {
    explicit Dialog(forms::Runtime& runtime) : Form(runtime, "Dialog") {
        design(FormDesign{.caption = "Dialog", .clientWidth = 1500, .clientHeight = 900});
    }
};

class Modal : public qttest::QtPlatformTest {
protected:
    void SetUp() override {
        runtime.setTimerFloor(15);
        ticking.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(platform.windowOf(ticking)));
    }

    // A click the way the window system delivers it, through the window and its modality.
    void clickOnScreen(const forms::Control& control) {
        QWidget* widget = widgetOf(control);
        QTest::mouseClick(widget->window()->windowHandle(), Qt::LeftButton, {},
                          widget->mapTo(widget->window(), widget->rect().center()));
    }

    bool isOnScreen(const forms::Form& form) {
        const QWidget* window = platform.windowOf(form);
        return window && window->isVisible();
    }

    Ticking ticking{runtime};
    Dialog dialog{runtime};
};

TEST_F(Modal, ModalWindowBlocksTheOtherWindowsWhileTimersKeepTicking) {
    int ticksAtOpen = -1;
    QTimer::singleShot(0, [&] { ticksAtOpen = ticking.ticks; });
    qttest::once(
        [&] { return isOnScreen(dialog) && ticksAtOpen >= 0 && ticking.ticks >= ticksAtOpen + 3; },
        [&] {
            clickOnScreen(ticking.go);
            runtime.userClick(ticking.go);
            dialog.hide();
        },
        "three ticks behind the modal window");
    dialog.show(forms::ShowMode::Modal);  // returns once the dialog is off the screen

    EXPECT_EQ(ticking.clicks, 0);
    clickOnScreen(ticking.go);
    EXPECT_EQ(ticking.clicks, 1);
}

TEST_F(Modal, UnloadingTheModalWindowEndsItsLoop) {
    qttest::once([&] { return isOnScreen(dialog); }, [&] { dialog.unload(); }, "the modal window");
    dialog.show(forms::ShowMode::Modal);
    EXPECT_FALSE(dialog.isLoaded());
    EXPECT_EQ(platform.windowOf(dialog), nullptr);
}

// Answers the message box that is about to open with `button`, noting what it showed; with
// `also`, not before that holds too.
struct Answerer {
    QMessageBox::StandardButton button;
    QString text, title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    void arm(std::function<bool()> also = [] { return true; }) {
        qttest::once([also] { return qttest::activeModal<QMessageBox>() && also(); },
                     [this] {
                         auto* box = qttest::activeModal<QMessageBox>();
                         text = box->text();
                         title = box->windowTitle();
                         icon = box->icon();
                         box->button(button)->click();
                     },
                     "the message box");
    }
};

TEST_F(Modal, YesNoMessageBoxWithExclamationReturnsSixOrSeven) {
    Answerer yes{QMessageBox::Yes};
    yes.arm();
    EXPECT_EQ(runtime.msgBox("Save the game?", forms::vbYesNoExclamation, "Gammerlin"),
              forms::vbYes);
    EXPECT_EQ(yes.text, "Save the game?");
    EXPECT_EQ(yes.title, "Gammerlin");
    EXPECT_EQ(yes.icon, QMessageBox::Warning);

    Answerer no{QMessageBox::No};
    no.arm();
    EXPECT_EQ(runtime.msgBox("Save the game?", forms::vbYesNoExclamation, "Gammerlin"),
              forms::vbNo);
}

TEST_F(Modal, OkMessageBoxReturnsOneAndTimersTickBehindIt) {
    Answerer ok{QMessageBox::Ok};
    const int ticksBefore = ticking.ticks;
    ok.arm([&] { return ticking.ticks >= ticksBefore + 3; });  // answered only once they ticked
    EXPECT_EQ(runtime.msgBox("Enter both names", forms::vbOKOnlyExclamation, "Gammerlin"),
              forms::vbOK);
    EXPECT_EQ(ok.icon, QMessageBox::Warning);
}

TEST_F(Modal, OneMillisecondTimerTicksNoFasterThanTheFloor) {
    QElapsedTimer clock;
    clock.start();
    const int before = ticking.ticks;
    ASSERT_TRUE(QTest::qWaitFor([&] { return ticking.ticks - before >= 10; }, 5000));
    const int ticks = ticking.ticks - before;
    EXPECT_LE(ticks, clock.elapsed() / 15 + 1);

    ticking.tick.setEnabled(false);
    const int stopped = ticking.ticks;
    QTest::qWait(50);
    EXPECT_EQ(ticking.ticks, stopped);
}

}  // namespace
