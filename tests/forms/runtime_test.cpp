// The window runtime on the virtual platform: forms loading on first touch, unloading, ending the
// program, modal loops, the timer queue and pictures.
#include "forms/form.h"
#include "forms/runtime.h"
#include "support/user.h"
#include "support/virtual_platform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>

#include <string>
#include <vector>

namespace {

using forms::ShowMode;

// A small window with one control of most kinds and a log of its handlers.
class Probe : public forms::Form {
public:
    Probe(forms::Runtime& rt, std::vector<std::string>& log, const std::string& name = "Probe")
        : forms::Form(rt, name), log(log) {
        // clang-format off
        design(forms::FormDesign{.caption = "Probe", .clientWidth = 3000, .clientHeight = 2000});
        Caption.design({.left = 10, .top = 10, .width = 500, .height = 200, .caption = "design"});
        Button.design({.caption = "Go"});
        Box.design({.maxLength = 3});
        Ticker.design({.enabled = true, .interval = 100});
        Idle.design({.enabled = false, .interval = 50});
        Pick1.design({.container = &Panel});
        Pick2.design({.container = &Panel});
        Other.design({});
        // clang-format on
        on(Button.Click, &Probe::Button_Click);
        on(Box.Change, &Probe::Box_Change);
        on(Ticker.Tick, &Probe::Ticker_Timer);
        on(Idle.Tick, &Probe::Idle_Timer);
        on(Pick1.Click, &Probe::Pick1_Click);
    }

    forms::Label Caption{*this, "Caption"};
    forms::CommandButton Button{*this, "Button"};
    forms::TextBox Box{*this, "Box"};
    forms::Timer Ticker{*this, "Ticker"};
    forms::Timer Idle{*this, "Idle"};
    forms::PictureBox Panel{*this, "Panel"};
    forms::OptionButton Pick1{*this, "Pick1"};
    forms::OptionButton Pick2{*this, "Pick2"};
    forms::OptionButton Other{*this, "Other"};

