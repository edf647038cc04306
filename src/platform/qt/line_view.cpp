#include "platform/qt/line_view.h"

#include "platform/qt/qt_convert.h"

#include <QPainter>

namespace qtui {

LineView::LineView(forms::Line& line, QWidget* parent) : QWidget(parent), ControlView(line) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    refresh(forms::Property::Everything);
}

void LineView::refresh(forms::Property what) {
    if (touches(what, forms::Property::ForeColor)) update();
    refreshCommon(what);
}

QRect LineView::placement() const {
    // The widget just covers the line, end points included.
    const QPoint from(toPixels(state().x1), toPixels(state().y1));
    const QPoint to(toPixels(state().x2), toPixels(state().y2));
    return QRect(from, to).normalized();
}

void LineView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(toQColor(state().foreColor, Qt::black));
    const QPoint origin = placement().topLeft();
    painter.drawLine(QPoint(toPixels(state().x1), toPixels(state().y1)) - origin,
                     QPoint(toPixels(state().x2), toPixels(state().y2)) - origin);
}

}  // namespace qtui
