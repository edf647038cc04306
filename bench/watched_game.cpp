// How fast a watched game runs on the virtual platform: virtual seconds of play simulated per
// second of processor time. Every millisecond of a game runs the turn and display timers, so
// this is the cost of the game window's timers end to end.
#include "app.h"
#include "support/user.h"
#include "support/virtual_platform.h"

#include <cstdio>
#include <ctime>
#include <string>

namespace {

constexpr long long VirtualSeconds = 4 * 3600;
constexpr long long StepMs = 60'000;

int scoreOf(const std::string& text) { return text.empty() ? 0 : std::stoi(text); }

}  // namespace

int main() {
    virt::VirtualPlatform platform;
    App app(platform);
    platform.attach(app.runtime);
    virt::User user(app.runtime);

    // A watched game set up the way a person does it: Game > New, the names, X first, Watch.
    app.start();
    user.choose(app.gamer.Newg);
    user.type(app.Start.Pl1, "Ann");
    user.type(app.Start.Pl2, "Bob");
    user.click(app.Start.Option1);
    user.click(app.Start.Option3);
    user.click(app.Start.UseComp);
    if (!platform.isShown(app.gamer) || app.gamer.CvsC.value() != 1) {
        std::fprintf(stderr, "the watched game did not start\n");
        return 1;
    }

    long long results = 0;
    const std::clock_t started = std::clock();
    for (long long done = 0; done < VirtualSeconds * 1000; done += StepMs) {
        platform.advance(StepMs);
        for (const std::string& sound : platform.sounds) results += sound == ".\\Clear.wav";
        platform.sounds.clear();
    }
    const double cpuSeconds = static_cast<double>(std::clock() - started) / CLOCKS_PER_SEC;

    const int wins1 = scoreOf(app.gamer.Cr1.caption());
    const int wins2 = scoreOf(app.gamer.Cr2.caption());
    std::printf("watched game: %lld virtual s in %.2f processor s\n", VirtualSeconds, cpuSeconds);
    std::printf("  %.0f virtual seconds per processor second\n",
                cpuSeconds > 0 ? static_cast<double>(VirtualSeconds) / cpuSeconds : 0.0);
    std::printf("  %lld matches: Ann %d, Bob %d, %lld drawn\n", results, wins1, wins2,
                results - wins1 - wins2);
    return 0;
}
