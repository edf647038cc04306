#pragma once
// A label: text in its colour and font, on its own background or transparent.
#include "platform/qt/control_view.h"

#include <QLabel>

namespace qtui {

class LabelView final : public QLabel, public ControlView {
public:
    LabelView(forms::Label& label, QWidget* parent);
    QWidget* widget() override { return this; }
    void refresh(forms::Property what) override;

protected:
    QRect placement() const override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace qtui
