#include "platform/qt/control_view.h"

#include "forms/form.h"
#include "forms/runtime.h"
#include "platform/qt/button_views.h"
#include "platform/qt/label_view.h"
#include "platform/qt/line_view.h"
#include "platform/qt/memo_view.h"
#include "platform/qt/picture_button.h"
#include "platform/qt/picture_view.h"
#include "platform/qt/qt_convert.h"
#include "platform/qt/text_view.h"

#include <QMouseEvent>
#include <QWidget>

namespace qtui {

forms::Runtime& ControlView::runtime() const { return control_.form().runtime(); }

QRect ControlView::placement() const { return pixelRect(state()); }

void ControlView::refreshCommon(forms::Property what) {
    QWidget* w = widget();
    if (touches(what, forms::Property::Geometry) || touches(what, forms::Property::Caption) ||
        touches(what, forms::Property::Font) || touches(what, forms::Property::Picture)) {
        // Content can change the size of a control that sizes itself to it.
        const QRect place = placement();
        if (w->geometry() != place) w->setGeometry(place);
    }
    if (touches(what, forms::Property::Visible)) w->setVisible(state().visible);
    if (touches(what, forms::Property::ToolTip)) w->setToolTip(toQString(state().toolTip));
}

Qt::FocusPolicy ControlView::focusPolicyOfTabOrder() const {
    return control_.takesTabFocus() ? Qt::StrongFocus : Qt::ClickFocus;
}

void ControlView::clickIfReleasedInside(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    if (!widget()->rect().contains(event->position().toPoint())) return;
    runtime().userClick(control_);
}

void ControlView::reportFocus() { runtime().userFocus(control_); }

ControlView* makeControlView(forms::Control& control, QWidget* parent) {
    using forms::ControlKind;
    const bool graphical = control.peek().graphical;
    switch (control.kind()) {
        case ControlKind::Label: return new LabelView(static_cast<forms::Label&>(control), parent);
        case ControlKind::Image:
        case ControlKind::PictureBox:
            return new PictureView(static_cast<forms::PictureControl&>(control), parent);
        case ControlKind::CommandButton:
            if (graphical) return new PictureButton(control, parent);
            return new CommandButtonView(static_cast<forms::CommandButton&>(control), parent);
        case ControlKind::OptionButton:
            if (graphical) return new PictureButton(control, parent);
            return new OptionButtonView(static_cast<forms::OptionButton&>(control), parent);
        case ControlKind::CheckBox:
            return new CheckBoxView(static_cast<forms::CheckBox&>(control), parent);
        case ControlKind::TextBox:
            if (control.peek().multiLine) {
                return new MemoView(static_cast<forms::TextBox&>(control), parent);
            }
            return new TextView(static_cast<forms::TextBox&>(control), parent);
        case ControlKind::Line: return new LineView(static_cast<forms::Line&>(control), parent);
        case ControlKind::Menu:
        case ControlKind::Timer:
        case ControlKind::CommonDialog: return nullptr;
    }
    return nullptr;
}

}  // namespace qtui
