#include "platform/qt/text_view.h"

#include "forms/form.h"
#include "platform/qt/key_routing.h"
#include "platform/qt/qt_convert.h"

#include <QContextMenuEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QSignalBlocker>
#include <algorithm>
#include <limits>

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
    setFocusPolicy(focusPolicyOfTabOrder());
    // The maximum length limits what the user puts in (see room), not what the program writes:
    // a loaded game may bring a longer name, and it shows whole.
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
            } else if (event->matches(QKeySequence::Paste)) {
                event->accept();
                pasteWithinLimit(QClipboard::Clipboard);
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

qsizetype TextView::room(qsizetype replaced) const {
    const int limit = state().maxLength;
    if (limit <= 0) return std::numeric_limits<qsizetype>::max();
    return std::max<qsizetype>(0, limit - (text().size() - replaced));
}

void TextView::pasteWithinLimit(QClipboard::Mode mode) {
    if (isReadOnly()) return;
    const QString pasted = QGuiApplication::clipboard()->text(mode);
    const QString kept = pasted.left(room(selectedText().size()));
    // A full box refuses the paste; an empty clipboard only takes the selection away.
    if (pasted.isEmpty() ? !hasSelectedText() : kept.isEmpty()) return;
    insert(kept);
}

void TextView::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    // The menu's Paste keeps to the maximum length like every other paste. The item is the one
    // wired to the box's own paste (by name in older Qt versions, directly in newer ones).
    for (QAction* item : menu->actions()) {
        const bool pastes = disconnect(item, SIGNAL(triggered()), this, SLOT(paste())) ||
                            disconnect(item, &QAction::triggered, this, &QLineEdit::paste);
        if (pastes)
            connect(item, &QAction::triggered, this,
                    [this] { pasteWithinLimit(QClipboard::Clipboard); });
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void TextView::mouseReleaseEvent(QMouseEvent* event) {
    // A middle click pastes the text selected anywhere on the desktop, where the desktop has that.
    if (event->button() == Qt::MiddleButton && !isReadOnly() &&
        QGuiApplication::clipboard()->supportsSelection()) {
        event->accept();
        deselect();
        pasteWithinLimit(QClipboard::Selection);
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void TextView::dropEvent(QDropEvent* event) {
    // Dropped text goes in at the mouse, beside the text already there.
    const QString dropped = event->mimeData()->text();
    const qsizetype fits = room(0);
    if (dropped.size() <= fits) {
        QLineEdit::dropEvent(event);
        return;
    }
    if (fits == 0) {
        event->ignore();  // a full box refuses the drop
        return;
    }
    QMimeData kept;
    kept.setText(dropped.left(fits));
    QDropEvent trimmed(event->position(), event->possibleActions(), &kept, event->buttons(),
                       event->modifiers(), event->type());
    trimmed.setDropAction(event->dropAction());
    QLineEdit::dropEvent(&trimmed);
    event->setDropAction(trimmed.dropAction());
    event->setAccepted(trimmed.isAccepted());
}

void TextView::inputMethodEvent(QInputMethodEvent* event) {
    // Characters composed by an input method (accents, other scripts) are typed characters too.
    const QString composed = event->commitString();
    const qsizetype fits = room(selectedText().size() + event->replacementLength());
    if (composed.size() <= fits) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent trimmed(event->preeditString(), event->attributes());
    trimmed.setCommitString(composed.left(fits), event->replacementStart(),
                            event->replacementLength());
    QLineEdit::inputMethodEvent(&trimmed);
    event->setAccepted(trimmed.isAccepted());
}

bool TextView::typesACharacter(const QKeyEvent& event) {
    const QString typed = event.text();
    return !typed.isEmpty() && typed.front().isPrint() &&
           !(event.modifiers() & (Qt::ControlModifier | Qt::MetaModifier));
}

void TextView::typeReplacement(std::int16_t keyAscii) {
    if (keyAscii == forms::KeyEnter) return;
    if (keyAscii == forms::KeyBackspace) {
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