    int loads = 0;
    int cancelNextUnload = 0;
    std::vector<int> unloadCauses;
    std::function<void()> onButton;
    std::function<void()> onIdle;
    std::vector<std::string>& log;

protected:
    void form_load() override {
        ++loads;
        log.push_back(name() + ".load");
    }
    void Form_QueryUnload(int& cancel, int unloadMode) override {
        unloadCauses.push_back(unloadMode);
        cancel = cancelNextUnload;
        cancelNextUnload = 0;
    }

private:
    void Button_Click() {
        log.push_back("Button_Click");
        if (onButton) onButton();
    }
    void Box_Change() { log.push_back("Box_Change:" + Box.text()); }
    void Ticker_Timer() { log.push_back("tick@" + std::to_string(runtime().now())); }
    void Idle_Timer() {
        log.push_back("idle@" + std::to_string(runtime().now()));
        if (onIdle) onIdle();
    }
    void Pick1_Click() { log.push_back("Pick1_Click"); }
};

class RuntimeTest : public ::testing::Test {
protected:
    RuntimeTest() { platform.attach(runtime); }
    virt::VirtualPlatform platform;
    forms::Runtime runtime{platform};
    std::vector<std::string> log;
    Probe probe{runtime, log};
    Probe second{runtime, log, "Second"};
    virt::User user{runtime};
};

// ---- Loading and unloading ------------------------------------------------------------------

TEST_F(RuntimeTest, TouchingAControlOfAnUnloadedFormLoadsItHiddenFirst) {
    EXPECT_FALSE(probe.isLoaded());
    EXPECT_EQ(probe.Caption.caption(), "design");
    EXPECT_TRUE(probe.isLoaded());
    EXPECT_FALSE(probe.isShown());
    EXPECT_EQ(probe.loads, 1);
    probe.Caption.setCaption("changed");
    EXPECT_EQ(probe.loads, 1);
}

TEST_F(RuntimeTest, AReloadedFormStartsFromItsDesignValuesButKeepsItsVariables) {
    probe.Caption.setCaption("changed");
    probe.cancelNextUnload = 0;
    probe.unload();
    EXPECT_FALSE(probe.isLoaded());
    EXPECT_EQ(probe.Caption.caption(), "design");
    EXPECT_EQ(probe.loads, 2);  // the counter is a variable of the window: it survived
}

TEST_F(RuntimeTest, QueryUnloadCanCancelAndIsToldTheCause) {
    probe.show();
    probe.cancelNextUnload = 1;
    user.close(probe);
    EXPECT_TRUE(probe.isLoaded());
    probe.unload();
    EXPECT_FALSE(probe.isLoaded());
    EXPECT_EQ(probe.unloadCauses, (std::vector<int>{0, 1}));
}

TEST_F(RuntimeTest, AHandlerMayUnloadItsOwnFormAndRunOn) {
    probe.onButton = [&] {
        probe.unload();
        log.push_back(probe.isLoaded() ? "still loaded" : "unloaded");
    };
    probe.show();
    user.click(probe.Button);
    EXPECT_EQ(log.back(), "unloaded");
}

TEST_F(RuntimeTest, EndStopsEveryRunningHandlerAndEveryLaterEvent) {
    probe.onButton = [&] {
        runtime.end();
        log.push_back("after end");
    };
    probe.show();
    user.click(probe.Button);
    EXPECT_TRUE(platform.programEnded);
    EXPECT_EQ(log.back(), "Button_Click");
    platform.advance(1000);  // the design-enabled ticker never ticks again
    user.click(probe.Button);
    EXPECT_EQ(log.back(), "Button_Click");
    EXPECT_EQ(std::count(log.begin(), log.end(), "Button_Click"), 1);
}

TEST_F(RuntimeTest, ARunTimeErrorThatEscapesAHandlerIsReportedAndTheProgramGoesOn) {
    probe.onButton = [] {
        throw forms::RuntimeError(forms::ErrorCode::TypeMismatch, "Type mismatch");
    };
    probe.show();
    testing::internal::CaptureStderr();
    user.click(probe.Button);
    const std::string printed = testing::internal::GetCapturedStderr();
    EXPECT_NE(printed.find("13"), std::string::npos);
    EXPECT_NE(printed.find("Button_Click"), std::string::npos);
    EXPECT_FALSE(platform.programEnded);
    probe.onButton = nullptr;
    user.click(probe.Button);
    EXPECT_EQ(std::count(log.begin(), log.end(), "Button_Click"), 2);
}

// ---- Events -----------------------------------------------------------------------------

TEST_F(RuntimeTest, UserEventsReachOnlyEnabledVisibleControlsOfLoadedForms) {
    user.click(probe.Button);  // not loaded: nothing
    EXPECT_FALSE(probe.isLoaded());
    probe.show();
    probe.Button.setEnabled(false);
    user.click(probe.Button);
    probe.Button.setEnabled(true);
    probe.Button.setVisible(false);
    user.click(probe.Button);
    EXPECT_EQ(std::count(log.begin(), log.end(), "Button_Click"), 0);
    probe.Button.setVisible(true);
    user.click(probe.Button);
    EXPECT_EQ(std::count(log.begin(), log.end(), "Button_Click"), 1);
}

TEST_F(RuntimeTest, ADisabledPanelStopsClicksOnTheControlsItHolds) {
    probe.show();
    probe.Panel.setEnabled(false);
    user.click(probe.Pick1);
    EXPECT_FALSE(probe.Pick1.value());
}

TEST_F(RuntimeTest, SelectingAnOptionClearsOnlyTheOptionsOfItsContainerAndRaisesClickOnce) {
    probe.Other.setValue(true);
    probe.Pick2.setValue(true);
    probe.Pick1.setValue(true);
    EXPECT_TRUE(probe.Pick1.value());
    EXPECT_FALSE(probe.Pick2.value());
    EXPECT_TRUE(probe.Other.value());
    probe.Pick1.setValue(true);  // already selected: no second Click
    EXPECT_EQ(std::count(log.begin(), log.end(), "Pick1_Click"), 1);
}

TEST_F(RuntimeTest, WritingATextRaisesChangeOnlyWhenItDiffers) {
    probe.Box.setText("ab");
    probe.Box.setText("ab");
    probe.Box.setText("");
    EXPECT_EQ(std::count_if(log.begin(), log.end(),
                            [](const std::string& s) { return s.rfind("Box_Change", 0) == 0; }),
              2);
    EXPECT_EQ(probe.Box.selStart(), 0);
}

TEST_F(RuntimeTest, TypingStopsAtTheBoxsMaximumLength) {
    probe.show();
    user.type(probe.Box, "abcd");
    EXPECT_EQ(probe.Box.text(), "abc");
    EXPECT_EQ(probe.Box.selStart(), 3);
}

TEST_F(RuntimeTest, WritingAnUnchangedValueRedrawsNothing) {
    probe.show();
    probe.Caption.setCaption("x");
    const int before = platform.redraws;
    for (int i = 0; i < 100; ++i) probe.Caption.setCaption("x");
    EXPECT_EQ(platform.redraws, before);
}

// ---- Timers -----------------------------------------------------------------------------

TEST_F(RuntimeTest, DesignEnabledTimersTickFromTheLoadOnAlsoWhileHidden) {
    probe.load();
    platform.advance(250);
    EXPECT_EQ(std::count(log.begin(), log.end(), "tick@100"), 1);
    EXPECT_EQ(std::count(log.begin(), log.end(), "tick@200"), 1);
}

TEST_F(RuntimeTest, SwitchingOnARunningTimerLeavesItsScheduleAlone) {
    probe.load();
    platform.advance(60);
    probe.Ticker.setEnabled(true);
    platform.advance(40);
    EXPECT_EQ(log.back(), "tick@100");
}

TEST_F(RuntimeTest, ATimerSwitchedOffAndOnStartsCountingAfresh) {
    probe.load();
    platform.advance(60);
    probe.Ticker.setEnabled(false);
    probe.Ticker.setEnabled(true);
    platform.advance(99);
    EXPECT_EQ(log.back(), "Probe.load");
    platform.advance(1);
    EXPECT_EQ(log.back(), "tick@160");
}

TEST_F(RuntimeTest, TicksDueTogetherRunInTheOrderTheTimersWereScheduled) {
    probe.load();
    second.load();
    platform.advance(100);
    auto firstTick = std::find(log.begin(), log.end(), "tick@100");
    ASSERT_NE(firstTick, log.end());
    EXPECT_EQ(std::count(log.begin(), log.end(), "tick@100"), 2);
    // A timer armed later for the same moment runs after them.
    probe.Idle.setInterval(50);
    probe.Idle.setEnabled(true);
    platform.advance(100);
    const auto idle = std::find(log.begin(), log.end(), "idle@150");
    const auto laterTick = std::find(log.begin(), log.end(), "tick@200");
    ASSERT_NE(idle, log.end());
    EXPECT_LT(idle, laterTick);
}

TEST_F(RuntimeTest, ATimerSwitchedOffInItsOwnTickStopsAndUnloadingStopsItsTimers) {
    probe.load();
    probe.Idle.setEnabled(true);
    probe.onIdle = [&] { probe.Idle.setEnabled(false); };
    platform.advance(500);
    EXPECT_EQ(std::count_if(log.begin(), log.end(),
                            [](const std::string& s) { return s.rfind("idle@", 0) == 0; }),
              1);
    probe.unload();
    const auto ticks = log.size();
    platform.advance(1000);
    EXPECT_EQ(log.size(), ticks);
}

TEST_F(RuntimeTest, ALongTickSchedulesTheNextOneFromItsEndWithoutCatchUpBursts) {
    probe.load();
    probe.Idle.setEnabled(true);
    int nested = 0;
    probe.onIdle = [&] {
        if (nested++ == 0) platform.advance(500);  // a handler that holds a nested loop 500 ms
    };
    platform.advance(1000);
    // 50 (holds until 550), then one interval after its end: 600, 650, ...
    EXPECT_NE(std::find(log.begin(), log.end(), "idle@600"), log.end());
    EXPECT_EQ(std::find(log.begin(), log.end(), "idle@100"), log.end());
}

TEST_F(RuntimeTest, RealPlatformsTickNoFasterThanTheFloor) {
    runtime.setTimerFloor(15);
    probe.load();
    probe.Idle.setInterval(1);
    probe.Idle.setEnabled(true);
    platform.advance(45);
    EXPECT_EQ(log.back(), "idle@45");
    EXPECT_EQ(std::count_if(log.begin(), log.end(),
                            [](const std::string& s) { return s.rfind("idle@", 0) == 0; }),
              3);
}

// ---- Modal windows ------------------------------------------------------------------------

TEST_F(RuntimeTest, AModalShowReturnsOnceTheWindowIsUnloadedWhileTimersTickInside) {
    probe.show();
    platform.whenModal("Second", [&] {
        platform.advance(300);
        user.click(probe.Button);  // blocked by the modal window
        second.unload();
    });
    second.show(ShowMode::Modal);
    log.push_back("returned");
    EXPECT_EQ(std::count(log.begin(), log.end(), "tick@300"), 2);  // both windows' tickers
    EXPECT_EQ(std::count(log.begin(), log.end(), "Button_Click"), 0);
    EXPECT_EQ(log.back(), "returned");
    user.click(probe.Button);
    EXPECT_EQ(log.back(), "Button_Click");
}

TEST_F(RuntimeTest, AskingForModalAWindowAlreadyShownBringsItForwardAndReturns) {
    second.show();
    second.show(ShowMode::Modal);
    EXPECT_TRUE(platform.modalShows.empty());
    EXPECT_TRUE(second.isShown());
}

TEST_F(RuntimeTest, MessageBoxesReturnTheScriptedAnswerAndBlockTheWindows) {
    platform.answerMessageBox(forms::vbYes, "Save");
    EXPECT_EQ(runtime.msgBox("Save Game?", forms::vbYesNoExclamation, "Title"), forms::vbYes);
    ASSERT_EQ(platform.messageBoxes.size(), 1u);
    EXPECT_EQ(platform.messageBoxes[0].style, 52);
    EXPECT_EQ(platform.messageBoxes[0].title, "Title");
}

TEST_F(RuntimeTest, EndInsideAModalWindowUnwindsTheHandlerThatShowedIt) {
    probe.show();
    probe.onButton = [&] {
        second.show(ShowMode::Modal);
        log.push_back("after modal");
    };
    platform.whenModal("Second", [&] { runtime.end(); });
    user.click(probe.Button);
    EXPECT_TRUE(platform.programEnded);
    EXPECT_EQ(std::find(log.begin(), log.end(), "after modal"), log.end());
}

// ---- Dialog and pictures ------------------------------------------------------------------

TEST_F(RuntimeTest, TheFileDialogLeavesAnEmptyNameAfterACancelEvenAfterAnEarlierChoice) {
    forms::CommonDialog dialog{probe, "Dialogs"};
    dialog.design({.filter = "Games *.TBY|*.TBY|"});
    platform.answerFileDialog(std::string("/tmp/a.TBY"));
    platform.answerFileDialog(std::nullopt);
    dialog.ShowSave();
    EXPECT_EQ(dialog.fileName(), "/tmp/a.TBY");
    dialog.ShowOpen();
    EXPECT_EQ(dialog.fileName(), "");
    EXPECT_TRUE(platform.fileDialogs[0].save);
    EXPECT_EQ(platform.fileDialogs[0].filter, "Games *.TBY|*.TBY|");
}

TEST_F(RuntimeTest, PicturesAreSharedByAssignmentAndCompareByHandleNotContent) {
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::red);
    const auto a = forms::Picture::fromImage(image);
    const auto b = forms::Picture::fromImage(image);
    EXPECT_FALSE(a == b);
    probe.Panel.setPicture(a);
    EXPECT_TRUE(probe.Panel.picture() == a);
    EXPECT_NE(a.handle(), 0u);
    EXPECT_TRUE(forms::Picture().isNone());
}

