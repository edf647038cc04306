// What a window draws: each control kind where and how its declaration says.
#include "platform/qt/qt_convert.h"
#include "qt_fixture.h"

#include <QFontInfo>
#include <QMenuBar>

namespace {

using forms::BorderStyle;
using forms::Design;
using forms::FormDesign;
using qttest::countPixels;
using qttest::solidPicture;

const QColor Red(255, 0, 0), Green(0, 255, 0), Blue(0, 0, 255), Black(0, 0, 0),
    White(255, 255, 255);

// Left half red, right half green: shows whether a picture was stretched.
forms::Picture halvesPicture(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Red);
    for (int y = 0; y < height; ++y) {
        for (int x = width / 2; x < width; ++x) image.setPixelColor(x, y, Green);
    }
    return forms::Picture::fromImage(image);
}

// A game-like window: a blue client area 230 x 303 pixels under a menu bar.
struct Board : forms::Form {
    forms::Image topBar{*this, "topBar"};
    forms::Label status{*this, "status"};
    forms::Image mark{*this, "mark"};
    forms::Image cell{*this, "cell"};
    forms::Image beyond{*this, "beyond"};
    forms::Image hidden{*this, "hidden"};
    forms::PictureBox panel{*this, "panel"};
    forms::Image inPanel{*this, "inPanel"};
    forms::Line rule{*this, "rule"};
    forms::Menu game{*this, "game"};
    forms::Menu newGame{*this, "newGame"};

    explicit Board(forms::Runtime& runtime) : Form(runtime, "Board") {
        // clang-format off
        design(FormDesign{.caption = "Board", .border = BorderStyle::FixedToolWindow,
                          .clientWidth = 3450, .clientHeight = 4545, .backColor = 0xFF0000});
        topBar.design({.left = 0, .top = 120, .width = 3375, .height = 225,
                       .picture = halvesPicture(20, 2), .stretch = true});
        status.design({.left = 90, .top = 450, .width = 2685, .height = 450, .caption = "HHHHHH",
                       .foreColor = 0xFF, .transparent = true,
                       .font = {.name = "", .size = 14, .bold = true}});
        mark.design({.left = 150, .top = 1050, .width = 300, .height = 300,
                     .picture = solidPicture(4, 4, Green)});
        cell.design({.left = 600, .top = 1050, .width = 300, .height = 300,
                     .picture = solidPicture(20, 20, White), .border = true});
        beyond.design({.left = 3510, .top = 1050, .width = 300, .height = 300,
                       .picture = solidPicture(20, 20, Green)});
        hidden.design({.left = 1200, .top = 1050, .width = 300, .height = 300,
                       .picture = solidPicture(20, 20, Green), .visible = false});
        panel.design({.left = 300, .top = 1800, .width = 450, .height = 450, .backColor = 0xFFFFFF});
        inPanel.design({.container = &panel, .left = 300, .top = 300, .width = 300, .height = 300,
                        .picture = solidPicture(20, 20, Green)});
        rule.design({.x1 = 90, .y1 = 3000, .x2 = 3000, .y2 = 3000, .foreColor = 0x0});
        game.design({.caption = "Game"});
        newGame.design({.container = &game, .caption = "New", .shortcut = "Ctrl+N"});
        // clang-format on
    }
};

class Rendering : public qttest::QtPlatformTest {
protected:
    Board board{runtime};
};

TEST_F(Rendering, ClientAreaIsTheOuterSizeLessTheClassicFrame) {
    board.show();
    board.setWidth(3345);   // 120 twips of frame: 3225 twips of client, 215 pixels
    board.setHeight(4245);  // 675 twips of frame, title bar and menu bar: 238 pixels
    QWidget* client = platform.clientAreaOf(board);
    ASSERT_NE(client, nullptr);
    EXPECT_EQ(client->size(), QSize(215, 238));
    QWidget* window = platform.windowOf(board);
    EXPECT_EQ(window->width(), 215);
    EXPECT_EQ(window->height(), 238 + window->findChild<QMenuBar*>()->height());
    EXPECT_EQ(window->windowTitle(), "Board");
}

TEST_F(Rendering, BackgroundColourIsBlueForTheBgrNumberOfBlue) {
    board.show();
    const QImage image = clientImage(board);
    EXPECT_TRUE(qttest::near(image.pixelColor(image.width() - 1, image.height() - 1), Blue));
}

