// Any file opened with the start window's Load Game, checked as the suite checks its seeded cases.
#include "harness.h"
#include "start/start_window_load.h"

namespace {

struct Loads : StartWindowLoad {
    using StartWindowLoad::loadChecked;
};

std::size_t load(const std::string& input) {
    fuzz::FreshProgram<Loads>().loadChecked(input);
    return 0;
}

}  // namespace

// A name of nearly the whole file is held several times over while it loads: in the file read
// whole, as the field read and as converted, in the records, and in the labels of two windows.
fuzz::Reader fuzz::makeReader() { return Reader(8, load); }
