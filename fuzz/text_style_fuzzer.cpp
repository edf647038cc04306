// Any VisColor.txt in the skin: the start window loads with its file closed, and every font size
// it takes is one a control can have; a field that makes no sense leaves its property as designed.
#include "game/skin_files.h"
#include "harness.h"
#include "scenario/scenario.h"

namespace {

class TextStyle : public Scenario {
public:
    void startWithTextStyle(const std::string& bytes) {
        skin_files::writeText(platform.programDir / "Skin" / "VisColor.txt", bytes);
        startProgram();
        start::Start& s = app->Start;
        ASSERT_TRUE(s.isLoaded());
        EXPECT_FALSE(app->runtime.file().isOpen());
        const std::initializer_list<forms::Control*> styled{
            &s.Label1, &s.Label2, &s.Pl1,    &s.Pl2,     &s.Label4,  &s.Label5,  &s.Label6,
            &s.Label7, &s.Label8, &s.Label9, &s.Label10, &s.Label11, &s.UseComp, &s.Label3};
        for (forms::Control* c : styled) {
            const double size = c->peek().font.size;
            EXPECT_TRUE(size == c->designValues().font.size || (size > 0 && size <= 2160))
                << c->name() << " at " << size << " points";
        }
    }
};

std::size_t startProgramWith(const std::string& input) {
    fuzz::FreshProgram<TextStyle>().startWithTextStyle(input);
    return 0;
}

}  // namespace

fuzz::Reader fuzz::makeReader() { return Reader(4, startProgramWith); }
