// The whole program with its idle timers asleep does what it does with every timer awake: the
// same windows, controls, variables, sounds and message boxes at every virtual millisecond of
// a game against the computer, the scores window shown modal, a watched game and a human game.
#include "app.h"
#include "support/user.h"
#include "support/virtual_platform.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <random>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Program {
    Program(const fs::path& folder, bool keepAwake) : folder(folder) {
        platform.programDir = folder;
        platform.attach(app.runtime);
        if (!keepAwake) return;
        // Every tick reports a read the runtime cannot watch, so no timer ever sleeps.
        for (forms::Form* form : app.runtime.forms()) {
            for (forms::Control* control : form->controls()) {
                if (control->kind() != forms::ControlKind::Timer) continue;
                auto& timer = static_cast<forms::Timer&>(*control);
                timer.Tick = [inner = timer.Tick, this] {
                    inner();
                    app.runtime.noteUntracked();
                };
            }
        }
    }

    // Everything a person or a file could tell apart, read without touching anything.
    std::string snapshot() {
        std::ostringstream out;
        for (forms::Form* form : app.runtime.forms()) {
            out << form->name() << ' ' << form->isLoaded() << form->isShown() << ' '
                << form->peekWidth() << 'x' << form->peekHeight() << ' ' << form->peek().caption
                << ' ' << form->peek().picture.image().cacheKey() << ' '
                << (form->activeControl() ? form->activeControl()->name() : "-") << '\n';
            for (forms::Control* control : form->controls()) {
                const forms::Design& d = control->peek();
                out << ' ' << control->name() << '|' << d.caption << '|' << d.enabled << d.visible
                    << d.value << '|' << d.left << ',' << d.top << ',' << d.width << ',' << d.height
                    << '|' << d.foreColor << '|' << d.picture.image().cacheKey() << '|'
                    << d.interval << '|' << d.font.name << d.font.size << '\n';
            }
        }
        out << app.gamer.PlayerTurn << ' ' << app.gamer.UnloadingByCode << ' '
            << app.gamer.RandomCell << ' ' << app.gamer.CornerPick << ' '
            << app.Computer.Player1Score << ' ' << app.Computer.Player2Score << ' '
            << app.Computer.LoadingFromStart << ' ' << app.Start.EndOnClose << ' '
            << app.Skin.SkinName << '\n';
        for (const auto& sound : platform.sounds) out << sound << ';';
        for (const auto& box : platform.messageBoxes) out << box.text << ';';
        for (const auto& name : platform.modalShows) out << name << ';';
        out << platform.launches.size() << platform.programEnded;
        return out.str();
    }

    // Notes the state whenever it differs from the one noted last.
    void record() {
        std::string now = snapshot();
        if (history.empty() || history.back().second != now) {
            history.emplace_back(platform.nowMs(), std::move(now));
        }
    }

    void step(int ms) {
        for (int i = 0; i < ms; ++i) {
            platform.advance(1);
            record();
        }
    }

    fs::path folder;
    virt::VirtualPlatform platform;
    App app{platform};
    virt::User user{app.runtime};
    std::vector<std::pair<long long, std::string>> history;
};

void clickFirstFreeCell(Program& p) {
    for (int n = 1; n <= 9; ++n) {
        if (p.app.gamer.cell(n).peek().enabled) {
            p.user.click(p.app.gamer.cell(n));
            return;
        }
    }
}

// Game > New, answering No when a changed game is offered for saving; then the names and
// choices, and New or Watch.
void startGame(Program& p, char first, char opponent) {
    game::gamer& g = p.app.gamer;
    if (g.isLoaded()) {
        if (g.Opx1.peek().caption == "ACTIVE" && g.CvsC.peek().value == 0) {
            p.platform.answerMessageBox(forms::vbNo);
        }
        p.user.choose(g.Newg);
    }
    start::Start& s = p.app.Start;
    p.user.type(s.Pl1, "Ann");
    p.user.type(s.Pl2, "Cpu");
    p.user.click(first == 'X' ? s.Option1 : s.Option2);
    p.user.click(opponent == 'H' ? s.Option4 : s.Option3);
    if (opponent == 'W') {
        p.user.click(s.UseComp);
        return;
    }
    if (opponent != 'H') p.user.click(opponent == 'E' ? s.Option5 : s.Option7);
    p.user.choose(s.NewGame);
}

void playTheScript(Program& p) {
    p.app.start();
    p.record();
    p.step(2500);  // the not-ready window

    startGame(p, 'O', 'R');  // the computer opens after its two seconds
    std::mt19937 pause(7);
    for (int move = 0; move < 10; ++move) {
        p.step(2100 + static_cast<int>(pause() % 900));
        clickFirstFreeCell(p);
    }
    p.step(1500);

    // The scores window, modal: the game's timers tick on behind it until Ok.
    p.platform.whenModal("Scores", [&p] {
        p.step(700);
        p.user.click(p.app.Scores.Ok);
    });
    p.user.click(p.app.gamer.Score);
    p.step(300);

    startGame(p, 'X', 'W');  // a watched game
    p.step(7000);

    startGame(p, 'X', 'H');
    for (int move = 0; move < 7; ++move) {
        clickFirstFreeCell(p);
        p.step(150 + static_cast<int>(pause() % 400));
    }
    p.step(3000);
}

// Runs the script in a fresh `folder`, which both runs share, since the game records it.
std::vector<std::pair<long long, std::string>> run(const fs::path& folder, bool keepAwake) {
    const fs::path previous = fs::current_path();
    fs::create_directory(folder);
    fs::current_path(folder);
    std::vector<std::pair<long long, std::string>> history;
    {
        Program program(folder, keepAwake);
        playTheScript(program);
        EXPECT_TRUE(program.platform.scriptsUsedUp());
        history = std::move(program.history);
    }
    fs::current_path(previous);
    fs::remove_all(folder);
    return history;
}

TEST(SleepingGame, EveryMillisecondLooksTheSameAsWithEveryTimerAwake) {
    const fs::path folder =
        fs::temp_directory_path() / ("tesselby-sleeping-" + std::to_string(std::random_device{}()));
    const auto asleep = run(folder, false);
    const auto awake = run(folder, true);
    ASSERT_GT(awake.size(), 50u);  // the script went through its games
    for (std::size_t i = 0; i < std::min(asleep.size(), awake.size()); ++i) {
        if (asleep[i] != awake[i]) {
            ADD_FAILURE() << "first difference at state " << i << ", " << asleep[i].first
                          << " ms with sleeping timers, " << awake[i].first
                          << " ms awake:\n--- sleeping:\n"
                          << asleep[i].second << "\n--- awake:\n"
                          << awake[i].second;
            return;
        }
    }
    EXPECT_EQ(asleep.size(), awake.size());
}

}  // namespace
