// The scores window: loaded hidden by a label write, above other windows, closed by Ok.
#include "game_scenario.h"

namespace {

class ScoresWindow : public GameScenario {
protected:
    start::Scores& scores() { return app->Scores; }
};

TEST_F(ScoresWindow, LabelWriteLoadsItHiddenAndTopmost) {
    scores().Score1.setCaption("3");
    EXPECT_TRUE(scores().isLoaded());
    EXPECT_FALSE(platform.isShown(scores()));
    EXPECT_TRUE(platform.isTopmost(scores()));
}

TEST_F(ScoresWindow, OkPlaysClickSoundAndUnloadsTheWindow) {
    scores().Name1.setCaption("Ann");
    scores().show();
    user.click(scores().Ok);
    EXPECT_FALSE(scores().isLoaded());
    EXPECT_FALSE(platform.isShown(scores()));
    EXPECT_EQ(soundCount(".\\Button.wav"), 1);
}

TEST_F(ScoresWindow, WriteAfterOkLoadsItAgainWithEmptyNames) {
    scores().Name1.setCaption("Ann");
    scores().Name2.setCaption("Bob");
    scores().show();
    user.click(scores().Ok);
    scores().Score2.setCaption("4");
    EXPECT_TRUE(scores().isLoaded());
    EXPECT_FALSE(platform.isShown(scores()));
    EXPECT_EQ(scores().Name1.caption(), "");
    EXPECT_EQ(scores().Name2.caption(), "");
    EXPECT_EQ(scores().Score2.caption(), "4");
}

}  // namespace
