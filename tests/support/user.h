#pragma once
// The scripted user: clicks, keys, typing, menu shortcuts and close boxes, delivered through the
// runtime exactly as the real platform delivers them.
#include "forms/controls.h"
#include "forms/form.h"
#include "forms/runtime.h"

#include <cstdint>
#include <string>

namespace virt {

class User {
public:
    explicit User(forms::Runtime& runtime) : runtime_(runtime) {}

    void click(forms::Control& control) { runtime_.userClick(control); }
    void choose(forms::Menu& item) { runtime_.userMenu(item); }
    bool pressShortcut(forms::Form& form, const std::string& key) {
        return runtime_.userShortcut(form, key);
    }
    void close(forms::Form& form) { runtime_.userClose(form); }
    void focus(forms::Control& control);
    // Moves the focus to the next control in the tab order, as the Tab key does.
    void tab(forms::Form& form);

    // Types each character at the caret: KeyPress first, then the box applies the key (a box at
    // its maximum length refuses it) and raises Change.
    void type(forms::TextBox& box, const std::string& text);
    void pressEnter(forms::TextBox& box) { pressKey(box, 13); }
    void pressBackspace(forms::TextBox& box) { pressKey(box, 8); }
    // Puts the caret at `position` of the box's text.
    void moveCaret(forms::TextBox& box, int position) { box.userEdited(box.text(), position); }

private:
    void pressKey(forms::TextBox& box, std::int16_t key);
    forms::Runtime& runtime_;
};

}  // namespace virt
