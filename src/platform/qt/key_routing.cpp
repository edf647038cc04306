#include "platform/qt/key_routing.h"

#include "forms/codepage.h"
#include "forms/form.h"
#include "forms/runtime.h"
#include "platform/qt/qt_convert.h"

#include <QKeyEvent>

namespace qtui {

std::optional<std::int16_t> keyAsciiOf(const QKeyEvent& event) {
    // Ctrl+letter is a shortcut, or nothing: X11 would hand Ctrl+H on as a Backspace and Ctrl+M
    // as an Enter, and a disabled menu's key would then act in the name box after all.
    if (event.modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) return std::nullopt;
    switch (event.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter: return forms::KeyEnter;
        case Qt::Key_Backspace: return forms::KeyBackspace;
        case Qt::Key_Delete: return std::nullopt;  // X11 gives it the text DEL; it types nothing
        default: break;
    }
    const QString text = event.text();
    if (text.isEmpty()) return std::nullopt;
    const std::string ansi = forms::toWindows1252(toStdString(text));
    if (ansi.size() != 1) return std::nullopt;
    return static_cast<std::int16_t>(static_cast<unsigned char>(ansi.front()));
}

QString textOfKeyAscii(std::int16_t keyAscii) {
    const char byte = static_cast<char>(static_cast<unsigned char>(keyAscii & 0xFF));
    return toQString(forms::fromWindows1252(std::string(1, byte)));
}

KeyRouting routeKeyPress(forms::TextBox& box, const QKeyEvent& event) {
    const auto original = keyAsciiOf(event);
    if (!original) return {KeyFate::Apply};
    std::int16_t key = *original;
    forms::Runtime& runtime = box.form().runtime();
    runtime.userKeyPress(box, key);
    // The handler may have closed the window or disabled the box: the key then goes nowhere.
    if (!runtime.acceptsInput(box) || key == 0) return {KeyFate::Swallow};
    if (key == *original) return {KeyFate::Apply};
    return {KeyFate::Replace, key};
}

QKeySequence sequenceOf(const QKeyEvent& event) {
    return QKeySequence(QKeyCombination(event.modifiers() & ~Qt::KeypadModifier,
                                        static_cast<Qt::Key>(event.key())));
}

bool isReachableMenuShortcut(const forms::Form& form, const QKeySequence& key) {
    for (const forms::Control* c : form.controls()) {
        if (c->kind() != forms::ControlKind::Menu || c->peek().shortcut.empty()) continue;
        const auto* item = static_cast<const forms::Menu*>(c);
        if (item->reachable() &&
            QKeySequence(toQString(item->shortcut()), QKeySequence::PortableText) == key)
            return true;
    }
    return false;
}

}  // namespace qtui
