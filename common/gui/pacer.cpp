// SPDX-License-Identifier: MIT
#include "common/gui/pacer.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>

namespace common {

qint64 batchDurationMs(Pace pace)
{
    switch (pace) {
    case Pace::Slow: return 10000;
    case Pace::Normal: return 2000;
    case Pace::Fast: return 0;
    }
    return 0;
}

PaceSlot nextPhotonSlot(Pace pace, int photonsPerBatch, PaceAnchor anchor, int photonsDone,
                        qint64 nowMs)
{
    const qint64 duration = batchDurationMs(pace);
    const PaceSlot fromNow{nowMs, {nowMs, photonsDone}};
    if (duration <= 0 || photonsPerBatch <= 0 || photonsDone < anchor.photonsDone)
        return fromNow;
    const qint64 due =
        anchor.atMs + qint64(photonsDone - anchor.photonsDone) * duration / photonsPerBatch;
    const qint64 interval = std::max<qint64>(1, duration / photonsPerBatch);
    if (nowMs - due > interval)
        return fromNow;
    return {due, anchor};
}

Pacer::Pacer(int photonsPerBatch, QObject *parent)
    : QObject(parent), photonsPerBatch_(photonsPerBatch)
{
    clock_.start();
}

void Pacer::setPace(Pace pace)
{
    if (pace == pace_)
        return;
    pace_ = pace;
    // The new pace counts from here: no wait for the old one, no burst for the new.
    anchor_ = {now(), done_};
    wake();
    Q_EMIT stateChanged();
}

void Pacer::begin()
{
    running_ = true;
    unpaced_ = false;
    paused_ = false;
    steps_ = 0;
    done_ = 0;
    anchor_ = {now(), 0};
    Q_EMIT stateChanged();
}

void Pacer::nextBatch(bool unpaced)
{
    unpaced_ = unpaced;
    done_ = 0;
    anchor_ = {now(), 0};
}

void Pacer::finish()
{
    running_ = false;
    unpaced_ = false;
    paused_ = false;
    steps_ = 0;
    Q_EMIT stateChanged();
}

void Pacer::togglePause()
{
    if (!running_ || cancelled_)
        return;
    paused_ = !paused_;
    steps_ = 0;
    if (!paused_)
        anchor_ = {now(), done_}; // resume at the pace, from here
    wake();
    Q_EMIT stateChanged();
}

void Pacer::step()
{
    if (!running_ || !paused_ || cancelled_)
        return;
    ++steps_;
    wake();
}

void Pacer::cancel()
{
    cancelled_ = true;
    wake();
}

bool Pacer::yield(int photonsDone)
{
    done_ = photonsDone;
    if (cancelled_)
        return false;
    // The track just drawn shows, and a click or key made meanwhile is handled.
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    for (;;) {
        if (cancelled_)
            return false;
        if (paused_) {
            if (steps_ > 0) {
                --steps_;
                return true;
            }
            if (!waitFor(-1))
                return false;
            continue;
        }
        const PaceSlot slot =
            nextPhotonSlot(unpaced_ ? Pace::Fast : pace_, photonsPerBatch_, anchor_, done_, now());
        anchor_ = slot.anchor;
        const qint64 wait = slot.dueMs - now();
        if (wait <= 0)
            return true;
        if (!waitFor(wait))
            return false;
    }
}

void Pacer::wake()
{
    if (waiting_)
        waiting_->quit();
}

bool Pacer::waitFor(qint64 ms)
{
    QEventLoop loop;
    QTimer timer;
    if (ms >= 0) {
        timer.setSingleShot(true);
        timer.setTimerType(Qt::PreciseTimer);
        connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
        timer.start(int(std::min<qint64>(ms, 60000)));
    }
    QPointer<QEventLoop> outer = waiting_; // a wait inside a wait hands back to the outer
    waiting_ = &loop;
    // exec() blocks in the event loop, idle until an event, the timer or wake().
    // It returns -1 at once when the application is already leaving its loop.
    const int result = loop.exec();
    waiting_ = outer;
    if (result < 0)
        cancelled_ = true;
    return !cancelled_;
}

} // namespace common
