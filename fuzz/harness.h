#pragma once
// What every fuzz target shares. A failed expectation of the suite's checks ends the run like a
// crash, so that libFuzzer keeps the input that caused it. And reading one input may take no more
// heap than reading an empty one plus a few times the input: a small file must never make the
// program allocate as if it were a large one.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace fuzz {

// The first failed EXPECT or ASSERT from here on prints its message and aborts.
void failuresAbort();

// Heap in use at the peak of `run`, above what was in use when it began.
std::size_t heapPeakOf(const std::function<void()>& run);

// Reads each input with `read`, which returns the bytes of what it rightly keeps from the input
// (a decoded picture, say; 0 for most readers), and aborts when the heap at its peak exceeds what
// the smallest inputs take by more than `timesInput` times the input and what is kept. The
// smallest inputs are the empty one and any given here: a first read of a kind of input (the
// first picture of a format, say) loads what every later read of that kind finds loaded.
class Reader {
public:
    using Read = std::function<std::size_t(const std::string& input)>;
    Reader(std::size_t timesInput, Read read, const std::vector<std::string>& smallestInputs = {});
    void operator()(const std::uint8_t* data, std::size_t size);

private:
    std::size_t timesInput_;
    Read read_;
    std::size_t smallestInputPeak_ = 0;
};

// A fresh, empty folder of this run, removed at exit.
const std::string& scratchFolder();

// Made by each fuzz target: the reader libFuzzer's inputs go to.
Reader makeReader();

// A fresh program on the virtual platform, set up as the suite's scenario `Case` sets it up: each
// input meets the same program, so that a finding replays alone.
template <class Case>
class FreshProgram : public Case {
public:
    FreshProgram() { Case::SetUp(); }
    void TestBody() override {}
};

}  // namespace fuzz
