#include "art/builtin_pictures.h"

#include <gtest/gtest.h>

#include <QColor>
#include <functional>

namespace {

struct Picture {
    const char* name;
    std::function<QImage()> draw;
    QSize size;
    bool transparentGround;
};

const Picture allPictures[] = {
    {"gameBackground", art::gameBackground, {226, 300}, false},
    {"topBar", art::topBar, {129, 9}, false},
    {"smallButtonNormal", art::smallButtonNormal, {10, 10}, false},
    {"smallButtonPressed", art::smallButtonPressed, {10, 10}, false},
    {"crossMark", art::crossMark, {63, 63}, false},
    {"noughtMark", art::noughtMark, {63, 63}, false},
    {"blankCell", art::blankCell, {63, 63}, false},
    {"rowStrike", art::rowStrike, {137, 11}, true},
    {"columnStrike", art::columnStrike, {11, 137}, true},
    {"diagonalStrikeRising", art::diagonalStrikeRising, {195, 195}, true},
    {"diagonalStrikeFalling", art::diagonalStrikeFalling, {195, 195}, true},
    {"startBackground", art::startBackground, {300, 317}, false},
    {"startGround", art::startGround, {300, 317}, false},
    {"panelBackground", art::panelBackground, {300, 300}, false},
    {"playerKindPanel", art::playerKindPanel, {300, 300}, false},
    {"firstMovePanel", art::firstMovePanel, {300, 300}, false},
    {"programIcon", art::programIcon, {64, 64}, true},
};

bool isRed(const QColor& c) { return c.alpha() > 128 && c.red() > 150 && c.blue() < 110; }
bool isBlue(const QColor& c) { return c.alpha() > 128 && c.blue() > 150 && c.red() < 110; }
bool isGold(const QColor& c) { return c.alpha() == 255 && c.red() > 200 && c.blue() < 120; }

int countPixels(const QImage& image, bool (*matches)(const QColor&)) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) count += matches(image.pixelColor(x, y)) ? 1 : 0;
    return count;
}

// Where the marks of a small button sit: above the rising diagonal (top left) or below it.
struct MarkPlaces {
    int redAbove = 0, redBelow = 0, blueAbove = 0, blueBelow = 0;
};

MarkPlaces markPlaces(const QImage& button) {
    MarkPlaces places;
    const int diagonal = button.width() - 1;
    for (int y = 0; y < button.height(); ++y)
        for (int x = 0; x < button.width(); ++x) {
            const QColor c = button.pixelColor(x, y);
            const bool above = x + y < diagonal;
            if (isRed(c)) (above ? places.redAbove : places.redBelow)++;
            if (isBlue(c)) (above ? places.blueAbove : places.blueBelow)++;
        }
    return places;
}

}  // namespace

TEST(BuiltinPictures, EachPictureHasTheSizeItsControlExpects) {
    for (const Picture& picture : allPictures) {
        const QImage image = picture.draw();
        EXPECT_EQ(image.size(), picture.size) << picture.name;
        EXPECT_TRUE(image.format() == QImage::Format_ARGB32 ||
                    image.format() == QImage::Format_RGB32)
            << picture.name;
    }
}

TEST(BuiltinPictures, PicturesWithoutATransparentGroundAreOpaqueEverywhere) {
    for (const Picture& picture : allPictures) {
        if (picture.transparentGround) continue;
        const QImage image = picture.draw();
        bool opaque = true;
        for (int y = 0; y < image.height() && opaque; ++y)
            for (int x = 0; x < image.width() && opaque; ++x)
                opaque = image.pixelColor(x, y).alpha() == 255;
        EXPECT_TRUE(opaque) << picture.name;
    }
}

TEST(BuiltinPictures, RepeatedCallsHandOutTheSameDrawing) {
    EXPECT_EQ(art::crossMark().cacheKey(), art::crossMark().cacheKey());
    EXPECT_EQ(art::gameBackground().cacheKey(), art::gameBackground().cacheKey());
}

TEST(BuiltinPictures, CellsShowTheirOwnMarkInItsOwnColour) {
    EXPECT_GT(countPixels(art::crossMark(), isRed), 100);
    EXPECT_EQ(countPixels(art::crossMark(), isBlue), 0);
    EXPECT_GT(countPixels(art::noughtMark(), isBlue), 100);
    EXPECT_EQ(countPixels(art::noughtMark(), isRed), 0);
    EXPECT_EQ(countPixels(art::blankCell(), isRed) + countPixels(art::blankCell(), isBlue), 0);

    // The middle of an X is ink; the middle of an O is the empty cell.
    EXPECT_TRUE(isRed(art::crossMark().pixelColor(31, 31)));
    EXPECT_EQ(art::noughtMark().pixelColor(31, 31), art::blankCell().pixelColor(31, 31));
}

TEST(BuiltinPictures, StrikeLinesAreBrightWithTransparentSurroundings) {
    struct Strike {
        const char* name;
        QImage image;
        QPoint onLine;
        QPoint offLine;
    };
    const Strike strikes[] = {
        {"row", art::rowStrike(), {68, 5}, {0, 0}},
        {"column", art::columnStrike(), {5, 68}, {10, 136}},
        // Off the line: the corner cell the diagonal must not cross.
        {"rising", art::diagonalStrikeRising(), {97, 97}, {40, 40}},
        {"falling", art::diagonalStrikeFalling(), {97, 97}, {150, 40}},
    };
    for (const Strike& strike : strikes) {
        const QImage& image = strike.image;
        EXPECT_TRUE(isGold(image.pixelColor(strike.onLine))) << strike.name;
        EXPECT_EQ(image.pixelColor(strike.offLine).alpha(), 0) << strike.name;
        const int right = image.width() - 1, bottom = image.height() - 1;
        for (QPoint corner :
             {QPoint(0, 0), QPoint(right, 0), QPoint(0, bottom), QPoint(right, bottom)})
            EXPECT_EQ(image.pixelColor(corner).alpha(), 0)
                << strike.name << " corner " << corner.x() << "," << corner.y();
    }
}

TEST(BuiltinPictures, SmallButtonFacesSwapTheRedXAndTheBlueO) {
    const MarkPlaces normal = markPlaces(art::smallButtonNormal());
    EXPECT_GT(normal.redAbove, 0);
    EXPECT_GT(normal.blueBelow, 0);
    EXPECT_EQ(normal.redBelow + normal.blueAbove, 0);

    const MarkPlaces pressed = markPlaces(art::smallButtonPressed());
    EXPECT_GT(pressed.blueAbove, 0);
    EXPECT_GT(pressed.redBelow, 0);
    EXPECT_EQ(pressed.redAbove + pressed.blueBelow, 0);

    // Both faces keep the black diagonal from the bottom-left to the top-right corner.
    for (const QImage& face : {art::smallButtonNormal(), art::smallButtonPressed()})
        for (int i = 0; i < 10; ++i) EXPECT_EQ(face.pixelColor(i, 9 - i), QColor(Qt::black)) << i;
}
