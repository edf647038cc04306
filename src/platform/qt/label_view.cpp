#include "platform/qt/label_view.h"

#include "platform/qt/qt_convert.h"

#include <QMouseEvent>

namespace qtui {

LabelView::LabelView(forms::Label& label, QWidget* parent) : QLabel(parent), ControlView(label) {
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setContentsMargins(0, 0, 0, 0);
    setFocusPolicy(Qt::NoFocus);
    refresh(forms::Property::Everything);
}

void LabelView::refresh(forms::Property what) {
    using forms::Property;
    // A label that sizes itself stays on one line; any other wraps its words within its box.
    if (touches(what, Property::Everything)) setWordWrap(!state().autoSize);
    if (touches(what, Property::Font)) setFont(toQFont(state().font));
    if (touches(what, Property::Caption)) setText(toQString(state().caption));
    if (touches(what, Property::ForeColor) || touches(what, Property::BackColor)) {
        QPalette colours = palette();
        colours.setColor(QPalette::WindowText,
                         toQColor(state().foreColor, QPalette().color(QPalette::WindowText)));
        colours.setColor(QPalette::Window,
                         toQColor(state().backColor, QPalette().color(QPalette::Window)));
        setPalette(colours);
        setAutoFillBackground(!state().transparent);
    }
    refreshCommon(what);
}

QRect LabelView::placement() const {
    QRect place = ControlView::placement();
    if (state().autoSize) place.setSize(sizeHint());
    return place;
}

void LabelView::mousePressEvent(QMouseEvent* event) { event->accept(); }

void LabelView::mouseReleaseEvent(QMouseEvent* event) { clickIfReleasedInside(event); }

}  // namespace qtui
