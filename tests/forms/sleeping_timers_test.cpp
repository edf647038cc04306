// Timers whose ticks change nothing sleep until the state changes: the platform is not woken for
// them, and they come back at the very tick, and in the very order, they would have had.
#include "forms/form.h"
#include "forms/runtime.h"
#include "forms/variable.h"
#include "support/user.h"
#include "support/virtual_platform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

// A window that polls as the game window does: a 1-ms copier, a slow watcher, and a spare timer
// whose handler each test chooses. Handlers note in `log` only the ticks that did something;
// the log is the test's, not the program's, so writing it is no change of state.
class Watcher : public forms::Form {
public:
    Watcher(forms::Runtime& rt, virt::VirtualPlatform& clock, std::vector<std::string>& log)
        : forms::Form(rt, "Watcher"), clock(clock), log(log) {
        // clang-format off
        design(forms::FormDesign{.caption = "Watcher", .clientWidth = 3000, .clientHeight = 2000});
        Shown.design({});
        Copy.design({});
        Button.design({.caption = "Go"});
        Sync.design({.enabled = true, .interval = 1});
        Slow.design({.enabled = true, .interval = 100});
        Spare.design({.enabled = false, .interval = 100});
        // clang-format on
        on(Sync.Tick, &Watcher::Sync_Timer);
        on(Slow.Tick, &Watcher::Slow_Timer);
        on(Spare.Tick, &Watcher::Spare_Timer);
        on(Button.Click, &Watcher::Button_Click);
    }

    forms::Label Shown{*this, "Shown"};
    forms::Label Copy{*this, "Copy"};
    forms::CommandButton Button{*this, "Button"};
    forms::Timer Sync{*this, "Sync"};
    forms::Timer Slow{*this, "Slow"};
    forms::Timer Spare{*this, "Spare"};
    forms::Variable<int> Level{*this};

    int syncRuns = 0, slowRuns = 0, spareRuns = 0;
    std::function<void()> onSpare;
    virt::VirtualPlatform& clock;
    std::vector<std::string>& log;

private:
    // Appended rather than "@" + ...: GCC 12 at -O3 warns falsely of overlapping copies there.
    std::string at() const { return std::string("@").append(std::to_string(clock.nowMs())); }
    void Sync_Timer() {
        ++syncRuns;
        if (Copy.caption() == Shown.caption()) return;
        Copy.setCaption(Shown.caption());
        log.push_back("copied " + Shown.caption() + at());
    }
    void Slow_Timer() {
        ++slowRuns;
        if (Level == 3) log.push_back("level 3 seen" + at());
    }
    void Spare_Timer() {
        ++spareRuns;
        if (onSpare) onSpare();
    }
    void Button_Click() {}
};

class SleepingTimers : public ::testing::Test {
protected:
    SleepingTimers() { platform.attach(runtime); }
    virt::VirtualPlatform platform;
    forms::Runtime runtime{platform};
    std::vector<std::string> log;
    Watcher w{runtime, platform, log};
    virt::User user{runtime};
};

TEST_F(SleepingTimers, TicksThatChangeNothingPutTheirTimersToSleep) {
    w.load();
    platform.advance(5000);
    // One look each, then nothing more to do: no further tick, no further wake-up.
    EXPECT_EQ(w.syncRuns, 1);
    EXPECT_EQ(w.slowRuns, 1);
    EXPECT_EQ(platform.wakeUps, 2);
    EXPECT_EQ(runtime.nextWake(), -1);
}

TEST_F(SleepingTimers, AChangedPropertyWakesTheSleepersAtTheirNextTick) {
    w.load();
    platform.advance(1000);
    w.Shown.setCaption("a");
    EXPECT_EQ(runtime.nextWake(), 1001);
    platform.advance(1);
    EXPECT_EQ(log, (std::vector<std::string>{"copied a@1001"}));
    // The copy was a change too; the tick after it finds nothing to do, and the timer sleeps.
    const int runs = w.syncRuns;
    platform.advance(2000);
    EXPECT_EQ(w.syncRuns, runs + 1);
}

TEST_F(SleepingTimers, TheSlowWatcherKeepsItsOwnBeatThroughItsSleep) {
    w.load();
    platform.advance(1050);
    w.Level = 3;  // a variable written from outside any handler
    platform.advance(100);
    // Its ticks fell at 100, 200, ... all along: the first after the change is at 1100.
    EXPECT_EQ(log, (std::vector<std::string>{"level 3 seen@1100"}));
}

TEST_F(SleepingTimers, WritingTheValueAVariableAlreadyHoldsWakesNobody) {
    w.load();
    w.Level = 2;
    platform.advance(500);
    const int runs = w.syncRuns + w.slowRuns;
    w.Level = 2;
    w.Shown.setCaption("");
    platform.advance(500);
    EXPECT_EQ(w.syncRuns + w.slowRuns, runs);
}

