#pragma once
// The one ordered timer queue of the program. Ticks fall due in time order; ticks due at the
// same moment run in the order they were scheduled.
#include <set>
#include <tuple>

namespace forms {

class Timer;

class TimerQueue {
public:
    void schedule(Timer& timer, long long due);
    void cancel(Timer& timer);
    bool isScheduled(const Timer& timer) const;
    // The earliest due time, or -1 when nothing is scheduled.
    long long nextDue() const;
    // Takes the earliest timer due at or before `now` off the queue, or returns nullptr.
    Timer* popDue(long long now);
    bool empty() const { return entries_.empty(); }

    using Entry = std::tuple<long long, unsigned long long, Timer*>;
    using Node = std::set<Entry>::node_type;

private:
    std::set<Entry> entries_;
    unsigned long long nextOrder_ = 0;
};

}  // namespace forms
