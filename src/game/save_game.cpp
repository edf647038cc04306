// The save commands of the game window: Save As asks for a file, Save rewrites the current one.
#include <filesystem>

#include "app.h"
#include "forms/errors.h"
#include "game/gamer.h"
#include "game/saved_game.h"

namespace game {
namespace {

const char* const SaveFailedMessage = "File Error has occured while trying to save game";

}  // namespace

void gamer::SAs_Click() {
    // The dialog starts in the current game's folder with its name filled in.
    Dialogs.setFileName(SaveCont.caption());
    Dialogs.ShowSave();
    forms::resumeNext([&] { app.runtime.file().close(); });
    fixUpEmptyScores();
    const std::string path = Dialogs.fileName();
    if (path.empty()) return;
    if (!writeSavedGame(path)) return;
    SaveCont.setCaption(path);
    SA.setEnabled(true);
    returnToStartupFolder(*this, app.runtime);
    markUnchanged();
}

void gamer::SA_Click() {
    forms::resumeNext([&] { app.runtime.file().close(); });
    fixUpEmptyScores();
    if (SaveCont.caption().empty()) {
        app.runtime.msgBox(SaveFailedMessage, forms::vbOKOnlyExclamation, "Error");
        return;
    }
    if (!writeSavedGame(SaveCont.caption())) return;
    returnToStartupFolder(*this, app.runtime);
    markUnchanged();
}

// A score line is never empty in the file: an undecided first match counts as 0 to 0.
void gamer::fixUpEmptyScores() {
    if (Cr1.caption().empty()) Cr1.setCaption("0");
    if (Cr2.caption().empty()) Cr2.setCaption("0");
}

// Writes the game to `path`. The lines are taken first, so that only the writing itself can
// fail; the file it replaces is swapped only once every line is written, and stays whole
// otherwise. A failure is reported and leaves the game marked as it was.
bool gamer::writeSavedGame(const std::string& path) {
    const SavedRecords lines = savedLinesOf(*this);
    forms::TextFile& file = app.runtime.file();
    try {
        // The dialog gives a path of this system, used as it is.
        file.open(std::filesystem::path(path), forms::FileMode::Output);
        for (const std::string& line : lines) file.printLine(line);
        file.close();
        return true;
    } catch (const forms::RuntimeError&) {
        forms::resumeNext([&] { file.close(); });
        app.runtime.msgBox(SaveFailedMessage, forms::vbOKOnlyExclamation, "Error");
        return false;
    }
}

}  // namespace game
