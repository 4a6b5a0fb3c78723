// SPDX-License-Identifier: MIT
#include "common/gui/pacer.h"

#include <QScopedValueRollback>

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
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] { advance(StepBudgetMs); });
}

Pacer::~Pacer()
{
    // What the run holds (the window's batch lock) lets go before the pacer goes.
    runDone_ = nullptr;
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

void Pacer::start(int count, Batch batch, std::function<void()> done)
{
    if (running_ || cancelled_ || count < 1) {
        if (done)
            done();
        return;
    }
    batch_ = std::move(batch);
    runDone_ = std::move(done);
    batchesLeft_ = count;
    inBatch_ = false;
    gate_ = false;
    running_ = true;
    unpaced_ = false;
    paused_ = false;
    steps_ = 0;
    done_ = 0;
    Q_EMIT stateChanged();
    // The first photon at once, then back to the loop: the window shows the batch
    // begun (GO locked, μ, the first track) before anything else runs. Started from
    // the end of another run (inside a step), it begins at the next turn instead.
    if (advancing_)
        wake();
    else
        advance(0);
}

void Pacer::finishRun()
{
    timer_.stop();
    running_ = false;
    unpaced_ = false;
    paused_ = false;
    steps_ = 0;
    inBatch_ = false;
    gate_ = false;
    batch_ = {};
    // Moved out first: done() may start the next run.
    const std::function<void()> done = std::move(runDone_);
    runDone_ = nullptr;
    Q_EMIT stateChanged();
    if (done)
        done();
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
    // The photon runs now, in answer to the key, and shows at the next repaint.
    if (advancing_)
        wake();
    else
        advance(0);
}

void Pacer::cancel()
{
    cancelled_ = true;
    if (running_)
        finishRun();
}

void Pacer::wake()
{
    if (running_ && !cancelled_)
        timer_.start(0);
}

void Pacer::advance(qint64 budgetMs)
{
    if (!running_ || cancelled_ || advancing_)
        return;
    const QScopedValueRollback<bool> advancing(advancing_, true);
    const qint64 stepStart = now();
    for (;;) {
        if (gate_) {
            // After a photon: the next one (or the batch's end) waits for its time, or
            // while paused for a single step or the resume.
            if (paused_) {
                if (steps_ == 0)
                    return; // togglePause() or step() wakes the pacer
                --steps_;
            } else {
                const PaceSlot slot = nextPhotonSlot(unpaced_ ? Pace::Fast : pace_,
                                                     photonsPerBatch_, anchor_, done_, now());
                anchor_ = slot.anchor;
                const qint64 wait = slot.dueMs - now();
                if (wait > 0) {
                    timer_.start(int(std::min<qint64>(wait, 60000)));
                    return;
                }
                // Due, but the window has not repainted for a frame: a turn of the loop
                // first (and a key pressed meanwhile is heard before the next photon).
                if (now() - stepStart >= budgetMs) {
                    timer_.start(0);
                    return;
                }
            }
            gate_ = false;
        }
        if (!inBatch_) {
            if (batchesLeft_ == 0) {
                finishRun();
                return;
            }
            --batchesLeft_;
            unpaced_ = batchesLeft_ > 0;
            done_ = 0;
            anchor_ = {now(), 0};
            inBatch_ = true;
            if (batch_.begin)
                batch_.begin();
        }
        if (done_ < photonsPerBatch_) {
            batch_.photon(done_ + 1);
            ++done_;
            gate_ = true;
            continue;
        }
        inBatch_ = false;
        if (batch_.end)
            batch_.end();
        if (!running_ || cancelled_)
            return; // the end handed over to something that stopped the run
    }
}

} // namespace common
