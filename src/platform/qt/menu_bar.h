#pragma once
// The menu bar of a window, built from its Menu controls: a menu without a container is a title
// on the bar, a menu inside another menu is its item (or a submenu when it holds items itself).
// Choosing an item or pressing its shortcut goes to the runtime, which checks that the item and
// every menu above it can be chosen.
#include "forms/controls.h"
#include "forms/form.h"
#include "forms/platform.h"

#include <QObject>
#include <map>

class QAction;
class QMenuBar;

namespace qtui {

class MenuBar final : public QObject {
public:
    // Fills `bar` with the form's menus.
    MenuBar(forms::Form& form, QMenuBar& bar);

    bool handles(const forms::Control& control) const { return actions_.count(&control) != 0; }
    void refresh(const forms::Control& menu, forms::Property what);

private:
    void build(forms::Menu& menu);
    void refreshAll();

    forms::Form& form_;
    QMenuBar& bar_;
    std::map<const forms::Control*, QAction*> actions_;  // items, and the titles' own actions
};

}  // namespace qtui
