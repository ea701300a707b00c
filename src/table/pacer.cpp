// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/pacer.h"

#include <QEventLoop>
#include <QTimer>

PacerClock::Duration EventLoopClock::Now() {
    return std::chrono::steady_clock::now().time_since_epoch();
}

void EventLoopClock::WaitFor(Duration wait) {
    const auto ms = std::chrono::ceil<std::chrono::milliseconds>(wait).count();
    if (ms <= 0)
        return;
    QEventLoop loop;
    QTimer::singleShot(static_cast<int>(ms), Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

void RealPacer::Pause(int ms) {
    // The repaint is part of the step, so the schedule counts from before it.
    const PacerClock::Duration start = clock_->Now();
    if (window_)
        window_->repaint();
    WaitOnSchedule(ms, start);
}

void RealPacer::Sleep(int ms) {
    WaitOnSchedule(ms, clock_->Now());
}

void RealPacer::WaitOnSchedule(int ms, PacerClock::Duration stepStart) {
    if (ms <= 0)
        return;
    if (!scheduled_ || stepStart - due_ > kNewSequence)
        due_ = stepStart;
    scheduled_ = true;
    due_ += std::chrono::milliseconds(ms);
    const PacerClock::Duration left = due_ - clock_->Now();
    if (left > PacerClock::Duration::zero())
        clock_->WaitFor(left);
}
