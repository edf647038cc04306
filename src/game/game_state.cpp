// The game's state by name. The hidden controls stay the master copy and keep the captions that
// saved games and the other windows rely on; these accessors only give the rules their words.
#include "game/gamer.h"

#include <string>

namespace game {

namespace {

constexpr const char* Changed = "ACTIVE";

// "1" or "2" as the number it names; any other caption is no turn.
int turnNamedBy(const std::string& caption) {
    if (caption == "1") return 1;
    if (caption == "2") return 2;
    return 0;
}

}  // namespace

bool gamer::watched() { return CvsC.value() == 1; }
void gamer::setWatched(bool on) { CvsC.setValue(on ? 1 : 0); }

forms::ShowMode gamer::sideWindowMode() {
    return watched() ? forms::ShowMode::Modeless : forms::ShowMode::Modal;
}

bool gamer::changedSinceSave() { return Opx1.caption() == Changed; }
void gamer::markChanged() { Opx1.setCaption(Changed); }
void gamer::markUnchanged() { Opx1.setCaption(""); }

Opponent gamer::opponent() {
    const std::string& kind = Tmplabel2.caption();
    if (kind == "1") return Opponent::Computer;
    if (kind == "2") return Opponent::Human;
    return Opponent::Unchosen;
}

void gamer::setOpponent(Opponent kind) {
    Tmplabel2.setCaption(kind == Opponent::Computer ? "1" : kind == Opponent::Human ? "2" : "");
}

Level gamer::level() {
    const std::string& level = CompSkill.caption();
    if (level == "1") return Level::Easy;
    if (level == "2") return Level::Normal;
    if (level == "3") return Level::Hard;
    return Level::None;
}

void gamer::setLevel(Level level) {
    CompSkill.setCaption(level == Level::Easy     ? "1"
                         : level == Level::Normal ? "2"
                         : level == Level::Hard   ? "3"
                                                  : "");
}

int gamer::recordedTurn() { return turnNamedBy(Label1.caption()); }
void gamer::recordTurn(std::int16_t turn) { Label1.setCaption(std::to_string(turn)); }

int gamer::handedOverTurn() { return turnNamedBy(Bn1.caption()); }
void gamer::handOverTurn(int turn) { Bn1.setCaption(turn == 1 ? "1" : turn == 2 ? "2" : ""); }

}  // namespace game
