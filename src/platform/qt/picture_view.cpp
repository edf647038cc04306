#include "platform/qt/picture_view.h"

#include "platform/qt/qt_convert.h"

#include <QMouseEvent>
#include <QPainter>

namespace qtui {

PictureView::PictureView(forms::PictureControl& control, QWidget* parent)
    : QWidget(parent), ControlView(control) {
    setFocusPolicy(Qt::NoFocus);
    refresh(forms::Property::Everything);
}

void PictureView::refresh(forms::Property what) {
    using forms::Property;
    if (touches(what, Property::Picture)) picture_ = toPixmap(state().picture);
    // A disabled panel disables what it holds; an Image looks the same either way (the runtime
    // keeps its clicks away).
    if (isPanel() && touches(what, Property::Enabled)) setEnabled(state().enabled);
    if (touches(what, Property::Picture) || touches(what, Property::BackColor)) update();
    refreshCommon(what);
}

QRect PictureView::placement() const {
    QRect place = ControlView::placement();
    if (isPanel() && state().autoSize && !picture_.isNull()) {
        place.setSize(picture_.size() / picture_.devicePixelRatio() +
                      QSize(2 * borderWidth(), 2 * borderWidth()));
    }
    return place;
}

void PictureView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int border = borderWidth();
    const QRect inside = rect().adjusted(border, border, -border, -border);
    if (isPanel()) {
        painter.fillRect(inside, toQColor(state().backColor, palette().color(QPalette::Button)));
    }
    if (!picture_.isNull()) {
        if (state().stretch) {
            painter.drawPixmap(inside, picture_);
        } else {
            painter.drawPixmap(inside.topLeft(), picture_);
        }
    }
    if (border) {
        painter.setPen(Qt::black);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void PictureView::mousePressEvent(QMouseEvent* event) { event->accept(); }

void PictureView::mouseReleaseEvent(QMouseEvent* event) { clickIfReleasedInside(event); }

}  // namespace qtui
