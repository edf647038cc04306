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

// The default skin lightens the red and the blue labels, which read on its navy only so, and
// leaves the yellow ones as designed.
TEST_F(StartSkin, TheDefaultSkinKeepsEveryLabelInItsDesignHueAtTheDefaultFontSize) {
    skin_files::copyDefaultSkin(platform.programDir);
    startProgram();
    auto brightness = [](forms::Color c) {
        return forms::redOf(c) + forms::greenOf(c) + forms::blueOf(c);
    };
    auto strongest = [](forms::Color c) {
        const int red = forms::redOf(c), green = forms::greenOf(c), blue = forms::blueOf(c);
        return red > green && red > blue ? 'r' : blue > red && blue > green ? 'b' : '-';
    };
    for (forms::Control* c : styled()) {
        if (c->kind() == forms::ControlKind::Label) {
            const forms::Color designed = c->designValues().foreColor, skinned = live(*c).foreColor;
            if (designed == forms::Yellow) {
                EXPECT_EQ(skinned, designed) << c->name();
            } else {
                EXPECT_EQ(strongest(skinned), strongest(designed)) << c->name();
                EXPECT_GT(brightness(skinned), brightness(designed)) << c->name();
            }
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
    // The others keep the colours of the default skin's fields.
    const std::vector<std::string> fields = skin_files::defaultTextStyle();
    const std::pair<forms::Control*, int> others[] = {
        {&s.Label2, 3}, {&s.Label4, 9}, {&s.Label8, 17}, {&s.Label11, 23}, {&s.Label3, 26}};
    for (const auto& [c, field] : others) {
        EXPECT_EQ(live(*c).foreColor, static_cast<forms::Color>(std::stol(fields.at(field - 1))))
            << c->name();
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
