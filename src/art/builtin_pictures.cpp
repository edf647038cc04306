#include "art/builtin_pictures.h"

#include <QColor>
#include <QLineF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QRadialGradient>

#include <initializer_list>

namespace art {
namespace {

// One palette for every picture, so the built-in look stays coherent.
namespace colour {
const QColor navyTop(0x1f, 0x3a, 0x5c);
const QColor navyBottom(0x0c, 0x18, 0x2a);
const QColor panelTop(0x2b, 0x47, 0x69);
const QColor panelBottom(0x1a, 0x30, 0x4c);
const QColor steelHighlight(0xc6, 0xd4, 0xe2);
const QColor steelLight(0x9c, 0xb2, 0xc9);
const QColor steelEdge(0x1a, 0x2c, 0x42);
// The top bar carries white and yellow text: its face stays dark enough for both.
const QColor barHighlight(0x5f, 0x7a, 0x98);
const QColor barTop(0x47, 0x62, 0x80);
const QColor barMiddle(0x2e, 0x46, 0x62);
const QColor barBottom(0x1c, 0x2f, 0x47);
const QColor barEdge(0x0b, 0x15, 0x24);
// Plates behind labels: the design's pure red reads only on near-black ink, its deep blue only
// on a pale ground, so each sits on a plate of its own over the navy.
const QColor ink(0x05, 0x09, 0x11);
const QColor plate(0xe4, 0xea, 0xf1);
const QColor inkEdge(0x2b, 0x40, 0x5a);
const QColor cellTop(0xf3, 0xf6, 0xfa);
const QColor cellBottom(0xd2, 0xdc, 0xe7);
const QColor cellShade(0x8c, 0xa1, 0xb8);
const QColor crossLight(0xe6, 0x4b, 0x43);
const QColor cross(0xd0, 0x31, 0x2d);
const QColor crossDark(0xa5, 0x22, 0x1f);
const QColor noughtLight(0x4b, 0x7b, 0xef);
const QColor nought(0x2a, 0x5b, 0xd7);
const QColor noughtDark(0x1c, 0x41, 0xa6);
const QColor goldLight(0xff, 0xea, 0x8a);
const QColor gold(0xff, 0xc8, 0x2e);
const QColor goldDark(0xe8, 0x96, 0x00);
const QColor strikeOutline(0x0b, 0x16, 0x26, 215);
const QColor markShadow(0x0b, 0x16, 0x26, 60);
}  // namespace colour

// Painting happens on the premultiplied format, which QPainter handles fastest and best; the
// result is handed out as plain ARGB32.
QImage canvas(int width, int height, const QColor& fill = Qt::transparent) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(fill);
    return image;
}

QImage finished(const QImage& image) { return image.convertToFormat(QImage::Format_ARGB32); }

void paintDeepBlueGround(QPainter& painter, const QRectF& area) {
    QLinearGradient ground(area.topLeft(), area.bottomLeft());
    ground.setColorAt(0.0, colour::navyTop);
    ground.setColorAt(1.0, colour::navyBottom);
    painter.fillRect(area, ground);

    // A soft light from above keeps the large flat areas from looking dead.
    QColor glow = colour::steelLight;
    glow.setAlpha(48);
    QRadialGradient light(QPointF(area.center().x(), area.top() + area.height() * 0.2),
                          qMax(area.width(), area.height()) * 0.75);
    light.setColorAt(0.0, glow);
    light.setColorAt(1.0, Qt::transparent);
    painter.fillRect(area, light);
}

// Marks are strokes with round ends, shaded from a light upper-left to a darker lower-right, over a
// faint shadow that lifts them off the cell.
QPen markPen(const QRectF& box, const QColor& light, const QColor& dark, qreal width) {
    QLinearGradient shade(box.topLeft(), box.bottomRight());
    shade.setColorAt(0.0, light);
    shade.setColorAt(1.0, dark);
    return QPen(QBrush(shade), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QPen shadowPen(qreal width) {
    return QPen(colour::markShadow, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QPainterPath crossPath(const QRectF& box) {
    QPainterPath path;
    path.moveTo(box.topLeft());
    path.lineTo(box.bottomRight());
    path.moveTo(box.topRight());
    path.lineTo(box.bottomLeft());
    return path;
}

void paintCross(QPainter& painter, const QRectF& box, qreal strokeWidth) {
    const QPointF shadowOffset(strokeWidth * 0.15, strokeWidth * 0.25);
    painter.strokePath(crossPath(box.translated(shadowOffset)), shadowPen(strokeWidth));
    painter.strokePath(crossPath(box),
                       markPen(box, colour::crossLight, colour::crossDark, strokeWidth));
}

void paintNought(QPainter& painter, const QRectF& box, qreal strokeWidth) {
    const QPointF shadowOffset(strokeWidth * 0.15, strokeWidth * 0.25);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(shadowPen(strokeWidth));
    painter.drawEllipse(box.translated(shadowOffset));
    painter.setPen(markPen(box, colour::noughtLight, colour::noughtDark, strokeWidth));
    painter.drawEllipse(box);
}

// A slightly raised pale tile: light from the top left, a shaded lower and right edge.
void paintCellFace(QPainter& painter, const QRect& cell) {
    QLinearGradient face(cell.topLeft(), cell.bottomLeft());
    face.setColorAt(0.0, colour::cellTop);
    face.setColorAt(1.0, colour::cellBottom);
    painter.fillRect(cell, face);

    painter.setPen(Qt::white);
    painter.drawLine(cell.topLeft(), cell.topRight());
    painter.drawLine(cell.topLeft(), cell.bottomLeft());
    painter.setPen(colour::cellShade);
    painter.drawLine(cell.bottomLeft(), cell.bottomRight());
    painter.drawLine(cell.topRight(), cell.bottomRight());
}

// A label plate: a flat pale ground, the board's cell colour, for deep blue text; a near-black
// one for red text. Flat and barely rounded, so that it reads as the label's ground, not as a
// button.
enum class Plate { Pale, Ink };

void paintPlate(QPainter& painter, const QRectF& outline, Plate plate) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(plate == Plate::Pale ? colour::plate : colour::ink);
    painter.setPen(QPen(plate == Plate::Pale ? colour::cellShade : colour::inkEdge, 1));
    painter.drawRoundedRect(outline, 2, 2);
    painter.restore();
}

QImage cellPicture(void (*paintMark)(QPainter&, const QRectF&, qreal)) {
    QImage image = canvas(63, 63);
    QPainter painter(&image);
    paintCellFace(painter, image.rect());
    if (paintMark) {
        painter.setRenderHint(QPainter::Antialiasing);
        paintMark(painter, QRectF(16.5, 16.5, 30, 30), 7.5);
    }
    painter.end();
    return finished(image);
}

// A gold bar in a dark outline: it stays readable over red, over blue and over the pale cells.
// Everything outside the bar is left transparent so the marks beneath show through.
void paintStrike(QPainter& painter, const QLineF& line) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour::strikeOutline, 10, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(line);

    // Shaded across the bar, so it reads as a rounded rod rather than a flat stripe.
    const QLineF across = line.normalVector().unitVector();
    const QPointF side(across.dx() * 3, across.dy() * 3);
    QLinearGradient rod(line.center() - side, line.center() + side);
    rod.setColorAt(0.0, colour::goldLight);
    rod.setColorAt(0.45, colour::gold);
    rod.setColorAt(1.0, colour::goldDark);
    painter.setPen(QPen(QBrush(rod), 6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(line);
}

QImage strikePicture(int width, int height, const QLineF& line) {
    QImage image = canvas(width, height);
    QPainter painter(&image);
    paintStrike(painter, line);
    painter.end();
    return finished(image);
}

// The small two-state button is only ten pixels wide, so it is set pixel by pixel: smoothing
// would blur marks that small into smudges. Both faces place the marks at the same distance from
// their corners, so pressing reads as the two marks trading places and nothing else moving.
constexpr int smallButtonSize = 10;

void putCrossPixels(QImage& image, int left, int top, const QColor& ink) {
    for (int i = 0; i < 3; ++i) {
        image.setPixelColor(left + i, top + i, ink);
        image.setPixelColor(left + 2 - i, top + i, ink);
    }
}

void putNoughtPixels(QImage& image, int left, int top, const QColor& ink) {
    for (int i = 1; i < 3; ++i) {
        image.setPixelColor(left + i, top, ink);
        image.setPixelColor(left + i, top + 3, ink);
        image.setPixelColor(left, top + i, ink);
        image.setPixelColor(left + 3, top + i, ink);
    }
}

QImage smallButtonPicture(bool crossOnTop) {
    QImage image = canvas(smallButtonSize, smallButtonSize);
    {
        QPainter painter(&image);
        QLinearGradient face(QPointF(0, 0), QPointF(smallButtonSize, smallButtonSize));
        face.setColorAt(0.0, colour::cellTop);
        face.setColorAt(1.0, colour::cellTop.darker(106));
        painter.fillRect(image.rect(), face);
    }
    for (int i = 0; i < smallButtonSize; ++i)
        image.setPixelColor(i, smallButtonSize - 1 - i, Qt::black);

    // The top-left triangle holds the first mark, the bottom-right triangle the second.
    if (crossOnTop) {
        putCrossPixels(image, 1, 1, colour::cross);
        putNoughtPixels(image, 5, 5, colour::nought);
    } else {
        putNoughtPixels(image, 1, 1, colour::nought);
        putCrossPixels(image, 6, 6, colour::cross);
    }
    return finished(image);
}

// Below the board: the yellow heading on the navy, then player 1's red score line on a band of
// ink and player 2's blue one on a pale band, both bands running from edge to edge.
QImage drawGameBackground() {
    QImage image = canvas(226, 300);
    QPainter painter(&image);
    paintDeepBlueGround(painter, image.rect());
    paintPlate(painter, QRectF(-4.5, 253.5, 235, 17), Plate::Ink);
    paintPlate(painter, QRectF(-4.5, 271.5, 235, 17), Plate::Pale);
    painter.end();
    return finished(image);
}

QImage drawTopBar() {
    QImage image = canvas(129, 9);
    QPainter painter(&image);
    const QRect bar = image.rect();
    QLinearGradient face(bar.topLeft(), bar.bottomLeft());
    face.setColorAt(0.0, colour::barTop);
    face.setColorAt(0.5, colour::barMiddle);
    face.setColorAt(1.0, colour::barBottom);
    painter.fillRect(bar, face);
    painter.setPen(colour::barHighlight);
    painter.drawLine(bar.topLeft(), bar.topRight());
    painter.setPen(colour::barEdge);
    painter.drawLine(bar.bottomLeft(), bar.bottomRight());
    painter.end();
    return finished(image);
}

// Faint large marks in the corner of the start window, a hint of the game behind the menus.
void paintWatermark(QPainter& painter, const QRectF& area) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setOpacity(0.07);
    const qreal size = area.width() * 0.25;
    const qreal margin = size * 0.35;
    const QRectF noughtBox(area.right() - margin - size, area.bottom() - margin - size, size, size);
    const QRectF crossBox = noughtBox.translated(-(size + margin), 0);
    painter.strokePath(crossPath(crossBox),
                       QPen(colour::steelHighlight, 13, Qt::SolidLine, Qt::RoundCap));
    painter.setPen(QPen(colour::steelHighlight, 12));
    painter.drawEllipse(noughtBox);
    painter.restore();
}

QImage drawStartGround() {
    QImage image = canvas(300, 317);
    QPainter painter(&image);
    paintDeepBlueGround(painter, image.rect());
    paintWatermark(painter, image.rect());
    painter.end();
    return finished(image);
}

// A label of the start window as its plate sees it: where the label sits (twips, as laid out in
// the window's control table) and how far its caption reaches when drawn (pixels, rounded up).
// The labels' face, 8-point Liberation Sans or a face with its widths (Arimo, Nimbus Sans), is
// wider than the one the table's widths were made for, so a plate follows the drawn caption.
struct PlatedLabel {
    int left, top;
    int captionWidth;
    Plate plate;
};

// Each plate reaches beyond its caption on every side, so that its edge never runs under the
// letters: three pixels before it, two after it, a pixel above and below its 13-pixel line.
// Labels placed one under the other, 16 pixels apart, keep a pixel of ground between plates.
QImage withPlates(QImage ground, std::initializer_list<PlatedLabel> labels) {
    constexpr int twipsPerPixel = 15, lineHeight = 13;
    QImage image = ground.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    for (const PlatedLabel& label : labels) {
        const QRectF line(label.left / twipsPerPixel, label.top / twipsPerPixel, label.captionWidth,
                          lineHeight);
        paintPlate(painter, line.adjusted(-3.5, -0.5, 2.5, 0.5), label.plate);
    }
    painter.end();
    return finished(image);
}

// The names' labels: red "X's:" on ink, blue "O's:" on a pale plate.
QImage drawStartBackground() {
    return withPlates(drawStartGround(), {{120, 390, 18, Plate::Ink}, {120, 750, 20, Plate::Pale}});
}

QImage drawPanelBackground() {
    QImage image = canvas(300, 300);
    QPainter painter(&image);
    QLinearGradient panel(QPointF(0, 0), QPointF(0, 300));
    panel.setColorAt(0.0, colour::panelTop);
    panel.setColorAt(1.0, colour::panelBottom);
    painter.fillRect(image.rect(), panel);
    painter.end();
    return finished(image);
}

// The kind of player 2: "Computer:" and "Human:", both in deep blue.
QImage drawPlayerKindPanel() {
    return withPlates(drawPanelBackground(),
                      {{210, 75, 52, Plate::Pale}, {210, 315, 39, Plate::Pale}});
}

// Who goes first: blue "O's:" above red "X'ss:".
QImage drawFirstMovePanel() {
    return withPlates(drawPanelBackground(),
                      {{210, 75, 20, Plate::Pale}, {210, 315, 24, Plate::Ink}});
}

QImage drawProgramIcon() {
    QImage image = canvas(64, 64);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    const QRectF tile(1, 1, 62, 62);
    QLinearGradient ground(tile.topLeft(), tile.bottomLeft());
    ground.setColorAt(0.0, colour::navyTop.lighter(125));
    ground.setColorAt(1.0, colour::navyBottom);
    painter.setPen(QPen(colour::steelEdge, 1.5));
    painter.setBrush(ground);
    painter.drawRoundedRect(tile, 12, 12);

    // A pale board ruled into three by three, an X and an O played on it. The marks are bold
    // so that the icon still reads at the small sizes a desktop shows it.
    const QRectF board(7, 7, 50, 50);
    QLinearGradient face(board.topLeft(), board.bottomLeft());
    face.setColorAt(0.0, colour::cellTop);
    face.setColorAt(1.0, colour::cellBottom);
    painter.setPen(Qt::NoPen);
    painter.setBrush(face);
    painter.drawRoundedRect(board, 5, 5);

    const qreal third = board.width() / 3;
    painter.setPen(QPen(colour::steelLight, 2, Qt::SolidLine, Qt::RoundCap));
    for (int line = 1; line < 3; ++line) {
        const qreal x = board.left() + line * third;
        const qreal y = board.top() + line * third;
        painter.drawLine(QPointF(x, board.top() + 3), QPointF(x, board.bottom() - 3));
        painter.drawLine(QPointF(board.left() + 3, y), QPointF(board.right() - 3, y));
    }
    auto cellBox = [&](int column, int row) {
        return QRectF(board.left() + column * third, board.top() + row * third, third, third)
            .adjusted(3.5, 3.5, -3.5, -3.5);
    };
    paintCross(painter, cellBox(0, 0), 4.2);
    paintNought(painter, cellBox(1, 1), 3.6);
    painter.end();
    return finished(image);
}

}  // namespace

QImage gameBackground() {
    static const QImage picture = drawGameBackground();
    return picture;
}

QImage topBar() {
    static const QImage picture = drawTopBar();
    return picture;
}

QImage smallButtonNormal() {
    static const QImage picture = smallButtonPicture(true);
    return picture;
}

QImage smallButtonPressed() {
    static const QImage picture = smallButtonPicture(false);
    return picture;
}

QImage crossMark() {
    static const QImage picture = cellPicture(paintCross);
    return picture;
}

QImage noughtMark() {
    static const QImage picture = cellPicture(paintNought);
    return picture;
}

QImage blankCell() {
    static const QImage picture = cellPicture(nullptr);
    return picture;
}

QImage rowStrike() {
    static const QImage picture = strikePicture(137, 11, QLineF(5.5, 5.5, 131.5, 5.5));
    return picture;
}

QImage columnStrike() {
    static const QImage picture = strikePicture(11, 137, QLineF(5.5, 5.5, 5.5, 131.5));
    return picture;
}

QImage diagonalStrikeRising() {
    static const QImage picture = strikePicture(195, 195, QLineF(14, 181, 181, 14));
    return picture;
}

QImage diagonalStrikeFalling() {
    static const QImage picture = strikePicture(195, 195, QLineF(14, 14, 181, 181));
    return picture;
}

QImage startBackground() {
    static const QImage picture = drawStartBackground();
    return picture;
}

QImage startGround() {
    static const QImage picture = drawStartGround();
    return picture;
}

QImage panelBackground() {
    static const QImage picture = drawPanelBackground();
    return picture;
}

QImage playerKindPanel() {
    static const QImage picture = drawPlayerKindPanel();
    return picture;
}

QImage firstMovePanel() {
    static const QImage picture = drawFirstMovePanel();
    return picture;
}

QImage programIcon() {
    static const QImage picture = drawProgramIcon();
    return picture;
}

}  // namespace art