TEST_F(Rendering, TransparentLabelDrawsItsTextInItsColourOverTheBackground) {
    board.show();
    const QImage image = clientImage(board);
    const QRect label(6, 30, 179, 30);
    EXPECT_GT(countPixels(image, label, Red), 20);
    // Where no letter is, the window's blue shows through.
    EXPECT_TRUE(qttest::near(image.pixelColor(label.right(), label.bottom()), Blue));

    board.status.setForeColor(0xFFFF);  // yellow
    const QImage after = clientImage(board);
    EXPECT_EQ(countPixels(after, label, Red), 0);
    EXPECT_GT(countPixels(after, label, QColor(255, 255, 0)), 20);
}

TEST_F(Rendering, ImageDrawsItsPictureAtItsOwnSizeFromTheTopLeft) {
    board.show();
    const QImage image = clientImage(board);
    EXPECT_TRUE(qttest::near(image.pixelColor(10, 70), Green));
    EXPECT_TRUE(qttest::near(image.pixelColor(13, 73), Green));
    EXPECT_TRUE(qttest::near(image.pixelColor(15, 75), Blue));
}

TEST_F(Rendering, StretchedImageFillsItsWholeControl) {
    board.show();
    const QImage image = clientImage(board);
    // The 20 x 2 picture covers 225 x 15 pixels: red on the left half, green on the right.
    EXPECT_TRUE(qttest::near(image.pixelColor(0, 8), Red));
    EXPECT_TRUE(qttest::near(image.pixelColor(100, 22), Red));
    EXPECT_TRUE(qttest::near(image.pixelColor(120, 8), Green));
    EXPECT_TRUE(qttest::near(image.pixelColor(224, 22), Green));
    EXPECT_TRUE(qttest::near(image.pixelColor(226, 22), Blue));
}

TEST_F(Rendering, BorderedImageHasAOnePixelBlackFrameAroundItsPicture) {
    board.show();
    const QImage image = clientImage(board);
    EXPECT_TRUE(qttest::near(image.pixelColor(40, 70), Black));
    EXPECT_TRUE(qttest::near(image.pixelColor(59, 89), Black));
    EXPECT_TRUE(qttest::near(image.pixelColor(41, 71), White));
}

TEST_F(Rendering, ControlOutsideTheClientAreaIsNotSeen) {
    board.show();
    board.setWidth(3345);
    const QImage image = clientImage(board);
    EXPECT_EQ(image.width(), 215);
    // Only the mark and the control in the panel are green; the one at 234 pixels is cut off.
    EXPECT_EQ(countPixels(image, QRect(200, 60, 15, 30), Green), 0);
}

struct FarAway : forms::Form {
    forms::Image left{*this, "left"}, down{*this, "down"}, wide{*this, "wide"};
    explicit FarAway(forms::Runtime& runtime) : Form(runtime, "FarAway") {
        design(FormDesign{.caption = "FarAway", .clientWidth = 1500, .clientHeight = 1500});
        const auto green = solidPicture(20, 20, Green);
        // clang-format off
        left.design({.left = -2000000000, .top = 0, .width = 300, .height = 300, .picture = green});
        down.design({.left = 0, .top = 2000000000, .width = 300, .height = 300, .picture = green});
        wide.design({.left = 1200, .top = 1200, .width = 2000000000, .height = 2000000000,
                     .picture = green, .stretch = true});
        // clang-format on
    }
};

TEST_F(Rendering, ControlsFarBeyondAnyEdgeAreCutOff) {
    FarAway far(runtime);
    far.show();
    const QImage image = clientImage(far);
    EXPECT_EQ(countPixels(image, QRect(0, 0, 80, 80), Green), 0);
    EXPECT_EQ(countPixels(image, QRect(80, 80, 20, 20), Green), 400);  // the corner of the wide one
    platform.destroyForm(far);
}

TEST_F(Rendering, HiddenControlAppearsWhenMadeVisible) {
    board.show();
    EXPECT_EQ(countPixels(clientImage(board), QRect(80, 70, 20, 20), Green), 0);
    board.hidden.setVisible(true);
    EXPECT_EQ(countPixels(clientImage(board), QRect(80, 70, 20, 20), Green), 400);
}

