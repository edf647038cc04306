// Any Pededit.txt in the skin: the skin window shows the whole file in its box and names the
// skin in its caption, with the file closed again.
#include "forms/codepage.h"
#include "game/skin_files.h"
#include "harness.h"
#include "scenario/scenario.h"

namespace {

bool startsWith(const std::string& text, const std::string& start) {
    return text.compare(0, start.size(), start) == 0;
}
bool endsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

class SkinDescription : public Scenario {
public:
    void openSkinInfo(const std::string& bytes) {
        skin_files::writeText(folder() / "Skin" / "Pededit.txt", bytes);
        startProgram();
        start::Skin& skin = app->Skin;
        skin.load();
        EXPECT_EQ(skin.About.text(), forms::fromWindows1252(bytes));
        EXPECT_TRUE(startsWith(skin.caption(), "About  (")) << skin.caption();
        EXPECT_TRUE(endsWith(skin.caption(), ") - Tesselby")) << skin.caption();
        EXPECT_FALSE(app->runtime.file().isOpen());
    }
};

std::size_t openSkinInfoWith(const std::string& input) {
    fuzz::FreshProgram<SkinDescription>().openSkinInfo(input);
    return 0;
}

}  // namespace

fuzz::Reader fuzz::makeReader() { return Reader(4, openSkinInfoWith); }
