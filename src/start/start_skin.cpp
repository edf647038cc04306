// The start window's skin: pictures from the Skin folder beside the program (whatever the working
// directory), then colours, font names and font sizes from its VisColor.txt. Every picture load,
// field read and property write is a step of its own: one that fails is skipped, silently, and
// leaves that one property as designed.
#include "app.h"
#include "forms/convert.h"
#include "forms/errors.h"
#include "start/start.h"

namespace start {
namespace {

using forms::resumeNext;

// The largest font size a control takes, in points.
constexpr float LargestFontSize = 2160;

// The longest VisColor.txt read: its 41 fields are colour numbers, font names and sizes, some
// three hundred bytes in the default skin. A longer file is no text style and is read as none.
constexpr long long LongestTextStyle = 64 << 10;

forms::RuntimeError invalidPropertyValue() {
    return forms::RuntimeError(forms::ErrorCode::InvalidPropertyValue, "Invalid property value");
}

// A text colour: a number in the BGR layout, or one of the classic system colours (high bit set),
// which the platform draws in its own colours.
forms::Color colourOf(const std::string& field) {
    const auto colour = static_cast<forms::Color>(forms::toLong(field));
    const bool plain = colour <= 0xFFFFFFu;
    const bool system = (colour & 0xFFFFFF00u) == 0x80000000u && (colour & 0xFFu) <= 0x18u;
    if (!plain && !system) throw invalidPropertyValue();
    return colour;
}

float fontSizeOf(const std::string& field) {
    const float size = forms::toSingle(field);
    if (!(size > 0 && size <= LargestFontSize)) throw invalidPropertyValue();
    return size;
}

// The font name and the size are separate properties: each write keeps the other one. They are
// written during the window's own load, so its controls' live state is there to read.
template <class C>
void setFontName(C& control, const std::string& name) {
    forms::Font font = control.peek().font;
    font.name = name;
    control.setFont(font);
}

template <class C>
void setFontSize(C& control, float size) {
    forms::Font font = control.peek().font;
    font.size = size;
    control.setFont(font);
}

}  // namespace

void Start::applySkin() {
    const std::string folder = app.runtime.programFolder() + "\\Skin\\";
    // Each control loads its own copy of the file.
    auto skinPicture = [&](const char* file) {
        return forms::Picture::load(app.runtime.resolve(folder + file));
    };

    resumeNext([&] { Image1.setPicture(skinPicture("Topbar.bmp")); });
    resumeNext([&] { setPicture(skinPicture("Back1.bmp")); });
    for (forms::OptionButton* option :
         {&Option1, &Option2, &Option3, &Option4, &Option5, &Option6, &Option7}) {
        resumeNext([&] { option->setPicture(skinPicture("Topbar.bmp")); });
    }
    for (forms::PictureBox* panel : {&Frame1, &Frame2, &Frame3, &Frame4}) {
        resumeNext([&] { panel->setPicture(skinPicture("Back1.bmp")); });
    }

    // A file that is missing, short or too long leaves the fields it could not read as they were,
    // so a later load applies the last reading that succeeded.
    forms::TextFile& file = app.runtime.file();
    resumeNext([&] { file.close(); });
    resumeNext([&] {
        app.runtime.openFile(folder + "VisColor.txt", forms::FileMode::Input, LongestTextStyle);
    });
    for (std::string& field : VisColor) {
        resumeNext([&] { field = file.readField(); });
    }
    applyTextStyle();
    resumeNext([&] { file.close(); });
}

void Start::applyTextStyle() {
    auto field = [&](int number) -> const std::string& { return VisColor[number - 1]; };
    auto colourAndFont = [&](auto& control, int colourField) {
        resumeNext([&] { control.setForeColor(colourOf(field(colourField))); });
        resumeNext([&] { setFontName(control, field(colourField + 1)); });
    };
    auto size = [&](auto& control, int sizeField) {
        resumeNext([&] { setFontSize(control, fontSizeOf(field(sizeField))); });
    };

    // Fields 1 to 27: a colour and a font name for each labelled control; the Watch button takes
    // a font name only.
    colourAndFont(Label1, 1);
    colourAndFont(Label2, 3);
    colourAndFont(Pl1, 5);
    colourAndFont(Pl2, 7);
    colourAndFont(Label4, 9);
    colourAndFont(Label5, 11);
    colourAndFont(Label6, 13);
    colourAndFont(Label7, 15);
    colourAndFont(Label8, 17);
    colourAndFont(Label9, 19);
    colourAndFont(Label10, 21);
    colourAndFont(Label11, 23);
    resumeNext([&] { setFontName(UseComp, field(25)); });
    colourAndFont(Label3, 26);

    // Fields 28 to 41: the fourteen font sizes, in the same control order.
    size(Label1, 28);
    size(Label2, 29);
    size(Pl1, 30);
    size(Pl2, 31);
    size(Label4, 32);
    size(Label5, 33);
    size(Label6, 34);
    size(Label7, 35);
    size(Label8, 36);
    size(Label9, 37);
    size(Label10, 38);
    size(Label11, 39);
    size(UseComp, 40);
    size(Label3, 41);
}

}  // namespace start
