#include "platform/qt/menu_bar.h"

#include "forms/runtime.h"
#include "platform/qt/control_view.h"
#include "platform/qt/qt_convert.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <algorithm>

namespace qtui {
namespace {

bool holdsItems(const forms::Form& form, const forms::Control& menu) {
    const auto& all = form.controls();
    return std::any_of(all.begin(), all.end(), [&](const forms::Control* c) {
        return c->kind() == forms::ControlKind::Menu && c->peek().container == &menu;
    });
}

}  // namespace

MenuBar::MenuBar(forms::Form& form, QMenuBar& bar) : QObject(&bar), form_(form), bar_(bar) {
    // Declaration order puts every menu after the menu that holds it.
    for (forms::Control* c : form.controls()) {
        if (c->kind() == forms::ControlKind::Menu) build(static_cast<forms::Menu&>(*c));
    }
    refreshAll();
}

void MenuBar::build(forms::Menu& menu) {
    const forms::Menu* parent = menu.parentMenu();
    QMenu* holder = nullptr;
    if (parent) {
        auto it = actions_.find(parent);
        if (it == actions_.end() || !it->second->menu()) return;  // its holder is not a menu
        holder = it->second->menu();
    }
    const QString caption = toQString(menu.peek().caption);
    QAction* action = nullptr;
    if (holdsItems(form_, menu)) {
        QMenu* submenu = holder ? holder->addMenu(caption) : bar_.addMenu(caption);
        action = submenu->menuAction();
    } else {
        action = holder ? holder->addAction(caption) : bar_.addAction(caption);
        if (!menu.peek().shortcut.empty()) {
            action->setShortcut(
                QKeySequence(toQString(menu.peek().shortcut), QKeySequence::PortableText));
            action->setShortcutContext(Qt::WindowShortcut);
        }
        forms::Menu* item = &menu;
        connect(action, &QAction::triggered, this,
                [this, item] { form_.runtime().userMenu(*item); });
    }
    action->setSeparator(menu.peek().caption == "-");
    actions_[&menu] = action;
}

void MenuBar::refresh(const forms::Control& menu, forms::Property what) {
    using forms::Property;
    auto it = actions_.find(&menu);
    if (it == actions_.end()) return;
    if (touches(what, Property::Caption)) it->second->setText(toQString(menu.peek().caption));
    // A title switched off or on takes its items' shortcuts with it.
    if (touches(what, Property::Enabled) || touches(what, Property::Visible)) refreshAll();
}

void MenuBar::refreshAll() {
    for (auto& [control, action] : actions_) {
        const auto& menu = static_cast<const forms::Menu&>(*control);
        action->setVisible(menu.peek().visible);
        // A title shows its own state; an item is live only while everything above it is.
        action->setEnabled(action->menu() ? menu.peek().enabled : menu.reachable());
    }
}

}  // namespace qtui
