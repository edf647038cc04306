#pragma once
// One widget per control. Every kind has its own small adapter (a widget class that also is a
// ControlView): it draws the control from its live state, re-reads one property when the model
// says it changed, and hands the user's clicks, keys and focus to the runtime.
#include "forms/controls.h"
#include "forms/platform.h"

#include <QtCore/qnamespace.h>

class QMouseEvent;
class QWidget;

namespace forms {
class Runtime;
}

namespace qtui {

class ControlView {
public:
    explicit ControlView(forms::Control& control) : control_(control) {}
    virtual ~ControlView() = default;
    ControlView(const ControlView&) = delete;
    ControlView& operator=(const ControlView&) = delete;

    forms::Control& control() const { return control_; }
    virtual QWidget* widget() = 0;

    // Re-reads `what` (or everything) from the control's live state.
    virtual void refresh(forms::Property what) = 0;

protected:
    const forms::Design& state() const { return control_.peek(); }
    forms::Runtime& runtime() const;

    // Place, size, visibility and tool tip, the same for every kind.
    void refreshCommon(forms::Property what);
    // Where the widget goes; kinds that size themselves to their content override it.
    virtual QRect placement() const;

    // Whether the Tab key stops at the widget: exactly when the runtime's tab order holds its
    // control, so that Qt's focus chain and the runtime's order cannot disagree. A click gives
    // the focus either way.
    Qt::FocusPolicy focusPolicyOfTabOrder() const;

    // A left-button release inside the widget is a click.
    void clickIfReleasedInside(QMouseEvent* event);
    void reportFocus();

private:
    forms::Control& control_;
};

// True when `what` concerns `property` (Everything concerns them all).
inline bool touches(forms::Property what, forms::Property property) {
    return what == property || what == forms::Property::Everything;
}

// The view of one control, a child of `parent`, or nullptr for kinds that show nothing
// (menus, timers, the file dialog).
ControlView* makeControlView(forms::Control& control, QWidget* parent);

}  // namespace qtui
