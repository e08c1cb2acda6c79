#include "qt/host/precise_ticker.h"

#include "platform/linux/monotonic_timer.h"

#include <QSocketNotifier>
#include <QTimer>

#include <algorithm>

namespace zqf::qt {

namespace {

constexpr int64_t ns_per_ms = 1'000'000;
// The longest stretch of late ticks that is still caught up.
constexpr int64_t catch_up_ns = 250 * ns_per_ms;

} // namespace

PreciseTicker::PreciseTicker(QObject* parent, std::function<void()> tick)
    : QObject(parent), tick_(std::move(tick)), clock_(MonotonicTimer::create()) {
    if (!clock_) {
        use_fallback();
        return;
    }
    notifier_ = new QSocketNotifier(clock_->fd(), QSocketNotifier::Read, this);
    notifier_->setEnabled(false);
    connect(notifier_, &QSocketNotifier::activated, this, [this] { expired(); });
}

PreciseTicker::~PreciseTicker() = default;

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

void PreciseTicker::schedule(int interval_ms) {
    if (interval_ms <= 0) {
        unschedule();
        return;
    }
    ++generation_;
    anchor_ns_ = monotonic_ns();
    interval_ns_ = int64_t{interval_ms} * ns_per_ms;
    done_ = 0;
    arm();
}

void PreciseTicker::unschedule() {
    ++generation_;
    interval_ns_ = 0;
    disarm();
}

void PreciseTicker::set_paused(bool paused) {
    if (paused == paused_) {
        return;
    }
    ++generation_;
    paused_ = paused;
    if (running()) {
        const int64_t now = point_at(monotonic_ns());
        dropped_ += static_cast<uint64_t>(std::max<int64_t>(now - done_, 0));
        done_ = std::max(done_, now);
    }
    arm();
}

int64_t PreciseTicker::point_at(int64_t now_ns) const {
    return now_ns > anchor_ns_ ? (now_ns - anchor_ns_) / interval_ns_ : 0;
}

void PreciseTicker::arm() {
    if (!running()) {
        disarm();
        return;
    }
    const int64_t now = monotonic_ns();
    const int64_t due = anchor_ns_ + (std::max(point_at(now), done_) + 1) * interval_ns_;
    if (clock_) {
        if (clock_->arm(due, interval_ns_)) {
            notifier_->setEnabled(true);
            return;
        }
        // The descriptor refuses: the Qt timer carries on from here.
        use_fallback();
    }
    fallback_->start(static_cast<int>((due - now + ns_per_ms - 1) / ns_per_ms));
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
    if (clock_) {
        clock_->take_expiries();
    }
    if (!running()) {
        return;
    }
    const int64_t reached = point_at(monotonic_ns());
    const int64_t most = std::max<int64_t>(1, catch_up_ns / interval_ns_);
    if (reached - done_ > most) {
        dropped_ += static_cast<uint64_t>(reached - done_ - most);
        done_ = reached - most;
    }
    // A tick may stop, restart or pause the ticker; what was due then is no
    // longer this loop's business.
    const uint64_t generation = generation_;
    while (done_ < reached && generation == generation_) {
        ++done_;
        tick_();
    }
    if (!clock_ && generation == generation_ && running()) {
        arm();
    }
}

} // namespace zqf::qt
