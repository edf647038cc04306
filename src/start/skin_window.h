#pragma once
// The skin information window: the current skin's description in a read-only box and the skin's
// name in the caption, both read afresh from .\skin\Pededit.txt at every load.
#include "forms/controls.h"
#include "forms/form.h"
#include "forms/variable.h"

#include <string>

struct App;

namespace start {

class Skin : public forms::Form {
public:
    explicit Skin(App& app);

    forms::CommandButton Ok{*this, "Ok"};  // "Exit"
    forms::TextBox About{*this, "About"};  // the description, read-only

    // ---- Window-level variables: they outlive an unload ----
    forms::Variable<std::string> SkinName{
        *this};  // the skin's name as last read from its description file

    // ---- Handlers ----
    void Ok_Click();

protected:
    void form_load() override;
    void Form_Resize() override;

private:
    void declareControls();
    App& app;
};

}  // namespace start
