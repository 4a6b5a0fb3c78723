// SPDX-License-Identifier: MIT
#include "dartley/form1.h"

#include "common/core/numbertext.h"
#include "common/gui/application.h"
#include "common/gui/batchlock.h"
#include "common/gui/picturebox.h"

#include <QLineEdit>
#include <QPushButton>

#include <cmath>
#include <numbers>

namespace dartley {

using namespace common;

Form1::Form1()
    : Form(Border::Main, QT_TR_NOOP("  π = 3.141592653589793238462643383279502884197169399"), 8475,
           9735)
{
    // clang-format off
    controls_.build(
        this,
        {
            {MCT_BOUND(Picture1), .left = 240, .top = 120,
             .width = 8000, .height = 8000, .font = {fonts::Gothic, 18}, .fore = colours::Black,
             .back = colours::White, .flags = SunkenBorder, .scale = {-625, -560, 625, 690},
             .accessibleName = QT_TR_NOOP("ドットの図"),
             .accessibleDescription = QT_TR_NOOP("正方形と円の中に打ったドット：円の内側は赤、外側は青")},
            {MCT_BOUND(Command1), .text = QT_TR_NOOP("GO"), .left = 240,
             .top = 8280, .width = 2055, .height = 975, .font = {fonts::TimesNewRoman, 15.75},
             .accessibleDescription = QT_TR_NOOP("1000 個のドットを打つ")},
            {.name = "Label4", .kind = ControlKind::Label, .text = QT_TR_NOOP("(1000 ドット/push)"),
             .left = 480, .top = 9360, .width = 1755, .height = 225,
             .font = {fonts::PGothic, 11.25}, .flags = AutoSize},
            {.name = "Label1", .kind = ControlKind::Label, .text = QT_TR_NOOP("π＝4×"), .left = 2400,
             .top = 8640, .width = 945, .height = 240, .font = {fonts::Gothic, 12, true},
             .flags = Centred | Opaque},
            {MCT_BOUND(Text3), .left = 3480, .top = 8280,
             .width = 1455, .height = 375, .font = {fonts::TimesNewRoman, 14.25},
             .fore = colours::Red, .back = colours::PaleCyan,
             .accessibleName = QT_TR_NOOP("円の内側のドット数")},
            {.name = "Line1", .kind = ControlKind::Line, .left = 3360, .top = 8760,
             .width = 5040, .height = 8760, .fore = colours::Black, .lineWidth = 2},
            {MCT_BOUND(Text2), .left = 3480, .top = 8880,
             .width = 1455, .height = 375, .font = {fonts::TimesNewRoman, 14.25},
             .fore = colours::Black, .back = colours::PaleCyan,
             .accessibleName = QT_TR_NOOP("ドット数"),
             .accessibleDescription = QT_TR_NOOP("これまでに打ったドットの数")},
            {.name = "Label3", .kind = ControlKind::Label, .text = QT_TR_NOOP("(ドット数)"), .left = 3720,
             .top = 9360, .width = 855, .height = 225, .font = {fonts::PGothic, 11.25},
             .flags = AutoSize},
            {.name = "Label2", .kind = ControlKind::Label, .text = QT_TR_NOOP("＝"), .left = 5160,
             .top = 8640, .width = 285, .height = 240, .font = {fonts::Gothic, 12, true},
             .flags = Centred | Opaque},
            {MCT_BOUND(Text1), .left = 5520, .top = 8520,
             .width = 1335, .height = 495, .font = {fonts::TimesNewRoman, 14.25},
             .fore = colours::Black, .back = colours::PaleCyan,
             .accessibleName = QT_TR_NOOP("π の推定値"),
             .accessibleDescription = QT_TR_NOOP("円の内側のドットの割合の 4 倍")},
            {MCT_BOUND(Command3), .text = QT_TR_NOOP("Reset"), .left = 7200,
             .top = 8400, .width = 1095, .height = 495, .font = {fonts::TimesNewRoman, 12}},
            {MCT_BOUND(Command2), .text = QT_TR_NOOP("EXIT"), .left = 7200,
             .top = 9000, .width = 1095, .height = 495, .font = {fonts::TimesNewRoman, 12},
             .toolTip = QT_TR_NOOP("  bye  ")},
        });
    // clang-format on
    Controls::setTabOrder({Picture1, Command1, Command2, Text1, Text2, Text3, Command3});

    module_ = std::make_unique<Module1>(Module1Controls{Picture1, Text1, Text2, Text3});
    // A batch of dots appears at once: nothing here is paced.
    pacer_.setPace(Pace::Fast);

    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);

