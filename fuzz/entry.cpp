// libFuzzer's entry point, the same for every fuzz target.
#include "harness.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::failuresAbort();
    static fuzz::Reader reader = fuzz::makeReader();
    reader(data, size);
    return 0;
}
