#pragma once
// The one ordered timer queue of the program. Ticks fall due in time order; ticks due at the
// same moment run in the order they were scheduled: first by the moment they were scheduled at,
// then by the order of scheduling.
#include <set>
#include <tuple>

namespace forms {

class Timer;

class TimerQueue {
public:
    // Due time, the moment the tick was scheduled at, the order of scheduling, the timer.
    // Entries compare in the queue's order; the order of scheduling is never shared.
    using Entry = std::tuple<long long, long long, unsigned long long, Timer*>;
    using Node = std::set<Entry>::node_type;

    // Schedules the timer's next tick at `due`, scheduled at the moment `since`.
    void schedule(Timer& timer, long long due, long long since);
    void cancel(Timer& timer);
    bool isScheduled(const Timer& timer) const;
    // The earliest due time, or -1 when nothing is scheduled.
    long long nextDue() const;
    // Takes the earliest timer due at or before `now` off the queue, or returns nullptr.
    Timer* popDue(long long now);
    bool empty() const { return entries_.empty(); }
    // Every scheduled tick, earliest first.
    const std::set<Entry>& entries() const { return entries_; }
    // The entry of a scheduled timer.
    Entry entryOf(const Timer& timer) const;

private:
    std::set<Entry> entries_;
    unsigned long long nextOrder_ = 0;
};

}  // namespace forms
