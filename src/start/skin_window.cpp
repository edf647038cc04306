// The skin information window. Everything it reads may be missing or broken: each step that
// fails is skipped on its own, so the window always opens, at worst with its credit line.
#include "start/skin_window.h"

#include "app.h"
#include "forms/codepage.h"
#include "forms/errors.h"

namespace start {
using forms::LightGrey;

namespace {

// Lower-case "skin": the same folder as the game window's .\Skin\, found whatever its case.
constexpr const char* DescriptionFile = ".\\skin\\Pededit.txt";
constexpr const char* CreditLine = "No description came with this skin. Tesselby V.1.0";
constexpr const char* CaptionSuffix = ") - Tesselby";

// Box edges kept by the resize, in twips. The box keeps the same margin inside the client area
// on its left, on its right and below it: three whole pixels, so that rounding to pixels cannot
// make them differ.
constexpr int BoxMargin = 45, BoxTop = 500;

// The box shows the whole file as one text: a longer description is refused like a string that
// does not fit, before it is read, and the window keeps its credit line.
constexpr long long LongestDescription = forms::TextFile::maxFieldBytes;

}  // namespace

Skin::Skin(App& app) : forms::Form(app.runtime, "Skin"), app(app) {
    design(forms::FormDesign{
        .caption = "About ",
        .border = forms::BorderStyle::SizableToolWindow,
        .showInTaskbar = false,
        .clientWidth = 4635,
        .clientHeight = 3510,
        .centred = true,
    });
    declareControls();
    on(Ok.Click, &Skin::Ok_Click);
}

void Skin::declareControls() {
    // One control a line or two, as a form designer lays them out.
    // clang-format off
    // Esc closes the window as well as a click does.
    Ok.design({.left = 45, .top = 45, .width = 870, .height = 255, .caption = "Exit",
               .tabIndex = 0, .isCancel = true});
    About.design({.left = 30, .top = 375, .width = 4575, .height = 3090, .backColor = LightGrey,
                  .tabIndex = 1, .multiLine = true, .locked = true, .scrollBars = true});
    // clang-format on
}

void Skin::form_load() {
    using forms::resumeNext;

    About.setText(CreditLine);

    forms::TextFile& file = app.runtime.file();
    resumeNext([&] { file.close(); });
    auto openDescription = [&] {
        app.runtime.openFile(DescriptionFile, forms::FileMode::Input, LongestDescription);
    };
    resumeNext(openDescription);
    resumeNext([&] { About.setText(forms::fromWindows1252(file.readAllBytes())); });
    resumeNext([&] { file.close(); });

    // The name is the file's first field: its first line up to a comma, or a quoted text.
    resumeNext(openDescription);
    resumeNext([&] { SkinName = file.readField(); });
    // The caption is "About " again at every load, so the name never appears twice.
    resumeNext([&] { setCaption(caption() + " (" + SkinName.get() + CaptionSuffix); });
    resumeNext([&] { file.close(); });
}

void Skin::Form_Resize() {
    // Too small a window leaves no room for the box: it then keeps its place and size.
    forms::resumeNext([&] {
        About.move(BoxMargin, BoxTop, clientWidth() - 2 * BoxMargin,
                   clientHeight() - BoxTop - BoxMargin);
    });
}

void Skin::Ok_Click() { unload(); }

}  // namespace start
