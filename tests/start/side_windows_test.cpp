// The side windows and the start window's Help menu: the skin information window, the about and
// help windows switching into each other, and the mail link.
#include "game/skin_files.h"
#include "start/start_window.h"

namespace {

class SideWindows : public StartWindow {
protected:
    void description(const std::string& bytes) {
        skin_files::writeText(folder() / "Skin" / "Pededit.txt", bytes);
    }
    // Opens the skin window from the start window, runs `look` while it is open, then Ok.
    void openSkinInfo(const std::function<void()>& look = [] {}) {
        platform.whenModal("Skin", [&] {
            look();
            user.click(skin.Ok);
        });
        user.choose(s.SkinInfo);
    }
    int sideWindowsShown() { return platform.isShown(about) + platform.isShown(help); }
    const std::vector<std::string> clickOnly{".\\Button.wav"};
    start::Skin& skin = app->Skin;
    start::Aboutit& about = app->Aboutit;
    start::Helper& help = app->Helper;
};

const std::string CreditLine = "No description came with this skin. Tesselby V.1.0";

// ---- Skin information --------------------------------------------------------------------

TEST_F(SideWindows, SkinInfoIsModalSilentAndBlocksTheStartWindowUntilClosed) {
    openSkinInfo([&] {
        EXPECT_TRUE(platform.isShown(skin));
        user.click(s.Option4);
        EXPECT_FALSE(s.Option4.value()) << "the start window takes no input";
    });
    EXPECT_EQ(platform.modalShows, std::vector<std::string>{"Skin"});
    EXPECT_TRUE(platform.sounds.empty());
    EXPECT_FALSE(skin.isLoaded());
}

TEST_F(SideWindows, TheCaptionNamesTheSkinUpToTheCommaOnceAndTheBoxShowsTheWholeFile) {
    description("Caf\xE9 Night, second edition\r\nDark and quiet.\r\n");
    openSkinInfo();
    openSkinInfo([&] {
        EXPECT_EQ(skin.caption(), "About  (Caf\u00E9 Night) - Tesselby");
        EXPECT_EQ(skin.About.text(), "Caf\u00E9 Night, second edition\r\nDark and quiet.\r\n");
    });
    EXPECT_FALSE(app->runtime.file().isOpen());
}

TEST_F(SideWindows, AMissingOrEmptyDescriptionKeepsTheLastNameInTheCaption) {
    openSkinInfo([&] {
        EXPECT_EQ(skin.About.text(), CreditLine);
        EXPECT_EQ(skin.caption(), "About  () - Tesselby");
    });
    description("Steel\r\n");
    openSkinInfo();
    description("");
    openSkinInfo([&] {
        EXPECT_EQ(skin.About.text(), "");
        EXPECT_EQ(skin.caption(), "About  (Steel) - Tesselby");
    });
    std::filesystem::remove(folder() / "Skin" / "Pededit.txt");
    openSkinInfo([&] {
        EXPECT_EQ(skin.About.text(), CreditLine);
        EXPECT_EQ(skin.caption(), "About  (Steel) - Tesselby");
    });
}

TEST_F(SideWindows, TheBoxFollowsTheWindowsSizeAndStaysPutWhenTheWindowIsTooSmall) {
    auto box = [&] {
        const forms::Design& d = skin.About.peek();
        return std::vector<int>{d.left, d.top, d.width, d.height};
    };
    // The same margin on the right and below as on the left: the client area less the box.
    auto margins = [&] {
        return std::vector<int>{skin.clientWidth() - box()[0] - box()[2],
                                skin.clientHeight() - box()[1] - box()[3]};
    };
    const std::vector<int> sameAsOnTheLeft{45, 45};
    skin.show();
    EXPECT_EQ(box(), (std::vector<int>{45, 500, 4545, 2965}));
    EXPECT_EQ(margins(), sameAsOnTheLeft);
    // The user drags the frame: 150 twips of it at the sides, 405 above and below the client.
    skin.resizedByUser(7000, 6000);
    EXPECT_EQ(box(), (std::vector<int>{45, 500, 6760, 5050}));
    EXPECT_EQ(margins(), sameAsOnTheLeft);
    skin.setWidth(150);
    skin.setHeight(800);
    skin.setWidth(4000);
    EXPECT_EQ(box(), (std::vector<int>{45, 500, 6760, 5050}));
    skin.setHeight(1000);
    EXPECT_EQ(box(), (std::vector<int>{45, 500, 3760, 50}));
    EXPECT_EQ(margins(), sameAsOnTheLeft);
}

// ---- About, help and EMail from the start window ---------------------------------------------

TEST_F(SideWindows, AboutIsModalAndItsHelpButtonSwitchesToAModalHelpWindow) {
    platform.whenModal("Aboutit", [&] { user.click(about.Helpers); });
    platform.whenModal("Helper", [&] {
        EXPECT_FALSE(about.isLoaded()) << "the about window goes before the help window comes";
        EXPECT_TRUE(platform.isTopmost(help));
        user.click(s.Option4);
        EXPECT_FALSE(s.Option4.value()) << "the start window is still blocked";
        user.click(help.Close);
    });
    user.choose(s.About);
    EXPECT_EQ(platform.modalShows, (std::vector<std::string>{"Aboutit", "Helper"}));
    EXPECT_EQ(soundCount(".\\Button.wav"), 3);
    EXPECT_EQ(sideWindowsShown(), 0);
}

TEST_F(SideWindows, AboutHelpAndEMailPlayTheClickSoundFirst) {
    auto heardTheClickThenClose = [&](forms::CommandButton& close) {
        return [&] {
            EXPECT_EQ(platform.sounds, clickOnly) << close.form().name();
            user.click(close);
            platform.sounds.clear();
        };
    };
    platform.whenModal("Aboutit", heardTheClickThenClose(about.Ok));
    platform.whenModal("Helper", heardTheClickThenClose(help.Close));
    EXPECT_TRUE(user.pressShortcut(s, "F2"));
    EXPECT_TRUE(user.pressShortcut(s, "F1"));
    EXPECT_TRUE(user.pressShortcut(s, "F3"));
    EXPECT_EQ(platform.sounds, clickOnly);
    ASSERT_EQ(platform.launches.size(), 1u);
    EXPECT_EQ(platform.launches[0].commandLine, "start mailto:tesselby@example.org");
    EXPECT_EQ(platform.launches[0].windowStyle, 2);
}

// ---- Beside a watched game ------------------------------------------------------------------

TEST_F(SideWindows, InAWatchedGameSwitchingIsModelessNeverAddsAWindowAndTheGamePlaysOn) {
    names("Ann", "Bob");
    user.click(s.Option1);
    user.click(s.Option3);
    user.click(s.UseComp);
    ASSERT_EQ(g.CvsC.value(), 1);
    EXPECT_TRUE(user.pressShortcut(g, "F2"));
    for (int round = 0; round < 3; ++round) {
        user.click(help.About);
        EXPECT_TRUE(platform.isShown(about) && !help.isLoaded());
        user.click(about.Helpers);
        EXPECT_TRUE(platform.isShown(help) && !about.isLoaded());
        EXPECT_EQ(sideWindowsShown(), 1);
    }
    EXPECT_TRUE(platform.modalShows.empty());
    const std::string before = board();
    advance(5000);
    EXPECT_NE(board(), before) << "the game keeps playing behind the help window";
}

}  // namespace
