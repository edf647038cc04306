#pragma once
// A graphical button: a CommandButton showing its normal, pressed and disabled pictures, or an
// OptionButton drawn as a small push button with its picture, pressed while it is selected.
#include "platform/qt/control_view.h"

#include <QAbstractButton>
#include <QPixmap>

class QPainter;

namespace qtui {

class PictureButton final : public QAbstractButton, public ControlView {
public:
    // `control` is a CommandButton or an OptionButton.
    PictureButton(forms::Control& control, QWidget* parent);
    QWidget* widget() override { return this; }
    void refresh(forms::Property what) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    bool isOption() const { return control().kind() == forms::ControlKind::OptionButton; }
    bool looksPressed() const;
    QPixmap pictureToShow() const;
    void paintFocus(QPainter& painter);

    QPixmap normal_, pressed_, disabled_;
};

}  // namespace qtui
