#include "platform/qt/button_views.h"

#include "forms/runtime.h"
#include "platform/qt/qt_convert.h"

#include <QKeyEvent>

namespace qtui {
namespace {

// What the three plain buttons share: caption, font, colours, enabled state.
void refreshButton(QAbstractButton& button, const forms::Design& state, forms::Property what) {
    using forms::Property;
    if (touches(what, Property::Caption)) button.setText(toQString(state.caption));
    if (touches(what, Property::Font)) button.setFont(toQFont(state.font));
    if (touches(what, Property::Enabled)) button.setEnabled(state.enabled);
    if (touches(what, Property::ForeColor) || touches(what, Property::BackColor)) {
        const QPalette standard;
        QPalette colours = button.palette();
        colours.setColor(QPalette::ButtonText,
                         toQColor(state.foreColor, standard.color(QPalette::ButtonText)));
        colours.setColor(QPalette::WindowText,
                         toQColor(state.foreColor, standard.color(QPalette::WindowText)));
        colours.setColor(QPalette::Button,
                         toQColor(state.backColor, standard.color(QPalette::Button)));
        button.setPalette(colours);
    }
}

}  // namespace

// ---- CommandButtonView ------------------------------------------------------------------

CommandButtonView::CommandButtonView(forms::CommandButton& button, QWidget* parent)
    : QPushButton(parent), ControlView(button) {
    setFocusPolicy(focusPolicyOfTabOrder());
    setAutoDefault(false);
    connect(this, &QAbstractButton::clicked, this, [this] { runtime().userClick(control()); });
    refresh(forms::Property::Everything);
}

void CommandButtonView::refresh(forms::Property what) {
    refreshButton(*this, state(), what);
    refreshCommon(what);
}

void CommandButtonView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        animateClick();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void CommandButtonView::focusInEvent(QFocusEvent* event) {
    QPushButton::focusInEvent(event);
    reportFocus();
}

// ---- OptionButtonView -------------------------------------------------------------------

OptionButtonView::OptionButtonView(forms::OptionButton& option, QWidget* parent)
    : QRadioButton(parent), ControlView(option) {
    setFocusPolicy(focusPolicyOfTabOrder());
    setAutoExclusive(false);  // the runtime clears the other options of the container
    connect(this, &QAbstractButton::clicked, this, [this] {
        runtime().userClick(control());
        setChecked(state().value != 0);
    });
    refresh(forms::Property::Everything);
}

void OptionButtonView::refresh(forms::Property what) {
    if (touches(what, forms::Property::Value)) setChecked(state().value != 0);
    refreshButton(*this, state(), what);
    refreshCommon(what);
}

void OptionButtonView::focusInEvent(QFocusEvent* event) {
    QRadioButton::focusInEvent(event);
    reportFocus();
}

// ---- CheckBoxView -----------------------------------------------------------------------

namespace {
Qt::CheckState checkStateOf(int value) {
    return value == 0 ? Qt::Unchecked : value == 1 ? Qt::Checked : Qt::PartiallyChecked;
}
}  // namespace

CheckBoxView::CheckBoxView(forms::CheckBox& box, QWidget* parent)
    : QCheckBox(parent), ControlView(box) {
    setFocusPolicy(focusPolicyOfTabOrder());
    setTristate(true);  // 2 is the greyed state; a click never gets there, only code does
    connect(this, &QAbstractButton::clicked, this, [this] {
        runtime().userClick(control());
        setCheckState(checkStateOf(state().value));
    });
    refresh(forms::Property::Everything);
}

void CheckBoxView::refresh(forms::Property what) {
    if (touches(what, forms::Property::Value)) setCheckState(checkStateOf(state().value));
    refreshButton(*this, state(), what);
    refreshCommon(what);
}

void CheckBoxView::focusInEvent(QFocusEvent* event) {
    QCheckBox::focusInEvent(event);
    reportFocus();
}

}  // namespace qtui
