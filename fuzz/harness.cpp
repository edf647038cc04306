#include "harness.h"

#include <gtest/gtest.h>
#include <sanitizer/allocator_interface.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace fuzz {
namespace {

class AbortOnFailure : public ::testing::EmptyTestEventListener {
    void OnTestPartResult(const ::testing::TestPartResult& result) override {
        if (!result.failed()) return;
        std::fprintf(stderr, "%s:%d: %s\n", result.file_name() ? result.file_name() : "?",
                     result.line_number(), result.message());
        std::abort();
    }
};

std::atomic<std::size_t> heapInUse{0};
std::atomic<std::size_t> heapPeak{0};

void onMalloc(const volatile void*, std::size_t size) {
    const std::size_t now = heapInUse.fetch_add(size, std::memory_order_relaxed) + size;
    std::size_t peak = heapPeak.load(std::memory_order_relaxed);
    while (now > peak && !heapPeak.compare_exchange_weak(peak, now, std::memory_order_relaxed)) {
    }
}

void onFree(const volatile void* pointer) {
    heapInUse.fetch_sub(__sanitizer_get_allocated_size(pointer), std::memory_order_relaxed);
}

}  // namespace

void failuresAbort() {
    static const bool installed = [] {
        ::testing::UnitTest::GetInstance()->listeners().Append(new AbortOnFailure);
        return true;
    }();
    (void)installed;
}

std::size_t heapPeakOf(const std::function<void()>& run) {
    static const bool hooked = [] {
        // Heap allocated before the hooks is never freed through them as more than it was.
        heapInUse = __sanitizer_get_current_allocated_bytes();
        return __sanitizer_install_malloc_and_free_hooks(onMalloc, onFree) != 0;
    }();
    if (!hooked) return 0;
    const std::size_t before = heapInUse.load();
    heapPeak = before;
    run();
    const std::size_t peak = heapPeak.load();
    return peak > before ? peak - before : 0;
}

Reader::Reader(std::size_t timesInput, Read read, const std::vector<std::string>& smallestInputs)
    : timesInput_(timesInput), read_(std::move(read)) {
    std::vector<std::string> inputs = smallestInputs;
    inputs.emplace_back();
    // The first reads fill caches that later ones find filled.
    for (int round = 0; round < 3; ++round) {
        smallestInputPeak_ = 0;
        for (const std::string& input : inputs) {
            smallestInputPeak_ = std::max(smallestInputPeak_, heapPeakOf([&] { read_(input); }));
        }
    }
}

void Reader::operator()(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    std::size_t kept = 0;
    const std::size_t peak = heapPeakOf([&] { kept = read_(input); });
    // What the same input takes varies a little from run to run.
    const std::size_t slack = smallestInputPeak_ / 4 + 64 * 1024;
    const std::size_t budget = smallestInputPeak_ + slack + timesInput_ * (size + kept);
    if (peak > budget) {
        std::fprintf(stderr,
                     "reading %zu bytes took %zu bytes of heap at its peak; the smallest inputs "
                     "take %zu, the budget is %zu\n",
                     size, peak, smallestInputPeak_, budget);
        std::abort();
    }
}

const std::string& scratchFolder() {
    struct Folder {
        std::string path;
        Folder() {
            std::string pattern =
                (std::filesystem::temp_directory_path() / "tesselby-fuzz-XXXXXX").string();
            path = mkdtemp(pattern.data()) ? pattern : std::string();
            if (path.empty()) std::abort();
        }
        ~Folder() {
            std::error_code ignored;
            std::filesystem::remove_all(path, ignored);
        }
    };
    static const Folder folder;
    return folder.path;
}

}  // namespace fuzz