TEST_F(Rendering, PanelHoldsItsControlsAndClipsThem) {
    board.show();
    const QImage image = clientImage(board);
    // Panel at (20, 120), 30 x 30, white; its image at (20, 20) inside it, cut off at 10 x 10.
    EXPECT_TRUE(qttest::near(image.pixelColor(21, 121), White));
    EXPECT_EQ(countPixels(image, QRect(40, 140, 20, 20), Green), 100);

    board.panel.setVisible(false);
    EXPECT_EQ(countPixels(clientImage(board), QRect(20, 120, 40, 40), Green), 0);
}

TEST_F(Rendering, LineIsDrawnBetweenItsEndPoints) {
    board.show();
    const QImage image = clientImage(board);
    EXPECT_TRUE(qttest::near(image.pixelColor(6, 200), Black));
    EXPECT_TRUE(qttest::near(image.pixelColor(199, 200), Black));
    EXPECT_TRUE(qttest::near(image.pixelColor(100, 199), Blue));
}

TEST_F(Rendering, BackgroundPictureSitsAtTheTopLeftAtItsOwnSize) {
    board.setPicture(solidPicture(50, 40, White));
    board.show();
    const QImage image = clientImage(board);
    EXPECT_TRUE(qttest::near(image.pixelColor(49, 5), White));
    EXPECT_TRUE(qttest::near(image.pixelColor(51, 5), Blue));
}

TEST_F(Rendering, FontThatIsNotInstalledFallsBackToTheDefaultSansSerif) {
    board.show();
    const QString standard = QFontInfo(qtui::toQFont({})).family();
    EXPECT_EQ(qtui::toQFont({}).pointSizeF(), 8.0);
    board.status.setFont({.name = "No Such Font Anywhere", .size = 10});
    QWidget* label = widgetOf(board.status);
    EXPECT_EQ(QFontInfo(label->font()).family(), standard);
    EXPECT_EQ(label->font().pointSizeF(), 10.0);
}

// ---- Buttons ----------------------------------------------------------------------------

struct Buttons : forms::Form {
    forms::CommandButton pictureButton{*this, "pictureButton"};
    forms::OptionButton first{*this, "first"};
    forms::OptionButton second{*this, "second"};

    explicit Buttons(forms::Runtime& runtime) : Form(runtime, "Buttons") {
        // clang-format off
        design(FormDesign{.caption = "Buttons", .clientWidth = 3000, .clientHeight = 1500});
        pictureButton.design({.left = 150, .top = 150, .width = 450, .height = 450,
                              .picture = solidPicture(10, 10, Red),
                              .downPicture = solidPicture(10, 10, Blue),
                              .disabledPicture = solidPicture(10, 10, Green),
                              .toolTip = "Scores", .graphical = true});
        first.design({.left = 900, .top = 150, .width = 450, .height = 450,
                      .picture = solidPicture(10, 10, Red), .graphical = true});
        second.design({.left = 1500, .top = 150, .width = 450, .height = 450,
                       .picture = solidPicture(10, 10, Red), .value = 1, .graphical = true});
        // clang-format on
    }
};

class ButtonRendering : public qttest::QtPlatformTest {
protected:
    Buttons buttons{runtime};
};

TEST_F(ButtonRendering, GraphicalButtonShowsItsDisabledPictureWhileDisabled) {
    buttons.show();
    const QRect face(10, 10, 30, 30);
    EXPECT_EQ(countPixels(clientImage(buttons), face, Red), 100);
    EXPECT_EQ(widgetOf(buttons.pictureButton)->toolTip(), "Scores");

    buttons.pictureButton.setEnabled(false);
    const QImage disabled = clientImage(buttons);
    EXPECT_EQ(countPixels(disabled, face, Red), 0);
    EXPECT_EQ(countPixels(disabled, face, Green), 100);
}

TEST_F(ButtonRendering, GraphicalOptionLooksPressedOnlyWhileSelected) {
    buttons.show();
    auto faceOf = [&](const forms::Control& option) { return widgetOf(option)->grab().toImage(); };
    const QImage raised = faceOf(buttons.first);
    const QImage pressed = faceOf(buttons.second);
    EXPECT_NE(raised, pressed);

    buttons.first.setValue(true);  // clears the other option of the window
    EXPECT_EQ(faceOf(buttons.first), pressed);
    EXPECT_EQ(faceOf(buttons.second), raised);
}

}  // namespace
