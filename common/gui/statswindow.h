// SPDX-License-Identifier: MIT
#pragma once

#include <QPointF>
#include <QString>
#include <QWidget>

#include <functional>
#include <vector>

class QLabel;
class QVBoxLayout;

namespace common {

class PictureBox;

// One number of the statistics window: what it is, its value, and a one-line reading.
struct StatLine {
    QString name;
    QString value;
    QString reading;
};

// The running estimate against the number of samples: each batch's value, the true
// value, and the standard deviation of the estimate after n samples computed from the
// true value (the funnel the estimate should stay in).
struct Convergence {
    std::vector<QPointF> batches; // (samples, estimate)
    double truth = 0;
    std::function<double(double samples)> sigma;
    QString quantity; // the estimate's name and unit, for the plot
};

// A reading of a distance from the truth in standard deviations, for a class: within
// chance up to 2σ, unusual up to 3σ, worth a second look beyond.
QString readingOf(double sigmas, const QString &from);

// Shows a window beside another on the same screen, without taking the keyboard from
// it: to its right where there is room, else to its left, else over its right-hand part.
void showBeside(QWidget &window, const QWidget &beside);

// The statistics of a main window, not modal, in type large enough for a projector,
// with the convergence plot drawn on a PictureBox (so it exports like the others).
class StatisticsWindow : public QWidget {
    Q_OBJECT
public:
    // refresh() recomputes the content from the owner's results (it calls setContent).
    // title() names the window in the language in use.
    StatisticsWindow(QWidget *owner, std::function<QString()> title, std::function<void()> refresh);
    // Ctrl+T: closed, or refreshed and shown beside the owner.
    void toggle();
    // After a batch or Reset: the numbers follow while the window is open; while it is
    // closed nothing is computed.
    void refreshIfShown();
    void setContent(const std::vector<StatLine> &lines, const Convergence &convergence);
    PictureBox *plot() const { return plot_; }
    const std::vector<QLabel *> &lineLabels() const { return labels_; }

protected:
    void changeEvent(QEvent *event) override;

private:
    void drawConvergence(const Convergence &c);
    QWidget *owner_;
    std::function<QString()> title_;
    std::function<void()> refresh_;
    QVBoxLayout *lines_;
    std::vector<QLabel *> labels_;
    PictureBox *plot_;
};

} // namespace common
