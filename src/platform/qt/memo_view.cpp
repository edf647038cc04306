#include "platform/qt/memo_view.h"

#include "forms/form.h"
#include "platform/qt/key_routing.h"
#include "platform/qt/qt_convert.h"
#include "platform/qt/text_view.h"

#include <QKeyEvent>
#include <QSignalBlocker>

namespace qtui {

MemoView::MemoView(forms::TextBox& box, QWidget* parent)
    : QPlainTextEdit(parent), ControlView(box) {
    setFocusPolicy(focusPolicyOfTabOrder());
    setReadOnly(state().locked);
    setTabChangesFocus(true);
    const auto bars = state().scrollBars ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff;
    setVerticalScrollBarPolicy(bars);
    setHorizontalScrollBarPolicy(bars);
    setLineWrapMode(state().scrollBars ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
    connect(this, &QPlainTextEdit::textChanged, this, [this] { reportEdit(); });
    refresh(forms::Property::Everything);
}

QString MemoView::modelText() const {
    QString text = toQString(state().caption);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

void MemoView::refresh(forms::Property what) {
    if (touches(what, forms::Property::Text) && toPlainText() != modelText()) {
        const QSignalBlocker quiet(this);
        setPlainText(modelText());
        moveCursor(QTextCursor::Start);
    }
    refreshTextBoxLook(*this, state(), what);
    refreshCommon(what);
}

void MemoView::reportEdit() {
    if (!control().form().isLoaded()) return;
    QString text = toPlainText();
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    box().userEdited(toStdString(text), textCursor().position());
}

void MemoView::keyPressEvent(QKeyEvent* event) {
    const KeyRouting routing = routeKeyPress(box(), *event);
    switch (routing.fate) {
        case KeyFate::Apply: QPlainTextEdit::keyPressEvent(event); break;
        case KeyFate::Swallow: event->accept(); break;
        case KeyFate::Replace:
            event->accept();
            if (!isReadOnly()) {
                const bool enter = routing.replacement == forms::KeyEnter;
                insertPlainText(enter ? QStringLiteral("\n") : textOfKeyAscii(routing.replacement));
            }
            break;
    }
}

void MemoView::focusInEvent(QFocusEvent* event) {
    QPlainTextEdit::focusInEvent(event);
    reportFocus();
}

}  // namespace qtui
