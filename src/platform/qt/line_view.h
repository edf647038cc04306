#pragma once
// A line from (x1, y1) to (x2, y2) in its colour. It takes no clicks.
#include "platform/qt/control_view.h"

#include <QWidget>

namespace qtui {

class LineView final : public QWidget, public ControlView {
public:
    LineView(forms::Line& line, QWidget* parent);
    QWidget* widget() override { return this; }
    void refresh(forms::Property what) override;

protected:
    QRect placement() const override;
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace qtui
