// SPDX-License-Identifier: MIT
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>

class QEventLoop;

namespace common {

// How fast a batch of tracks runs: spread over about 10 s or 2 s, or as fast as the
// machine draws (no pacing at all).
enum class Pace { Slow, Normal, Fast };

// The time a paced batch takes, in ms; 0 for Fast.
qint64 batchDurationMs(Pace pace);

// Where a batch's schedule is counted from: a time and the photons done by then.
struct PaceAnchor {
    qint64 atMs = 0;
    int photonsDone = 0;
    bool operator==(const PaceAnchor &) const = default;
};

struct PaceSlot {
    qint64 dueMs = 0;  // the next photon may run at this time, not before
    PaceAnchor anchor; // what the photons after it are counted from
    bool operator==(const PaceSlot &) const = default;
};

// When may the next photon run, given the pace, the photons done and the time now:
// photons are spread evenly over the pace's batch duration from the anchor. A photon
// less than one interval late runs at once and keeps the schedule; one later than
// that starts the schedule again from now, so a machine that fell behind (or a pause)
// never brings a burst of photons to catch up. Fast: always now.
PaceSlot nextPhotonSlot(Pace pace, int photonsPerBatch, PaceAnchor anchor, int photonsDone,
                        qint64 nowMs);

// The one place that lets the event loop run during a batch. The main window owns it
// and hands it to its module, which calls yield() after every photon. It knows the
// pace, the pause and single-step state, and whether the program was asked to end.
// While it waits for the next photon's time, or while paused, the event loop runs
// idle: repaints, clicks and keys are handled and no core is kept busy.
class Pacer : public QObject {
    Q_OBJECT
public:
    explicit Pacer(int photonsPerBatch, QObject *parent = nullptr);

    Pace pace() const { return pace_; }
    void setPace(Pace pace);

    // A batch starts (the schedule counts from now, not paused) and ends.
    void begin();
    void finish();
    bool running() const { return running_; }
    // The next batch of a run of several, under the same begin(): its schedule counts
    // from now, a pause holds on. Unpaced: it runs as Fast whatever the chosen pace.
    void nextBatch(bool unpaced);
    bool unpaced() const { return unpaced_; }

    // Pause and resume between two photons; while paused, step() lets exactly one more
    // photon run. Outside a batch they do nothing.
    void togglePause();
    void step();
    bool paused() const { return paused_; }

    // EXIT or the close box: the running batch stops at its next yield, for good.
    void cancel();
    bool cancelled() const { return cancelled_; }

    // After a photon: lets the event loop run, then waits for the next photon's time
    // (or, paused, for resume, a step or the end). False once the program is ending:
    // the caller stops at once and draws or counts nothing more.
    bool yield(int photonsDone);
    // The photons the running (or last) batch had done at its latest yield.
    int photonsDone() const { return done_; }

Q_SIGNALS:
    // Running, paused or pace changed: the menu shows the state.
    void stateChanged();

private:
    qint64 now() const { return clock_.elapsed(); }
    void wake();
    bool waitFor(qint64 ms); // ms < 0: until woken. False when the loop cannot run.

    int photonsPerBatch_;
    Pace pace_ = Pace::Normal;
    bool running_ = false;
    bool unpaced_ = false;
    bool paused_ = false;
    int steps_ = 0; // single steps granted while paused
    bool cancelled_ = false;
    int done_ = 0;
    PaceAnchor anchor_;
    QElapsedTimer clock_;
    QPointer<QEventLoop> waiting_;
};

} // namespace common