    // A batch is instantaneous here: Return runs one from anywhere in the window.
    menu_ = new ContextMenu(this);
    menu_->addRunBatch(Command1, {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)},
                       [this](int count) { runBatches(count); });
    menu_->addExports({this, QStringLiteral("dartley"), [this] { return module_->resultsCsv(); }});
    stats_ = new StatisticsWindow(
        this, [] { return tr("π: 統計"); }, [this] { updateStatistics(); });
    menu_->addStatistics(*stats_, {stats_, QStringLiteral("dartley-statistics"),
                                   [this] { return module_->resultsCsv(); }});
    menu_->addLanguages();
}

void Form1::updateStatistics()
{
    const Module1 &m = *module_;
    std::vector<StatLine> lines;
    std::vector<QPointF> batches;
    for (const BatchResult &b : m.Results.History)
        batches.emplace_back(double(b.points), b.estimate);
    if (!m.Results.History.empty()) {
        const BatchResult &last = m.Results.History.back();
        const PiStatistics s = piStatistics(last.hits, last.points);
        lines.push_back({tr("点の数"), QString::number(last.points), QString()});
        lines.push_back({tr("π の推定値"),
                         formatFixed5(s.estimate) + QStringLiteral(" ± ") +
                             QString::number(s.sigma, 'f', 5) + QStringLiteral(" (1σ)"),
                         readingOf(s.sigmasFromPi, QStringLiteral("π"))});
    } else {
        lines.push_back({tr("点の数"), QStringLiteral("0"), QString()});
    }
    // The funnel from the true value: p = π/4 in 4 √(p(1 − p)/n).
    constexpr double p = std::numbers::pi / 4;
    stats_->setContent(lines, {batches, std::numbers::pi, [](double n) { return piSigma(p, n); },
                               tr("π の推定値")});
}

Form1::~Form1() = default;

void Form1::retranslate()
{
    // GO reads Continue from the first batch on, Reset or not.
    Command1->setText(continued_ ? tr("Continue") : tr("GO"));
    module_->redraw();
    describePlot();
}

void Form1::resultsChanged()
{
    stats_->refreshIfShown();
    describePlot();
}

void Form1::describePlot()
{
    const std::int64_t points =
        module_->Results.History.empty() ? 0 : module_->Results.History.back().points;
    controls_.describe(Picture1, points == 0 ? QString()
                                             : tr("%1 個のドット、円の内側に %2 個")
                                                   .arg(points)
                                                   .arg(module_->Results.History.back().hits));
}

bool Form1::Load()
{
    module_->Initialize();
    return true;
}

void Form1::Command1_Click()
{
    module_->RunBatch();
    continued_ = true;
    Command1->setText(tr("Continue"));
    resultsChanged();
}

void Form1::runBatches(int count)
{
    // A batch of dots is one step of the run: as many as fit in a frame are drawn
    // before the window shows them and EXIT is heard.
    common::Batch batch;
    batch.photon = [this](int) { module_->RunBatch(); };
    batch.end = [this] {
        continued_ = true;
        Command1->setText(tr("Continue"));
        resultsChanged();
    };
    common::runBatches(pacer_, {Command1, Command3, Command2, Picture1}, count, std::move(batch));
}

void Form1::Command2_Click() { quitProgram(); }

void Form1::Command3_Click()
{
    for (QLineEdit *box : {Text1, Text2, Text3})
        box->clear();
    module_->clearResults();
    resultsChanged();
}

} // namespace dartley
