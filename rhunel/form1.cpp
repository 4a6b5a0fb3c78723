// SPDX-License-Identifier: MIT
#include "rhunel/form1.h"

#include "common/core/numbertext.h"
#include "common/gui/application.h"
#include "common/gui/picturebox.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <cmath>

namespace rhunel {

using namespace common;

namespace {
constexpr FontDef Caption{fonts::TimesNewRoman, 14.25};
constexpr FontDef Plot{fonts::TimesNewRoman, 15.75};
constexpr FontDef Small{fonts::TimesNewRoman, 12};

// The energy warnings keep the translation context of the verdict they explain; the
// texts are written in English.
class EnergyText {
    Q_DECLARE_TR_FUNCTIONS(rhunel::EnergyEntry)
public:
    // The warning box's text for a verdict other than Run.
    static QString warning(const EnergyEntry &entry)
    {
        switch (entry.verdict) {
        case EnergyEntry::Verdict::Run: break;
        case EnergyEntry::Verdict::Empty: return tr("  Input Photon energy  ");
        case EnergyEntry::Verdict::OutOfRange:
            return tr("  Photon energy: above %1 keV and below %2 keV  ")
                .arg(QString::number(entry.usable.lowKeV, 'g', 6),
                     QString::number(entry.usable.highKeV, 'g', 6));
        }
        return QString();
    }
};

} // namespace

Form1::Form1(common::MaterialLoader loader)
    : BatchWindow(QT_TR_NOOP("Coherent Scattering"), 9360, 11295, PhotonsPerBatch,
                  std::move(loader), materialFileReader(MaterialBlocks::All))
{
    // clang-format off
    controls_.build(
        this,
        {
            {MCT_BOUND(Picture1), .left = 240, .top = 120,
             .width = 8895, .height = 5175, .font = Plot, .fore = colours::Black,
             .back = colours::White, .flags = SunkenBorder, .scale = {5, 0, 594, 341},
             .accessibleName = QT_TR_NOOP("散乱光子の飛跡"),
             .accessibleDescription = QT_TR_NOOP("相互作用点で散乱された光子の方向、角度目盛つき")},
            {MCT_BOUND(Picture2), .left = 240, .top = 5400,
             .width = 8895, .height = 4815, .font = Plot, .fore = colours::Black,
             .back = colours::White, .flags = SunkenBorder, .scale = {25, 0, 1025, 700},
             .accessibleName = QT_TR_NOOP("散乱角の分布"),
             .accessibleDescription = QT_TR_NOOP("散乱角のヒストグラム（赤）と理論分布（青）")},
            {.name = "Label1", .kind = ControlKind::Label, .text = QT_TR_NOOP("Photon energy"), .left = 1440,
             .top = 10320, .width = 1815, .height = 375, .font = Caption},
            {MCT_BOUND(Text1), .text = "100", .left = 3360,
             .top = 10320, .width = 855, .height = 375, .font = Small, .fore = colours::Black,
             .back = colours::White,
             .accessibleName = QT_TR_NOOP("光子エネルギー"),
             .accessibleDescription = QT_TR_NOOP("光子エネルギー（keV）")},
            {.name = "Label2", .kind = ControlKind::Label, .text = QT_TR_NOOP("keV"), .left = 4320,
             .top = 10320, .width = 615, .height = 375, .font = Caption},
            {MCT_BOUND(Command1), .text = QT_TR_NOOP("GO"), .left = 5280,
             .top = 10320, .width = 2175, .height = 615, .font = Plot,
             .accessibleDescription = QT_TR_NOOP("500 個の光子を散乱させる")},
            {MCT_BOUND(Command3), .text = QT_TR_NOOP("Clear"), .left = 7920,
             .top = 10320, .width = 1095, .height = 375, .font = Small},
            {.name = "Label3", .kind = ControlKind::Label, .text = QT_TR_NOOP("Number of Scattering"),
             .left = 600, .top = 10680, .width = 2775, .height = 375, .font = Caption},
            {MCT_BOUND(Text2), .left = 3360, .top = 10680,
             .width = 1455, .height = 375, .font = Small, .fore = colours::Blue,
             .back = colours::PaleYellow,
             .accessibleName = QT_TR_NOOP("散乱回数"),
             .accessibleDescription = QT_TR_NOOP("これまでに散乱させた光子の数")},
            {MCT_BOUND(Command2), .text = QT_TR_NOOP("EXIT"), .left = 7920,
             .top = 10800, .width = 1095, .height = 375, .font = Small},
            {.name = "Label4", .kind = ControlKind::Label, .text = QT_TR_NOOP("500 回散乱 / クリック"),
             .left = 5520, .top = 11040, .width = 1785, .height = 195,
             .font = {fonts::PGothic, 9.75}, .flags = AutoSize},
        });
    // clang-format on
    Controls::setTabOrder({Picture1, Picture2, Command1, Command2, Text1, Command3, Text2});

    module_ = std::make_unique<Module2>(Module2Controls{Picture1, Picture2, Text2});
    setUp({.module = module_.get(),
           .resultBoxes = {Text2},
           .startEnergy = QStringLiteral("20"),
           .exportStem = QStringLiteral("rhunel"),
           .statisticsTitle = [] { return tr("Coherent Scattering: 統計"); },
           .bandsText = [] { return tr("角度分布に ±2σ の帯(&B)"); }});
}

void Form1::updateStatistics()
{
    const Module2 &m = *module_;
    std::vector<StatLine> lines;
    lines.push_back({tr("材質"), displayName(*m.Material), QString()});
    lines.push_back({tr("光子数"), QString::number(m.Results.PhotonCount), QString()});
    MeanAngle mean;
    if (m.Results.PhotonCount > 0) {
        const Expected expected =
            expectedCounts(m.MomentumTransfer, m.FormFactor, m.PhotonEnergy, m.Results.PhotonCount);
        const ChiSquare chi = chiSquare(m.Results.AngleHistogram, expected);
        mean = meanAngle(m.Results.PhotonCount, m.Results.AngleSum, m.Results.AngleSquareSum,
                         m.MomentumTransfer, m.FormFactor, m.PhotonEnergy);
        lines.push_back(
            {tr("χ² 検定"),
             QStringLiteral("χ² = %1, ").arg(QString::number(chi.chi2, 'f', 1)) +
                 tr("自由度 %1, p = %2").arg(chi.ndf).arg(QString::number(chi.pValue, 'g', 2)),
             chi.pValue >= 0.05 ? tr("ヒストグラムは理論分布と矛盾しない")
                                : tr("p < 0.05: 理論分布からのずれ、見直す価値あり")});
        lines.push_back({tr("平均散乱角"),
                         QStringLiteral("%1 ± %2° (1σ)")
                             .arg(QString::number(mean.mean, 'f', 2),
                                  QString::number(mean.standardError, 'f', 2)),
                         readingOf((mean.mean - mean.theory) / mean.standardError,
                                   tr("理論値 %1°").arg(QString::number(mean.theory, 'f', 2)))});
    }
    const double spread = mean.theorySpread;
    statistics().setContent(lines, {m.Results.MeanHistory, mean.theory,
                                    [spread](double n) { return spread / std::sqrt(n); },
                                    tr("平均散乱角 [°]")});
}

Form1::~Form1() = default;

void Form1::describePlots()
{
    const Module2 &m = *module_;
    if (m.Results.PhotonCount == 0) {
        controls_.describe(Picture1, QString());
        controls_.describe(Picture2, QString());
        return;
    }
    controls_.describe(Picture1, tr("%1 keV、%2：最後の %3 個の光子の散乱方向")
                                     .arg(QString::number(m.PhotonEnergy), displayName(*m.Material))
                                     .arg(PhotonsPerBatch));
    // Bin k holds the angles in (k − 1, k] degrees.
    const auto peak =
        std::max_element(m.Results.AngleHistogram.begin() + 1, m.Results.AngleHistogram.end());
    const int k = static_cast<int>(peak - m.Results.AngleHistogram.begin());
    controls_.describe(
        Picture2,
        tr("%1 個の光子：最も多いのは %2°〜%3°、平均 %4°")
            .arg(m.Results.PhotonCount)
            .arg(k - 1)
            .arg(k)
            .arg(QString::number(m.Results.AngleSum / double(m.Results.PhotonCount), 'f', 1)));
}

bool Form1::takeEnergy()
{
    const EnergyEntry entry = readEnergyEntry(Text1->text(), module_->MomentumTransfer);
    if (entry.verdict != EnergyEntry::Verdict::Run) {
        showWarning(this, EnergyText::warning(entry));
        return false;
    }
    module_->PhotonEnergy = entry.energy;
    if (module_->CurveReady == 0) {
        module_->ComputeReferenceCurve();
        module_->CurveReady = 1;
    }
    return true;
}

} // namespace rhunel
