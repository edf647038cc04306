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
    setFocusPolicy(state().tabStop ? Qt::StrongFocus : Qt::ClickFocus);
    connect(this, &QAbstractButton::clicked, this, [this] { runtime().userClick(this->control()); });
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

bool PictureButton::looksPressed() const {
    return isDown() || (isOption() && state().value != 0);
}

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
    // The classic square button face: raised, or sunken while pressed. A selected option stays
    // down and shows the checkered face of a latched button.
    const bool down = looksPressed();
    const QBrush face = palette().button();
    qDrawWinButton(&painter, rect(), palette(), down, &face);
    if (down && !isDown()) {
        painter.fillRect(rect().adjusted(2, 2, -2, -2), QBrush(palette().color(QPalette::Light), Qt::Dense4Pattern));
    }

    // The picture sits in the middle and moves by a pixel while the button is down; a caption
    // goes under the picture, or in the middle without one.
    const QPoint shift = down ? QPoint(1, 1) : QPoint(0, 0);
    const QPixmap picture = normal_.isNull() && disabled_.isNull() ? QPixmap() : pictureToShow();
    const QSize pictureSize = picture.isNull() ? QSize() : picture.size() / picture.devicePixelRatio();
    const QString caption = text();
    const int captionHeight = caption.isEmpty() ? 0 : fontMetrics().height();
    const int top = (height() - pictureSize.height() - captionHeight) / 2;
    painter.setClipRect(rect().adjusted(2, 2, -2, -2));
    if (!picture.isNull()) {
        painter.drawPixmap(QPoint((width() - pictureSize.width()) / 2, top) + shift, picture);
    }
    if (!caption.isEmpty()) {
        const QRect band(0, top + pictureSize.height(), width(), captionHeight);
        style()->drawItemText(&painter, band.translated(shift), Qt::AlignCenter, palette(),
                              isEnabled(), caption, QPalette::ButtonText);
    }
    // A button as small as a picture has no room for a focus frame beside it.
    if (hasFocus() && width() >= 20 && height() >= 20) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(3, 3, -3, -3);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

void PictureButton::focusInEvent(QFocusEvent* event) {
    QAbstractButton::focusInEvent(event);
    reportFocus();
}

}  // namespace qtui
