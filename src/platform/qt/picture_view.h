#pragma once
// An Image or a PictureBox: its picture at its own size from the top left, or stretched to the
// control (Image), an optional single-line border, and for a PictureBox its background colour
// and the controls it holds as a panel.
#include "platform/qt/control_view.h"

#include <QPixmap>
#include <QWidget>

namespace qtui {

class PictureView final : public QWidget, public ControlView {
public:
    PictureView(forms::PictureControl& control, QWidget* parent);
    QWidget* widget() override { return this; }
    void refresh(forms::Property what) override;

protected:
    QRect placement() const override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool isPanel() const { return control().kind() == forms::ControlKind::PictureBox; }
    int borderWidth() const { return state().border ? 1 : 0; }
    QPixmap picture_;
};

}  // namespace qtui