TEST_F(RuntimeTest, AProgramDrawnPictureIsDrawnOnceAndOnlyWhenItsPixelsAreNeeded) {
    int draws = 0;
    const auto drawn = forms::Picture::drawnBy([&draws] {
        ++draws;
        QImage image(4, 3, QImage::Format_RGB32);
        image.fill(Qt::red);
        return image;
    });
    probe.Panel.setPicture(drawn);
    EXPECT_TRUE(probe.Panel.picture() == drawn);
    EXPECT_FALSE(drawn == forms::Picture::drawnBy([] { return QImage(); }));
    EXPECT_EQ(draws, 0);  // handed out and compared, never drawn
    EXPECT_EQ(probe.Panel.picture().image().width(), 4);
    EXPECT_EQ(drawn.image().height(), 3);
    EXPECT_EQ(draws, 1);
}

TEST_F(RuntimeTest, PictureFilesAreReadByWhatTheyHoldNotByTheirNames) {
    const auto folder = std::filesystem::temp_directory_path() / "tesselby-picture-kinds";
    std::filesystem::create_directories(folder);
    QImage image(5, 2, QImage::Format_RGB32);
    image.fill(Qt::blue);
    ASSERT_TRUE(image.save(QString::fromStdString((folder / "Bar1.gif").string()), "BMP"));
    ASSERT_TRUE(image.save(QString::fromStdString((folder / "Back.bmp").string()), "PNG"));
    EXPECT_EQ(forms::Picture::load(folder / "Bar1.gif").image().width(), 5);
    // No format but BMP and GIF is a picture, whatever its name.
    EXPECT_THROW(forms::Picture::load(folder / "Back.bmp"), forms::RuntimeError);
    std::filesystem::remove_all(folder);
}

TEST_F(RuntimeTest, AMissingOrBrokenPictureFileIsARunTimeError) {
    const auto folder = std::filesystem::temp_directory_path() / "tesselby-picture-test";
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "Back.bmp") << "not a picture";
    auto codeOf = [](const std::filesystem::path& p) {
        try {
            forms::Picture::load(p);
        } catch (const forms::RuntimeError& e) {
            return e.code();
        }
        return forms::ErrorCode::Overflow;
    };
    EXPECT_EQ(codeOf(folder / "Missing.gif"), forms::ErrorCode::FileNotFound);
    EXPECT_EQ(codeOf(folder / "Back.bmp"), forms::ErrorCode::InvalidPicture);
    std::filesystem::remove_all(folder);
}

TEST_F(RuntimeTest, AnOuterSizeIsTheClientAreaPlusTheClassicFrame) {
    const auto f = probe.frame();
    EXPECT_EQ(probe.width(), 3000 + f.left + f.right);
    probe.setWidth(2000);
    EXPECT_EQ(probe.clientWidth(), 2000 - f.left - f.right);
}

}  // namespace
