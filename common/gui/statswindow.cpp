// SPDX-License-Identifier: MIT
#include "common/gui/statswindow.h"

#include "common/gui/palette.h"
#include "common/gui/picturebox.h"

#include <QEvent>
#include <QFont>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace common {

namespace {
// The plot's user frame: log10(samples) across, the estimate down.
constexpr double Left = 110, Right = 970, Top = 30, Bottom = 520;
} // namespace

using namespace palette;

QString readingOf(double sigmas, const QString &from)
{
    if (!std::isfinite(sigmas))
        return QObject::tr("まだ判断できません");
    const double a = std::abs(sigmas);
    const QString distance = QObject::tr("%1 から %2σ").arg(from, QString::number(a, 'f', 1));
    if (a <= 2)
        return distance + QObject::tr(": 偶然の範囲");
    if (a <= 3)
        return distance + QObject::tr(": やや大きいが、まだ偶然でもありうる");
    return distance + QObject::tr(": 3σ を超えるずれ、見直す価値あり");
}

void showBeside(QWidget &window, const QWidget &beside)
{
    window.adjustSize();
    const QRect next = beside.frameGeometry();
    const QScreen *screen = beside.screen() ? beside.screen() : QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(QPoint(0, 0), next.size());
    const int width = window.frameGeometry().width();
    int x = next.right() + 1;
    if (x + width > area.right() + 1)
        x = next.left() - width >= area.left() ? next.left() - width
                                               : std::max(area.left(), area.right() + 1 - width);
    const int y =
        std::clamp(next.top(), area.top(),
                   std::max(area.top(), area.bottom() + 1 - window.frameGeometry().height()));
    window.move(x, y);
    window.show();
    window.raise();
}

StatisticsWindow::StatisticsWindow(QWidget *owner, std::function<QString()> title,
                                   std::function<void()> refresh)
    : QWidget(owner, Qt::Window), owner_(owner), title_(std::move(title)),
      refresh_(std::move(refresh)), lines_(new QVBoxLayout), plot_(new PictureBox(this))
{
    setWindowTitle(title_());
    // The keyboard stays with the main window: F5, Space and Ctrl+T go on working there.
    setAttribute(Qt::WA_ShowWithoutActivating);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(lines_);
    plot_->setObjectName(QStringLiteral("ConvergencePlot"));
    plot_->setSunkenBorder(true);
    plot_->setFixedSize(644, 364);
    plot_->setScale(0, 0, 1000, 560);
    plot_->setBackColor(Qt::white);
    QFont small;
    small.setPixelSize(14);
    plot_->setPrintFont(small);
    plot_->clear();
    layout->addWidget(plot_);
    setFixedWidth(680);
}

void StatisticsWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        setWindowTitle(title_());
        if (isVisible())
            refresh_();
    }
    QWidget::changeEvent(event);
}

void StatisticsWindow::toggle()
{
    if (isVisible()) {
        hide();
        return;
    }
    refresh_();
    showBeside(*this, *owner_);
}

void StatisticsWindow::refreshIfShown()
{
    if (isVisible())
        refresh_();
}

void StatisticsWindow::setContent(const std::vector<StatLine> &lines,
                                  const Convergence &convergence)
{
    // Large type: read from the back of a lecture room.
    while (labels_.size() < lines.size()) {
        auto *l = new QLabel(this);
        QFont f = l->font();
        f.setPixelSize(22);
        l->setFont(f);
        l->setTextFormat(Qt::RichText);
        l->setWordWrap(true);
        lines_->addWidget(l);
        labels_.push_back(l);
    }
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        if (i >= lines.size()) {
            labels_[i]->hide();
            continue;
        }
        const StatLine &s = lines[i];
        labels_[i]->setText(
            QStringLiteral("<b>%1</b> %2<br><span style='font-size:16px'>%3</span>")
                .arg(s.name.toHtmlEscaped(), s.value.toHtmlEscaped(), s.reading.toHtmlEscaped()));
        // A screen reader reads the plain words, not the markup.
        labels_[i]->setAccessibleName(s.name + QLatin1Char(' ') + s.value);
        labels_[i]->setAccessibleDescription(s.reading);
        labels_[i]->show();
    }
    drawConvergence(convergence);
    plot_->setAccessibleName(tr("収束の図"));
    plot_->setAccessibleDescription(
        convergence.batches.empty()
            ? tr("%1：まだ点はありません").arg(convergence.quantity)
            : tr("%1：%2 回分の点、真の値 %3、最後の値 %4")
                  .arg(convergence.quantity)
                  .arg(convergence.batches.size())
                  .arg(QString::number(convergence.truth, 'g', 6),
                       QString::number(convergence.batches.back().y(), 'g', 6)));
    adjustSize();
}

void StatisticsWindow::drawConvergence(const Convergence &c)
{
    PictureBox &p = *plot_;
    p.clear();
    p.setDrawWidth(1);
    p.box({Left, Top}, {Right, Bottom}, Black);
    p.setCurrentPosition({Left, 535});
    p.print(tr("標本数（対数目盛）"));
    p.setCurrentPosition({Left + 5, Top + 5});
    p.print(c.quantity);
    if (c.batches.empty() || !c.sigma)
        return;
    const double first = std::max(1.0, c.batches.front().x());
    const double last = std::max(first * 10, c.batches.back().x());
    const double x0 = std::floor(std::log10(first)), x1 = std::ceil(std::log10(last));
    const double spread = 3 * c.sigma(first);
    const double y0 = c.truth + spread, y1 = c.truth - spread; // top, bottom values
    auto at = [&](double samples, double value) {
        const double x = Left + (std::log10(samples) - x0) / (x1 - x0) * (Right - Left);
        const double y = Top + (y0 - value) / (y0 - y1) * (Bottom - Top);
        return QPointF(x, std::clamp(y, Top, Bottom));
    };
    // Decades along the bottom.
    for (double d = x0; d <= x1; ++d) {
        const QPointF tick = at(std::pow(10.0, d), y1);
        p.line(tick, tick - QPointF(0, 10), Black);
        // The last decade's number ends at the frame's right edge.
        const QString label = QString::number(std::pow(10.0, d), 'g', 6);
        p.setCurrentPosition(tick + QPointF(d < x1 ? -20 : -12.0 * label.size(), 2));
        p.print(label);
    }
    // The ±1σ and ±2σ funnel about the true value, then the true value itself.
    for (const auto &[k, colour] : {std::pair{2.0, LightCyan}, std::pair{1.0, LightBlue}}) {
        for (int side : {-1, 1}) {
            constexpr int Steps = 80;
            for (int s = 0; s <= Steps; ++s) {
                const double n = std::pow(10.0, x0 + (x1 - x0) * s / Steps);
                const QPointF pt = at(n, c.truth + side * k * c.sigma(n));
                if (s == 0)
                    p.setCurrentPosition(pt);
                else
                    p.lineTo(pt, colour);
            }
        }
    }
    p.setDrawWidth(2);
    p.line(at(std::pow(10.0, x0), c.truth), at(std::pow(10.0, x1), c.truth), Blue);
    p.setCurrentPosition(at(std::pow(10.0, x0), c.truth) + QPointF(-100, -8));
    p.print(QString::number(c.truth, 'g', 6));
    // Each batch's running estimate.
    for (const QPointF &b : c.batches)
        p.circle(at(b.x(), b.y()), 5, LightRed);
    p.setDrawWidth(1);
}

} // namespace common
