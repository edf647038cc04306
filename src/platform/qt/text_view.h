#pragma once
// A one-line text box: the user's edits and caret go to the model as they happen; text set by
// code comes back with the caret at the start. The maximum length holds for whatever the user
// puts in (typed, pasted, dropped or composed), not for what the program writes.
#include "platform/qt/control_view.h"

#include <QClipboard>
#include <QLineEdit>

namespace qtui {

class TextView final : public QLineEdit, public ControlView {
public:
    TextView(forms::TextBox& box, QWidget* parent);
    QWidget* widget() override { return this; }
    void refresh(forms::Property what) override;

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    forms::TextBox& box() const { return static_cast<forms::TextBox&>(control()); }
    void reportEdit();
    void typeReplacement(std::int16_t keyAscii);
    // How many characters the user may still put in while `replaced` characters of the text
    // make way for them.
    qsizetype room(qsizetype replaced) const;
    // True when the box holds its maximum length of text, not counting a selection to replace.
    bool full() const { return room(selectedText().size()) == 0; }
    // A paste keeps as much of the clipboard's text as fits in place of the selection.
    void pasteWithinLimit(QClipboard::Mode mode);
    static bool typesACharacter(const QKeyEvent& event);
};

// Colours, font and enabled state, the same for one-line and multi-line boxes.
void refreshTextBoxLook(QWidget& box, const forms::Design& state, forms::Property what);

}  // namespace qtui
