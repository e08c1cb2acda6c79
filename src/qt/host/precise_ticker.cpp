#include "qt/host/precise_ticker.h"

#include "platform/linux/monotonic_timer.h"

#include <QSocketNotifier>
#include <QTimer>

namespace zqf::qt {

namespace {

constexpr int64_t ns_per_ms = 1'000'000;

} // namespace

PreciseTicker::PreciseTicker(QObject* parent, std::function<void()> tick)
    : QObject(parent), tick_(std::move(tick)), clock_(MonotonicTimer::create()) {
    if (clock_) {
        notifier_ = new QSocketNotifier(clock_->fd(), QSocketNotifier::Read, this);
        notifier_->setEnabled(false);
        connect(notifier_, &QSocketNotifier::activated, this, [this] { expired(); });
        return;
    }
    use_fallback();
}

void PreciseTicker::use_fallback() {
    if (notifier_ != nullptr) {
        notifier_->setEnabled(false);
    }
    clock_.reset();
    fallback_ = new QTimer(this);
    fallback_->setSingleShot(true);
    fallback_->setTimerType(Qt::PreciseTimer);
    connect(fallback_, &QTimer::timeout, this, [this] { expired(); });
}

PreciseTicker::~PreciseTicker() = default;

void PreciseTicker::schedule(int interval_ms) {
    if (interval_ms <= 0) {
        unschedule();
        return;
    }
    anchor_ns_ = monotonic_ns();
    interval_ns_ = int64_t{interval_ms} * ns_per_ms;
    arm();
}

void PreciseTicker::unschedule() {
    interval_ns_ = 0;
    disarm();
}

void PreciseTicker::set_paused(bool paused) {
    if (paused == paused_) {
        return;
    }
    paused_ = paused;
    arm();
}

int64_t PreciseTicker::next_due(int64_t now_ns) const {
    const int64_t passed = now_ns > anchor_ns_ ? now_ns - anchor_ns_ : 0;
    return anchor_ns_ + (passed / interval_ns_ + 1) * interval_ns_;
}

void PreciseTicker::arm() {
    if (!running()) {
        disarm();
        return;
    }
    const int64_t now = monotonic_ns();
    const int64_t due = next_due(now);
    if (clock_) {
        if (clock_->arm(due, interval_ns_)) {
            notifier_->setEnabled(true);
            return;
        }
        // The descriptor refuses: the Qt timer carries on from here.
        use_fallback();
    }
    const int64_t wait_ms = (due - now + ns_per_ms - 1) / ns_per_ms;
    fallback_->start(static_cast<int>(wait_ms));
}

void PreciseTicker::disarm() {
    if (clock_) {
        notifier_->setEnabled(false);
        clock_->disarm();
    } else if (fallback_ != nullptr) {
        fallback_->stop();
    }
}

void PreciseTicker::expired() {
    if (!running()) {
        return;
    }
    if (clock_) {
        const uint64_t expiries = clock_->take_expiries();
        if (expiries == 0) {
            return;
        }
        dropped_ += expiries - 1;
        tick_();
        return;
    }
    tick_();
    // The tick may have stopped or paused the ticker; otherwise the next due
    // time after now, on the same grid.
    if (running() && !fallback_->isActive()) {
        arm();
    }
}

} // namespace zqf::qt
