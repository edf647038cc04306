#pragma once
// The plain (non-graphical) buttons: a push button with its caption, an option button and a
// check box. Their checked state always comes from the model: a click only asks the runtime.
#include "platform/qt/control_view.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

namespace qtui {

class CommandButtonView final : public QPushButton, public ControlView {
public:
    CommandButtonView(forms::CommandButton& button, QWidget* parent);
    QWidget* widget() override { return this; }
    void refresh(forms::Property what) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
};

class OptionButtonView final : public QRadioButton, public ControlView {
public:
    OptionButtonView(forms::OptionButton& option, QWidget* parent);
    QWidget* widget() override { return this; }
    void refresh(forms::Property what) override;

protected:
    void focusInEvent(QFocusEvent* event) override;
};

class CheckBoxView final : public QCheckBox, public ControlView {
public:
    CheckBoxView(forms::CheckBox& box, QWidget* parent);
    QWidget* widget() override { return this; }
    void refresh(forms::Property what) override;

protected:
    void focusInEvent(QFocusEvent* event) override;
};

}  // namespace qtui
