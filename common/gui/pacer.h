// SPDX-License-Identifier: MIT
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <functional>

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

// One batch as the loop it is, cut where the event loop may run: begin, then each
// photon (sample, draw, count into the batch's own tally), then end (the tally added
// to the results, the plots and boxes written). Each part runs to its end and returns.
struct Batch {
    std::function<void()> begin;
    std::function<void(int photon)> photon; // 1 .. photons per batch
    std::function<void()> end;
};

// Runs batches from the application's own event loop, one step at a time, and paces
// them. The main window owns it and hands it the batches; it knows the pace, the pause
// and single-step state, and whether the program was asked to end. A step runs the
// photons that are due (at Fast as many as fit in about one frame) and returns; a
// timer brings the next step when the next photon is due. Between steps the loop is
// idle or handles repaints, clicks, keys and dialogs like at any other time.
class Pacer : public QObject {
    Q_OBJECT
public:
    explicit Pacer(int photonsPerBatch, QObject *parent = nullptr);
    ~Pacer() override;

    // About one frame at 60 Hz: what a step at Fast may spend before the window repaints.
    static constexpr qint64 StepBudgetMs = 15;

    Pace pace() const { return pace_; }
    void setPace(Pace pace);

    // Starts count batches back to back and returns at once: those before the last
    // unpaced, the last at the chosen pace, so a hundred batches take about as long as
    // one plus the machine's time for the rest. The first photon runs before this
    // returns. done() runs when the last batch has ended or the run was cancelled.
    void start(int count, Batch batch, std::function<void()> done = {});
    bool running() const { return running_; }
    // The batch in progress is one before the last of a run: it runs unpaced.
    bool unpaced() const { return unpaced_; }

    // Pause and resume between two photons; while paused, step() lets exactly one more
    // photon run. Outside a batch they do nothing.
    void togglePause();
    void step();
    bool paused() const { return paused_; }

    // EXIT or the close box: the running batch stops where it is, for good; nothing
    // more is drawn or counted, and the run's done() runs.
    void cancel();
    bool cancelled() const { return cancelled_; }

    // The photons the running (or last) batch has done.
    int photonsDone() const { return done_; }

Q_SIGNALS:
    // Running, paused or pace changed: the menu shows the state.
    void stateChanged();

private:
    qint64 now() const { return clock_.elapsed(); }
    void wake();
    // One step: the parts that are due, for at most budgetMs when more are.
    void advance(qint64 budgetMs);
    void finishRun();

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
    QTimer timer_;
    Batch batch_;
    std::function<void()> runDone_;
    int batchesLeft_ = 0;  // after the one in progress
    bool inBatch_ = false; // begun and not yet ended
    bool gate_ = false;    // a photon ran: the next part waits for its time
    bool advancing_ = false;
};

} // namespace common