TEST_F(SleepingTimers, UserInputWakesTheSleepers) {
    w.show();
    platform.advance(500);
    const int runs = w.syncRuns;
    user.click(w.Button);
    platform.advance(1);
    EXPECT_EQ(w.syncRuns, runs + 1);
}

TEST_F(SleepingTimers, ATickThatChangesSomethingWakesTheSleepersDueLaterInTheSameMoment) {
    w.load();
    platform.advance(150);
    // Armed at 150, the spare timer ticks at 250 ahead of the 1-ms copier, whose tick for 250
    // was scheduled at 249; so the copier takes the new caption at 250, as it would awake.
    w.onSpare = [&] { w.Shown.setCaption("from spare"); };
    w.Spare.setEnabled(true);
    platform.advance(100);
    EXPECT_EQ(log, (std::vector<std::string>{"copied from spare@250"}));
}

TEST_F(SleepingTimers, HandlersThatDrawReadTheClockTouchFilesOrFailNeverSleep) {
    const auto path = std::filesystem::temp_directory_path() / "tesselby-sleeping-timers.txt";
    std::ofstream(path) << "1\r\n";
    const std::vector<std::pair<std::string, std::function<void()>>> handlers{
        {"draws a random number", [&] { runtime.random().next(); }},
        {"reads the clock", [&] { runtime.now(); }},
        {"opens a file",
         [&] {
             runtime.openFile(path.string(), forms::FileMode::Input);
             runtime.file().close();
         }},
        {"looks a file up", [&] { runtime.resolve(".\\missing.txt"); }},
        {"fails",
         [] { throw forms::RuntimeError(forms::ErrorCode::TypeMismatch, "Type mismatch"); }},
    };
    w.load();
    for (const auto& [what, handler] : handlers) {
        w.onSpare = handler;
        w.spareRuns = 0;
        w.Spare.setEnabled(true);
        testing::internal::CaptureStderr();
        platform.advance(1000);
        testing::internal::GetCapturedStderr();
        w.Spare.setEnabled(false);
        EXPECT_EQ(w.spareRuns, 10) << "a handler that " << what;
    }
    std::filesystem::remove(path);
}

TEST_F(SleepingTimers, AQuietTickOfAnotherTimerLeavesTheSleepersAsleep) {
    w.load();
    w.onSpare = [&] { (void)w.Shown.caption(); };
    w.Spare.setEnabled(true);
    platform.advance(1000);
    EXPECT_EQ(w.syncRuns, 1);
    EXPECT_EQ(w.spareRuns, 1);  // and the spare one sleeps after its first look as well
}

TEST_F(SleepingTimers, UnloadingTheFormStopsItsSleepers) {
    w.load();
    platform.advance(100);
    w.unload();
    platform.advance(1000);
    EXPECT_EQ(runtime.nextWake(), -1);
    EXPECT_TRUE(runtime.timers().empty());
}

// ---- The same program with and without sleeping ------------------------------------------

// Every tick of the form's timers reports a read the runtime cannot watch, so none ever sleeps.
void keepAwake(forms::Runtime& runtime, forms::Form& form) {
    for (forms::Control* control : form.controls()) {
        if (control->kind() != forms::ControlKind::Timer) continue;
        auto& timer = static_cast<forms::Timer&>(*control);
        timer.Tick = [inner = timer.Tick, &runtime] {
            inner();
            runtime.noteUntracked();
        };
    }
}

std::string stamp(const std::string& what, virt::VirtualPlatform& clock) {
    return std::string(what).append("@").append(std::to_string(clock.nowMs()));
}

template <class Window>
struct World {
    explicit World(bool awake) {
        platform.attach(runtime);
        if (awake) keepAwake(runtime, window);
    }
    virt::VirtualPlatform platform;
    forms::Runtime runtime{platform};
    std::vector<std::string> log;
    Window window{runtime, platform, log};
};

// Two timers of one interval, armed at the same moment: the follower first, so at every moment
// they share it ticks first. The leader reads the clock at every tick, so it never sleeps, and
// writes from 500 ms on; the follower, asleep meanwhile, sees the word at its next tick.
class Pair : public forms::Form {
public:
    Pair(forms::Runtime& rt, virt::VirtualPlatform& clock, std::vector<std::string>& log)
        : forms::Form(rt, "Pair"), clock(clock), log(log) {
        design(forms::FormDesign{.caption = "Pair"});
        Said.design({});
        Heard.design({});
        Follower.design({.enabled = true, .interval = 100});
        Leader.design({.enabled = true, .interval = 100});
        on(Follower.Tick, &Pair::Follower_Timer);
        on(Leader.Tick, &Pair::Leader_Timer);
    }
    forms::Label Said{*this, "Said"};
    forms::Label Heard{*this, "Heard"};
    forms::Timer Follower{*this, "Follower"};
    forms::Timer Leader{*this, "Leader"};
    int followerRuns = 0;
    virt::VirtualPlatform& clock;
    std::vector<std::string>& log;

private:
    void Leader_Timer() {
        if (runtime().now() >= 500) Said.setCaption("go");
    }
    void Follower_Timer() {
        ++followerRuns;
        if (Heard.caption() == Said.caption()) return;
        Heard.setCaption(Said.caption());
        log.push_back(stamp("copied " + Said.caption(), clock));
    }
};

