#include "user.h"

#include <algorithm>
#include <vector>

namespace virt {

void User::focus(forms::Control& control) {
    if (runtime_.acceptsInput(control)) runtime_.setFocus(control);
}

void User::tab(forms::Form& form) {
    const auto order = runtime_.tabOrder(form);
    if (order.empty()) return;
    auto current = std::find(order.begin(), order.end(), form.activeControl());
    auto next =
        (current == order.end() || current + 1 == order.end()) ? order.begin() : current + 1;
    runtime_.setFocus(**next);
}

void User::type(forms::TextBox& box, const std::string& text) {
    if (box.form().activeControl() != &box) {
        focus(box);
        moveCaret(box, static_cast<int>(box.text().size()));
    }
    for (char ch : text) {
        std::int16_t key = static_cast<unsigned char>(ch);
        if (!runtime_.acceptsInput(box)) return;
        runtime_.userKeyPress(box, key);
        if (key == 0 || !runtime_.acceptsInput(box)) continue;
        std::string current = box.text();
        const int max = box.maxLength();
        if (max > 0 && static_cast<int>(current.size()) >= max) continue;
        const int caret = std::min<int>(box.selStart(), static_cast<int>(current.size()));
        current.insert(current.begin() + caret, static_cast<char>(key));
        box.userEdited(current, caret + 1);
    }
}

void User::pressKey(forms::TextBox& box, std::int16_t key) {
    if (!runtime_.acceptsInput(box)) return;
    runtime_.userKeyPress(box, key);
    if (key != 8 || !runtime_.acceptsInput(box)) return;
    std::string current = box.text();
    const int caret = std::min<int>(box.selStart(), static_cast<int>(current.size()));
    if (caret == 0) return;
    current.erase(current.begin() + caret - 1);
    box.userEdited(current, caret - 1);
}

}  // namespace virt
