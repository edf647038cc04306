#include "platform/qt/text_view.h"

#include "forms/form.h"
#include "platform/qt/key_routing.h"
#include "platform/qt/qt_convert.h"

#include <QKeyEvent>
#include <QSignalBlocker>

namespace qtui {

// Colours, font, enabled and locked state: the same for one-line and multi-line boxes.
void refreshTextBoxLook(QWidget& box, const forms::Design& state, forms::Property what) {
    using forms::Property;
    if (touches(what, Property::Font)) box.setFont(toQFont(state.font));
    if (touches(what, Property::Enabled)) box.setEnabled(state.enabled);
    if (touches(what, Property::ForeColor) || touches(what, Property::BackColor)) {
        const QPalette standard;
        QPalette colours = box.palette();
        colours.setColor(QPalette::Text, toQColor(state.foreColor, standard.color(QPalette::Text)));
        colours.setColor(QPalette::Base, toQColor(state.backColor, standard.color(QPalette::Base)));
        box.setPalette(colours);
    }
}

TextView::TextView(forms::TextBox& box, QWidget* parent) : QLineEdit(parent), ControlView(box) {
    setFocusPolicy(state().tabStop ? Qt::StrongFocus : Qt::ClickFocus);
    // The maximum length limits what the user types (see keyPressEvent), not what the program
    // writes: a loaded game may bring a longer name, and it shows whole.
    setMaxLength(32767);
    setReadOnly(state().locked);
    setFrame(true);
    connect(this, &QLineEdit::textEdited, this, [this] { reportEdit(); });
    connect(this, &QLineEdit::cursorPositionChanged, this, [this] {
        // A caret moved by the arrow keys or the mouse: the model learns it too.
        if (control().form().isLoaded() && toStdString(text()) == state().caption) reportEdit();
    });
    refresh(forms::Property::Everything);
}

void TextView::refresh(forms::Property what) {
    if (touches(what, forms::Property::Text)) {
        const QString wanted = toQString(state().caption);
        if (text() != wanted) {
            const QSignalBlocker quiet(this);
            setText(wanted);
            setCursorPosition(0);
        }
    }
    refreshTextBoxLook(*this, state(), what);
    refreshCommon(what);
}

void TextView::reportEdit() {
    if (!control().form().isLoaded()) return;  // the window is on its way out
    box().userEdited(toStdString(text()), cursorPosition());
}

bool TextView::event(QEvent* event) {
    // A box would keep keys such as Ctrl+Z or Ctrl+C for itself; a menu item with that shortcut
    // comes first, as long as it can be chosen.
    if (event->type() == QEvent::ShortcutOverride &&
        isReachableMenuShortcut(control().form(), sequenceOf(*static_cast<QKeyEvent*>(event)))) {
        event->ignore();
        return true;
    }
    return QLineEdit::event(event);
}

void TextView::keyPressEvent(QKeyEvent* event) {
    const KeyRouting routing = routeKeyPress(box(), *event);
    switch (routing.fate) {
        case KeyFate::Apply:
            if (typesACharacter(*event) && full()) {
                event->accept();  // a full box refuses another character
            } else {
                QLineEdit::keyPressEvent(event);
            }
            break;
        case KeyFate::Swallow: event->accept(); break;
        case KeyFate::Replace:
            event->accept();
            typeReplacement(routing.replacement);
            break;
    }
}

bool TextView::full() const {
    const int limit = state().maxLength;
    return limit > 0 && text().size() - selectedText().size() >= limit;
}

bool TextView::typesACharacter(const QKeyEvent& event) {
    const QString typed = event.text();
    return !typed.isEmpty() && typed.front().isPrint() &&
           !(event.modifiers() & (Qt::ControlModifier | Qt::MetaModifier));
}

void TextView::typeReplacement(std::int16_t keyAscii) {
    if (keyAscii == 13) return;
    if (keyAscii == 8) {
        backspace();
    } else if (!full()) {
        insert(textOfKeyAscii(keyAscii));
    }
    reportEdit();
}

void TextView::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    reportFocus();
}

}  // namespace qtui