TEST(SleepingTimersOrder, ASleeperPassedOverStaysAheadOfTheTimerDueWithItThatWasArmedAfterIt) {
    for (bool awake : {false, true}) {
        World<Pair> world(awake);
        world.window.load();
        world.platform.advance(1000);
        EXPECT_EQ(world.log, (std::vector<std::string>{"copied go@600"}))
            << (awake ? "awake" : "asleep");
        // Asleep, the follower looked at 100, 600 and 700 ms only.
        EXPECT_EQ(world.window.followerRuns, awake ? 10 : 3);
    }
}

// A relay of timers with different beats, each passing a token on when it holds it; who takes
// it first when several fall due together depends only on the queue's order. T6 and T7 are a
// pair as above: one beat, T7 armed first, T6 handing the token on to T7. T3 and T6 hold the
// token until an even millisecond, reading the clock, so they stay awake while they wait.
class Relay : public forms::Form {
public:
    static constexpr int count = 8;

    Relay(forms::Runtime& rt, virt::VirtualPlatform& clock, std::vector<std::string>& log)
        : forms::Form(rt, "Relay"), clock(clock), log(log) {
        design(forms::FormDesign{.caption = "Relay"});
        Token.design({.caption = "0"});
        const int intervals[count] = {1, 1, 3, 7, 50, 100, 1, 1};
        timers.resize(count);
        for (int i : {0, 1, 2, 3, 4, 5, 7, 6}) {
            const std::string name = std::string("T").append(std::to_string(i));
            timers[i] = std::make_unique<forms::Timer>(*this, name);
            timers[i]->design({.enabled = i % 2 == 0 || i == 7, .interval = intervals[i]});
            timers[i]->Tick = [this, i] { pass(i); };
        }
    }
    forms::Label Token{*this, "Token"};
    std::vector<std::unique_ptr<forms::Timer>> timers;
    virt::VirtualPlatform& clock;
    std::vector<std::string>& log;

private:
    void pass(int i) {
        // Timer i takes the token i and hands on i + 1; the last one ends the relay.
        if (Token.caption() != std::to_string(i)) return;
        if ((i == 3 || i == 6) && runtime().now() % 2 != 0) return;
        log.push_back(stamp(std::string("T").append(std::to_string(i)), clock));
        Token.setCaption(i < count - 1 ? std::to_string(i + 1) : "done");
    }
};

class SleepingTimersEquivalence : public ::testing::TestWithParam<unsigned> {};

TEST_P(SleepingTimersEquivalence, TheSameScriptGivesTheSameTicksInTheSameOrderAsWithoutSleeping) {
    World<Relay> sleeping(false), awake(true);
    std::mt19937 script(GetParam());
    for (auto* world : {&sleeping, &awake}) world->window.load();
    for (int step = 0; step < 400; ++step) {
        const long long wait = std::uniform_int_distribution<int>(0, 40)(script);
        const int action = std::uniform_int_distribution<int>(0, 9)(script);
        const int which = std::uniform_int_distribution<int>(0, Relay::count - 1)(script);
        for (auto* world : {&sleeping, &awake}) {
            world->platform.advance(wait);
            Relay& r = world->window;
            if (action < 5) {
                r.Token.setCaption(std::to_string(which));
            } else if (action < 8) {
                r.timers[which]->setEnabled(!r.timers[which]->enabled());
            } else if (action < 9) {
                r.timers[which]->setInterval(1 + which * action % 13);
            } else {
                // The pair afresh: one beat, armed at one moment, the follower first.
                for (int i : {7, 6}) {
                    r.timers[i]->setEnabled(false);
                    r.timers[i]->setInterval(1 + which % 4);
                    r.timers[i]->setEnabled(true);
                }
            }
        }
    }
    for (auto* world : {&sleeping, &awake}) world->platform.advance(1000);
    EXPECT_GT(sleeping.log.size(), 100u);
    EXPECT_EQ(sleeping.log, awake.log);
    EXPECT_LT(sleeping.platform.wakeUps, awake.platform.wakeUps / 2);
    std::printf("%zu %d %d\n", sleeping.log.size(), sleeping.platform.wakeUps,
                awake.platform.wakeUps);
}

INSTANTIATE_TEST_SUITE_P(Scripts, SleepingTimersEquivalence,
                         ::testing::Values(1u, 2u, 3u, 20261207u));

}  // namespace
