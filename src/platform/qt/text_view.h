#pragma once
// A one-line text box: the user's edits and caret go to the model as they happen; text set by
// code comes back with the caret at the start.
#include "platform/qt/control_view.h"

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

private:
    forms::TextBox& box() const { return static_cast<forms::TextBox&>(control()); }
    void reportEdit();
    void typeReplacement(std::int16_t keyAscii);
    // True when the box holds its maximum length of text, not counting a selection to replace.
    bool full() const;
    static bool typesACharacter(const QKeyEvent& event);
};

// Colours, font and enabled state, the same for one-line and multi-line boxes.
void refreshTextBoxLook(QWidget& box, const forms::Design& state, forms::Property what);

}  // namespace qtui
