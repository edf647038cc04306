#pragma once
// A multi-line text box, usually read-only with scroll bars (help and information texts).
// Lines end in CR LF in the model, as the classic controls keep them.
#include "platform/qt/control_view.h"

#include <QPlainTextEdit>

namespace qtui {

class MemoView final : public QPlainTextEdit, public ControlView {
public:
    MemoView(forms::TextBox& box, QWidget* parent);
    QWidget* widget() override { return this; }
    void refresh(forms::Property what) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    forms::TextBox& box() const { return static_cast<forms::TextBox&>(control()); }
    QString modelText() const;
    void reportEdit();
};

}  // namespace qtui
