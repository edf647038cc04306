#include "forms/timer_queue.h"

#include "forms/controls.h"

namespace forms {

void TimerQueue::schedule(Timer& timer, long long due, long long since) {
    cancel(timer);
    timer.due_ = due;
    timer.since_ = since;
    timer.order_ = nextOrder_++;
    timer.scheduled_ = true;
    // A timer keeps the queue node of its last tick, so re-scheduling allocates nothing.
    if (timer.spareNode_) {
        timer.spareNode_.value() = entryOf(timer);
        entries_.insert(std::move(timer.spareNode_));
    } else {
        entries_.insert(entryOf(timer));
    }
}

void TimerQueue::cancel(Timer& timer) {
    if (!timer.scheduled_) return;
    timer.spareNode_ = entries_.extract(entryOf(timer));
    timer.scheduled_ = false;
}

bool TimerQueue::isScheduled(const Timer& timer) const { return timer.scheduled_; }

TimerQueue::Entry TimerQueue::entryOf(const Timer& timer) const {
    return Entry{timer.due_, timer.since_, timer.order_, const_cast<Timer*>(&timer)};
}

long long TimerQueue::nextDue() const {
    return entries_.empty() ? -1 : std::get<0>(*entries_.begin());
}

Timer* TimerQueue::popDue(long long now) {
    if (entries_.empty() || std::get<0>(*entries_.begin()) > now) return nullptr;
    Timer* timer = std::get<3>(*entries_.begin());
    timer->spareNode_ = entries_.extract(entries_.begin());
    timer->scheduled_ = false;
    return timer;
}

}  // namespace forms
