// The start window's skin: pictures from the Skin folder beside the program and the text style of
// its VisColor.txt, every picture, field and property a step that may fail on its own.
#include "game/skin_files.h"
#include "scenario/scenario.h"

namespace {

namespace fs = std::filesystem;
using Controls = std::vector<forms::Control*>;

constexpr forms::Color Green = 65280;

class StartSkin : public Scenario {
protected:
    fs::path skinFolder() { return platform.programDir / "Skin"; }
    // VisColor.txt: the default skin's fields with some (numbered from 1) replaced.
    void textStyle(std::initializer_list<std::pair<int, std::string>> changes) {
        std::vector<std::string> fields = skin_files::defaultTextStyle();
        for (const auto& [number, value] : changes) fields.at(number - 1) = value;
        textStyle(fields);
    }
    void textStyle(const std::vector<std::string>& fields) {
        skin_files::writeText(skinFolder() / "VisColor.txt", skin_files::linesOf(fields));
    }
    // The fourteen styled controls, in the file's order.
    Controls styled() {
        return {&s.Label1, &s.Label2, &s.Pl1,    &s.Pl2,     &s.Label4,  &s.Label5,  &s.Label6,
                &s.Label7, &s.Label8, &s.Label9, &s.Label10, &s.Label11, &s.UseComp, &s.Label3};
    }
    const forms::Design& live(forms::Control& c) { return (s.touch(), c.peek()); }
    bool styleAsDesigned(forms::Control& c) {
        return live(c).foreColor == c.designValues().foreColor &&
               live(c).font == c.designValues().font;
    }
    bool pictureAsDesigned(forms::Control& c) {
        return live(c).picture == c.designValues().picture;
    }

    start::Start& s = app->Start;
};

TEST_F(StartSkin, NoSkinFolderKeepsTheDesignPicturesColoursAndFonts) {
    startProgram();
    for (forms::Control* c : styled()) EXPECT_TRUE(styleAsDesigned(*c)) << c->name();
    for (forms::Control* c : Controls{&s.Image1, &s.Option1, &s.Option7, &s.Frame1, &s.Frame4}) {
        EXPECT_TRUE(pictureAsDesigned(*c)) << c->name();
    }
    EXPECT_EQ(s.picture(), s.designValues().picture);
    EXPECT_FALSE(app->runtime.file().isOpen());
}

TEST_F(StartSkin, TheDefaultSkinKeepsTheDesignColoursAtTheDefaultFontSize) {
    skin_files::copyDefaultSkin(platform.programDir);
    startProgram();
    for (forms::Control* c : styled()) {
        if (c->kind() == forms::ControlKind::Label) {
            EXPECT_EQ(live(*c).foreColor, c->designValues().foreColor) << c->name();
        }
        EXPECT_EQ(live(*c).font.size, 8) << c->name();
    }
    EXPECT_FALSE(pictureAsDesigned(s.Image1));
    EXPECT_FALSE(pictureAsDesigned(s.Frame3));
}

TEST_F(StartSkin, SizesOfTwelveGiveTwelvePointTextOnAllFourteenControls) {
    std::vector<std::string> fields = skin_files::defaultTextStyle();
    std::fill(fields.begin() + 27, fields.end(), "12");
    textStyle(fields);
    startProgram();
    for (forms::Control* c : styled()) EXPECT_EQ(live(*c).font.size, 12) << c->name();
}

TEST_F(StartSkin, AFirstFieldOf65280TurnsTheXLabelGreenAndNothingElse) {
    textStyle({{1, "65280"}});
    startProgram();
    EXPECT_EQ(s.Label1.foreColor(), Green);
    for (forms::Control* c : Controls{&s.Label2, &s.Label4, &s.Label8, &s.Label11, &s.Label3}) {
        EXPECT_EQ(live(*c).foreColor, c->designValues().foreColor) << c->name();
    }
}

TEST_F(StartSkin, OnlyTwentyFourFieldsStyleTheFirstTwelveControlsAndNoSizes) {
    std::vector<std::string> fields;
    for (int pair = 0; pair < 12; ++pair) fields.insert(fields.end(), {"65280", "Serif"});
    textStyle(fields);
    startProgram();
    for (forms::Control* c : styled()) {
        if (c == &s.UseComp || c == &s.Label3) {
            EXPECT_TRUE(styleAsDesigned(*c)) << c->name();
            continue;
        }
        EXPECT_EQ(live(*c).foreColor, Green) << c->name();
        EXPECT_EQ(live(*c).font, (forms::Font{.name = "Serif"})) << c->name();
    }
}

TEST_F(StartSkin, AFieldThatIsNoNumberOrOneTheControlRejectsKeepsItsDesignValueOnly) {
    textStyle({{1, "green"}, {2, "Serif"}, {3, "16777216"}, {5, "-5"}, {28, "0"}, {29, "1e9"}});
    startProgram();
    EXPECT_EQ(s.Label1.foreColor(), s.Label1.designValues().foreColor);
    EXPECT_EQ(s.Label1.font(), (forms::Font{.name = "Serif"})) << "the next field applies";
    EXPECT_EQ(s.Label2.foreColor(), s.Label2.designValues().foreColor);
    EXPECT_EQ(live(s.Pl1).foreColor, s.Pl1.designValues().foreColor);
    EXPECT_EQ(s.Label2.font().size, 0);
    EXPECT_EQ(live(s.Pl1).font.size, 8);
}

TEST_F(StartSkin, ALaterLoadWithoutTheFileAppliesTheLastReadingAgain) {
    textStyle({{1, "65280"}, {41, "14"}});
    startProgram();
    fs::remove(skinFolder() / "VisColor.txt");
    newGame("Ann", "Bob", 'X', 'H');  // the hand-over unloads the start window
    ASSERT_FALSE(s.isLoaded());
    advance(1);  // the game window's display sync loads it again, hidden
    ASSERT_TRUE(s.isLoaded());
    EXPECT_EQ(s.Label1.foreColor(), Green);
    EXPECT_EQ(s.Label3.font().size, 14);
}

TEST_F(StartSkin, Back1WithoutTopbarDressesTheBackgroundAndEachPanelOnly) {
    skin_files::writePicture(skinFolder() / "Back1.bmp", 300, 317);
    startProgram();
    EXPECT_NE(s.picture(), s.designValues().picture);
    for (forms::Control* c : Controls{&s.Frame1, &s.Frame2, &s.Frame3, &s.Frame4}) {
        EXPECT_FALSE(pictureAsDesigned(*c)) << c->name();
    }
    EXPECT_NE(live(s.Frame1).picture, live(s.Frame2).picture) << "one load for each panel";
    for (forms::Control* c : Controls{&s.Image1, &s.Option1, &s.Option2, &s.Option3, &s.Option4,
                                      &s.Option5, &s.Option6, &s.Option7}) {
        EXPECT_TRUE(pictureAsDesigned(*c)) << c->name();
    }
}

TEST_F(StartSkin, TheSkinIsFoundInTheProgramFolderWhateverTheWorkingDirectory) {
    platform.programDir = folder() / "program";
    skin_files::writePicture(skinFolder() / "Topbar.bmp", 129, 9);
    textStyle({{1, "65280"}});
    startProgram();
    EXPECT_FALSE(pictureAsDesigned(s.Image1));
    EXPECT_FALSE(pictureAsDesigned(s.Option5));
    EXPECT_EQ(s.Label1.foreColor(), Green);
}

}  // namespace
