// The settings every test and fuzz program needs, made here rather than by the test runner so
// that a program started by hand behaves the same: windows are drawn offscreen, sound goes to a
// silent driver, and under the sanitizers the leaks that libraries below ours leave at exit are
// suppressed as listed, each with its reason, in lsan.supp.
#include <cstdlib>

namespace {

// Before main, so before any Qt application or sound device exists; a variable already set
// is kept.
const bool environmentSet = [] {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    return true;
}();

}  // namespace

#ifdef TESSELBY_LSAN_SUPPRESSIONS
extern "C" const char* __lsan_default_options() {
    return "suppressions=" TESSELBY_LSAN_SUPPRESSIONS ":print_suppressions=0";
}
// A finding shows where it came from.
extern "C" const char* __ubsan_default_options() { return "print_stacktrace=1"; }
#endif
