// The game window's skin: pictures from .\Skin\ of the working directory at every load, up to the
// first file that cannot be loaded; built-in pictures wherever the skin gives none.
#include "game/game_scenario.h"
#include "game/skin_files.h"

namespace {

namespace fs = std::filesystem;

class GameSkin : public GameScenario {
protected:
    // One letter per picture the skin step writes, in its order (background; AboutMe's and
    // Score's normal, pressed and disabled pictures; top bar; X; O; free cell; eight strike
    // lines): S from the skin, b built in.
    std::string fromSkin() {
        auto& g = game();
        std::vector<std::pair<forms::Picture, forms::Picture>> pictures{
            {g.picture(), g.designValues().picture}};
        for (forms::CommandButton* b : {&g.AboutMe, &g.Score}) {
            const forms::Design &now = (g.touch(), b->peek()), &designed = b->designValues();
            pictures.insert(pictures.end(), {{now.picture, designed.picture},
                                             {now.downPicture, designed.downPicture},
                                             {now.disabledPicture, designed.disabledPicture}});
        }
        for (forms::PictureControl* c :
             std::vector<forms::PictureControl*>{&g.Image1, &g.Xpic, &g.Opic, &g.ip1, &g.h1, &g.h2,
                                                 &g.h3, &g.h4, &g.h5, &g.h6, &g.h7, &g.h8}) {
            pictures.emplace_back(c->picture(), c->designValues().picture);
        }
        std::string letters;
        for (const auto& [now, designed] : pictures) {
            letters += now == designed ? 'b' : 'S';
            if (now != designed) {
                EXPECT_EQ(now.image().size(), designed.image().size());
            }
        }
        return letters;
    }
    fs::path skin() { return skin_files::copyDefaultSkin(folder()); }
};

const std::string AllFromSkin(19, 'S');
const std::string AllBuiltIn(19, 'b');

TEST_F(GameSkin, NoSkinFolderKeepsEveryBuiltInPictureAndTheGamePlays) {
    startProgram();
    EXPECT_EQ(fromSkin(), AllBuiltIn);
    newGame("Ann", "Bob", 'X', 'H');
    play(1);
    play(5);
    EXPECT_EQ(board(), "X..|.O.|...");
}

TEST_F(GameSkin, TheDefaultSkinReplacesEveryPictureAtItsBuiltInSize) {
    skin();
    startProgram();
    EXPECT_EQ(fromSkin(), AllFromSkin);
}

TEST_F(GameSkin, AMissingXpicStopsTheStepThere) {
    fs::remove(skin() / "Xpic.gif");
    startProgram();
    // Background, both buttons and the top bar from the skin; X, O, free cell, strikes built in.
    EXPECT_EQ(fromSkin(), std::string(8, 'S') + std::string(11, 'b'));
}

TEST_F(GameSkin, ABackBmpThatIsNoPictureTakesNothingFromTheSkin) {
    skin_files::writeText(skin() / "Back.bmp", "this is not a picture\r\n");
    startProgram();
    EXPECT_EQ(fromSkin(), AllBuiltIn);
}

TEST_F(GameSkin, AnXpicTooLargeForTheWindowStopsTheStepAsABrokenFileDoes) {
    // Twenty-five bytes whose header claims 8 x 6 pixels and which decode to 8 x 63994.
    skin_files::writeText(skin() / "Xpic.gif", skin_files::gifWithoutPixels(8, 63994, 8, 6));
    startProgram();
    EXPECT_EQ(fromSkin(), std::string(8, 'S') + std::string(11, 'b'));
}

TEST_F(GameSkin, ASkinBlankShowsOnEveryFreeCellAlsoAfterTheBoardIsCleared) {
    fs::copy_file(skin() / "Opic.gif", folder() / "Skin" / "Blank.gif",
                  fs::copy_options::overwrite_existing);
    startProgram();
    newGame("Ann", "Bob", 'X', 'H');
    auto& g = game();
    ASSERT_NE(g.ip1.picture(), g.ip1.designValues().picture);
    auto freeCellsShowTheSkinBlank = [&] {
        for (int n = 1; n <= 9; ++n) {
            if (g.cell(n).enabled()) {
                EXPECT_EQ(g.cell(n).picture(), g.ip1.picture()) << n;
            }
        }
    };
    freeCellsShowTheSkinBlank();
    for (int cell : {1, 4, 2, 5, 3}) play(cell);  // X takes the top row
    advance(1000);                                // the board is cleared for the next match
    EXPECT_EQ(board(), "...|...|...");
    freeCellsShowTheSkinBlank();
}

TEST_F(GameSkin, EachLoadLooksInTheWorkingDirectoryOfThatMomentNotTheProgramFolder) {
    platform.programDir = folder() / "program";
    skin_files::copyDefaultSkin(platform.programDir);
    startProgram();
    EXPECT_EQ(fromSkin(), AllBuiltIn);

    const fs::path elsewhere = folder() / "elsewhere";
    skin_files::copyDefaultSkin(elsewhere);
    app->runtime.changeDirectory(elsewhere.string());
    newGame("Ann", "Bob", 'X', 'H');  // the hand-over loads the game window again
    EXPECT_EQ(fromSkin(), AllFromSkin);
}

}  // namespace
