#include "platform/qt/picture_button.h"

#include "forms/runtime.h"
#include "platform/qt/qt_convert.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <qdrawutil.h>

namespace qtui {

PictureButton::PictureButton(forms::Control& control, QWidget* parent)
    : QAbstractButton(parent), ControlView(control) {
    setFocusPolicy(focusPolicyOfTabOrder());
    connect(this, &QAbstractButton::clicked, this,
            [this] { runtime().userClick(this->control()); });
    refresh(forms::Property::Everything);
}

void PictureButton::refresh(forms::Property what) {
    using forms::Property;
    if (touches(what, Property::Picture)) {
        normal_ = toPixmap(state().picture);
        pressed_ = toPixmap(state().downPicture);
        disabled_ = toPixmap(state().disabledPicture);
    }
    if (touches(what, Property::Enabled)) setEnabled(state().enabled);
    if (touches(what, Property::Font)) setFont(toQFont(state().font));
    if (touches(what, Property::Caption)) setText(toQString(state().caption));
    if (touches(what, Property::BackColor)) {
        QPalette colours = palette();
        colours.setColor(QPalette::Button,
                         toQColor(state().backColor, QPalette().color(QPalette::Button)));
        setPalette(colours);
    }
    if (touches(what, Property::Value) || touches(what, Property::Picture)) update();
    refreshCommon(what);
}

bool PictureButton::looksPressed() const { return isDown() || (isOption() && state().value != 0); }

QPixmap PictureButton::pictureToShow() const {
    if (!isEnabled()) {
        if (!disabled_.isNull()) return disabled_;
        QStyleOption option;
        option.initFrom(this);
        return style()->generatedIconPixmap(QIcon::Disabled, normal_, &option);
    }
    if (looksPressed() && !pressed_.isNull()) return pressed_;
    return normal_;
}

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // The classic square button face: raised, or sunken while pressed.
    const bool down = looksPressed();
    const QBrush face = palette().button();
    qDrawWinButton(&painter, rect(), palette(), down, &face);
    const QRect inside = rect().adjusted(2, 2, -2, -2);

    // The picture sits in the middle and moves by a pixel while the button is down; a caption
    // goes under the picture, or in the middle without one.
    const QPoint shift = down ? QPoint(1, 1) : QPoint(0, 0);
    const QPixmap picture = normal_.isNull() && disabled_.isNull() ? QPixmap() : pictureToShow();
    const QSize pictureSize =
        picture.isNull() ? QSize() : picture.size() / picture.devicePixelRatio();
    const QString caption = text();
    const int captionHeight = caption.isEmpty() ? 0 : fontMetrics().height();
    const int top = (height() - pictureSize.height() - captionHeight) / 2;
    painter.setClipRect(inside);
    if (!picture.isNull()) {
        painter.drawPixmap(QPoint((width() - pictureSize.width()) / 2, top) + shift, picture);
    }
    if (!caption.isEmpty()) {
        const QRect band(0, top + pictureSize.height(), width(), captionHeight);
        style()->drawItemText(&painter, band.translated(shift), Qt::AlignCenter, palette(),
                              isEnabled(), caption, QPalette::ButtonText);
    }
    // A selected option stays down and shows the checkered face of a latched button over its
    // picture: a pixel of sunken bevel alone does not tell it from its neighbours.
    if (down && !isDown()) {
        painter.fillRect(inside, QBrush(palette().color(QPalette::Light), Qt::Dense4Pattern));
    }
    painter.setClipping(false);
    paintFocus(painter);
}

void PictureButton::paintFocus(QPainter& painter) {
    if (!hasFocus()) return;
    if (width() >= 20 && height() >= 20) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(3, 3, -3, -3);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
        return;
    }
    // A button as small as its picture has no room for the style's frame, and a ring inside the
    // bevel would lie on the picture's edge. The ring takes the place of the bevel's inner line
    // instead, one pixel inside the border: alternate black and white pixels show on any face,
    // and the whole picture stays in sight.
    const QRect ring = rect().adjusted(1, 1, -2, -2);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(ring);
    QPen dots(Qt::white, 1, Qt::CustomDashLine);
    dots.setDashPattern({1, 1});
    painter.setPen(dots);
    painter.drawRect(ring);
}

void PictureButton::focusInEvent(QFocusEvent* event) {
    QAbstractButton::focusInEvent(event);
    reportFocus();
}

}  // namespace qtui
