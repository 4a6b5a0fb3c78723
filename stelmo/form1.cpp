// SPDX-License-Identifier: MIT
#include "stelmo/form1.h"

#include "common/core/numbertext.h"
#include "common/gui/application.h"
#include "common/gui/picturebox.h"
#include "stelmo/physics.h"

#include <QCoreApplication>
#include <QLineEdit>

#include <cmath>

namespace stelmo {

using namespace common;

namespace {
constexpr FontDef Tnr12{fonts::TimesNewRoman, 12};
constexpr FontDef Tnr1425{fonts::TimesNewRoman, 14.25};

// The energy warnings keep the translation context of the verdict they explain; the
// texts are written in English.
class EnergyText {
    Q_DECLARE_TR_FUNCTIONS(stelmo::EnergyEntry)
public:
    // The warning box's text for a verdict other than Run.
    static QString warning(const EnergyEntry &entry, const QString &typedText,
                           const QString &fileName)
    {
        switch (entry.verdict) {
        case EnergyEntry::Verdict::Run: break;
        case EnergyEntry::Verdict::Empty: return tr("Input Photon energy");
        case EnergyEntry::Verdict::NotPositive:
            return tr("The photon energy must be greater than 0 keV "
                      "(\"%1\" reads as %2 keV).\n"
                      "Input Photon energy in keV, for example 100.")
                .arg(typedText.left(40), QString::number(entry.typed));
        case EnergyEntry::Verdict::NoCoefficient:
            return tr("%1 gives no usable attenuation coefficient "
                      "at %2 keV (μ = %3).\n"
                      "Input Photon energy in keV from %4 to 999.")
                .arg(fileName, QString::number(entry.energy), QString::number(entry.mu),
                     QString::number(entry.lowestKeV));
        }
        return QString();
    }
};
} // namespace

Form1::Form1(common::MaterialLoader loader)
    : BatchWindow(QT_TR_NOOP("Free Path Length"), 11040, 11205, PhotonsPerBatch, std::move(loader),
                  materialFileReader(MaterialBlocks::Attenuation))
{
    // clang-format off
    controls_.build(
        this,
        {
            {MCT_BOUND(Picture1), .left = 240, .top = 120,
             .width = 10575, .height = 6495, .font = {fonts::TimesNewRoman, 15.75},
             .fore = colours::Black, .back = colours::White, .flags = SunkenBorder,
             .scale = {0, 0, 1000, 430},
             .accessibleName = QT_TR_NOOP("光子の飛跡"),
             .accessibleDescription = QT_TR_NOOP("物質の板に左から入る光子の自由行程")},
            {MCT_BOUND(Picture2), .left = 240, .top = 6720,
             .width = 10575, .height = 3495, .font = {fonts::TimesNewRoman, 15.75},
             .fore = colours::Black, .back = colours::White, .flags = SunkenBorder,
             .scale = {0, 0, 1000, 500},
             .accessibleName = QT_TR_NOOP("透過率のグラフ"),
             .accessibleDescription = QT_TR_NOOP("深さごとの透過率：サンプリング（赤）と exp(−μx)（青）、対数目盛")},
            {.name = "Label1", .kind = ControlKind::Label, .text = QT_TR_NOOP("Photon energy"), .left = 240,
             .top = 10320, .width = 1620, .height = 315, .font = Tnr1425, .flags = AutoSize},
            {MCT_BOUND(Text1), .text = "100", .left = 2040,
             .top = 10320, .width = 855, .height = 375, .font = Tnr12, .fore = colours::Black,
             .back = colours::PaleYellow,
             .accessibleName = QT_TR_NOOP("光子エネルギー"),
             .accessibleDescription = QT_TR_NOOP("光子エネルギー（keV）")},
            {.name = "Label2", .kind = ControlKind::Label, .text = QT_TR_NOOP("keV"), .left = 3000,
             .top = 10320, .width = 450, .height = 315, .font = Tnr1425, .flags = AutoSize},
            {.name = "Label4", .kind = ControlKind::Label, .text = QT_TR_NOOP("μ"), .left = 3735,
             .top = 10320, .width = 345, .height = 285, .font = {fonts::Gothic, 14.25, true},
             .flags = Centred | AutoSize},
            {MCT_BOUND(Text3), .left = 4200, .top = 10320,
             .width = 1095, .height = 375, .font = Tnr12, .fore = colours::Blue,
             .back = colours::PaleYellow,
             .accessibleName = QT_TR_NOOP("線減弱係数 μ"),
             .accessibleDescription = QT_TR_NOOP("μ（1/cm）")},
            {.name = "Label6", .kind = ControlKind::Label, .text = QT_TR_NOOP("cm"), .left = 5400,
             .top = 10320, .width = 345, .height = 315, .font = Tnr1425, .flags = AutoSize},
            {.name = "Label7", .kind = ControlKind::Label, .text = QT_TR_NOOP("-1"), .left = 5760,
             .top = 10320, .width = 180, .height = 180, .font = {fonts::Gothic, 9},
             .flags = AutoSize},
            {MCT_BOUND(Command1), .text = QT_TR_NOOP("GO"), .left = 7200,
             .top = 10280, .width = 2175, .height = 650, .font = {fonts::TimesNewRoman, 15.75},
             .accessibleDescription = QT_TR_NOOP("400 個の光子を送る")},
            {MCT_BOUND(Command3), .text = QT_TR_NOOP("Reset"), .left = 9600,
             .top = 10280, .width = 1095, .height = 375, .font = Tnr12},
            {.name = "Label3", .kind = ControlKind::Label, .text = QT_TR_NOOP("Total Photons"), .left = 240,
             .top = 10680, .width = 1590, .height = 315, .font = Tnr1425, .flags = AutoSize},
            {MCT_BOUND(Text2), .left = 2040, .top = 10680,
             .width = 1095, .height = 375, .font = Tnr12, .fore = colours::Blue,
             .back = colours::PaleCyan,
             .accessibleName = QT_TR_NOOP("光子数"),
             .accessibleDescription = QT_TR_NOOP("これまでに送った光子の数")},
            {.name = "Label5", .kind = ControlKind::Label, .text = QT_TR_NOOP("mfp"), .left = 3675,
             .top = 10680, .width = 465, .height = 315, .font = Tnr1425,
             .flags = Centred | AutoSize},
            {MCT_BOUND(Text5), .left = 4200, .top = 10680,
             .width = 855, .height = 390, .font = Tnr12, .fore = colours::Blue,
             .back = colours::PaleYellow,
             .accessibleName = QT_TR_NOOP("平均自由行程 1/μ"),
             .accessibleDescription = QT_TR_NOOP("理論値（cm）")},
            {.name = "Line1", .kind = ControlKind::Line, .left = 5160, .top = 11040,
             .width = 5520, .height = 10680, .fore = colours::Black, .lineWidth = 1},
            {MCT_BOUND(Text4), .left = 5640, .top = 10680,
             .width = 855, .height = 390, .font = Tnr12, .fore = colours::Blue,
             .back = colours::PaleCyan,
             .accessibleName = QT_TR_NOOP("サンプルの平均行程"),
             .accessibleDescription = QT_TR_NOOP("サンプルした自由行程の平均（cm）")},
            {.name = "Label8", .kind = ControlKind::Label, .text = QT_TR_NOOP("cm"), .left = 6600,
             .top = 10680, .width = 345, .height = 315, .font = Tnr1425, .flags = AutoSize},
            {.name = "Label9", .kind = ControlKind::Label, .text = QT_TR_NOOP("400 phtons / click"),
             .left = 7440, .top = 10920, .width = 1530, .height = 255,
             .font = {fonts::TimesNewRoman, 11.25}, .flags = AutoSize},
            {MCT_BOUND(Command2), .text = QT_TR_NOOP("EXIT"), .left = 9600,
             .top = 10700, .width = 1095, .height = 375, .font = Tnr12},
        });
    // clang-format on
    Controls::setTabOrder(
        {Picture1, Picture2, Command1, Command2, Text1, Command3, Text2, Text3, Text4, Text5});

    module_ =
        std::make_unique<Module1>(Module1Controls{Picture1, Picture2, Text2, Text3, Text4, Text5});
    setUp({.module = module_.get(),
           .resultBoxes = {Text2, Text3, Text4, Text5},
           .startEnergy = QStringLiteral("100"),
           .exportStem = QStringLiteral("stelmo"),
           .statisticsTitle = [] { return tr("Free Path Length: 統計"); },
           .bandsText = [] { return tr("透過率に ±2σ の帯(&B)"); }});
}

void Form1::updateStatistics()
{
    const Module1 &m = *module_;
    const double mu = attenuationCoefficient(m.table(), m.PhotonEnergy);
    const PathStatistics path =
        pathStatistics(m.Results.PhotonCount, m.Results.PathSum, m.Results.PathSquareSum, mu);
    const KsDistance ks = ksDistance(m.Results.TransmittedCount, m.Results.PhotonCount, mu);
    std::vector<StatLine> lines;
    lines.push_back({tr("材質"), displayName(*m.Material), QString()});
    lines.push_back({tr("光子数"), QString::number(m.Results.PhotonCount), QString()});
    if (m.Results.PhotonCount > 0) {
        lines.push_back(
            {tr("平均自由行程 1/μ"), formatFixed3(1 / mu) + QStringLiteral(" cm"), QString()});
        lines.push_back({tr("サンプルの平均行程"),
                         formatFixed3(path.mean) + QStringLiteral(" ± ") +
                             formatFixed3(path.standardError) + QStringLiteral(" cm (1σ)"),
                         readingOf(path.errorsFromMfp, QStringLiteral("1/μ"))});
        lines.push_back(
            {tr("KS 距離"),
             QStringLiteral("D = %1 (5 %: %2)")
                 .arg(QString::number(ks.distance, 'f', 4), QString::number(ks.critical5, 'f', 4)),
             ks.distance <= ks.critical5 ? tr("透過率は指数法則と矛盾しない")
                                         : tr("5 % の臨界値を超える: 指数法則からのずれ")});
    }
    statistics().setContent(lines, {m.Results.MeanHistory, 1 / mu,
                                    [mu](double n) { return (1 / mu) / std::sqrt(n); },
                                    tr("平均行程 [cm]")});
}

Form1::~Form1() = default;

void Form1::describePlots()
{
    const Module1 &m = *module_;
    if (m.Results.PhotonCount == 0) {
        controls_.describe(Picture1, QString());
        controls_.describe(Picture2, QString());
        return;
    }
    const double mu = attenuationCoefficient(m.table(), m.PhotonEnergy);
    controls_.describe(Picture1, tr("%1 keV、%2：最後の %3 個の光子、平均自由行程 1/μ = %4 cm")
                                     .arg(QString::number(m.PhotonEnergy), displayName(*m.Material))
                                     .arg(PhotonsPerBatch)
                                     .arg(formatFixed3(1 / mu)));
    const DepthFraction f = fractionAtMeanFreePath(m.Results.TransmittedCount, mu);
    controls_.describe(Picture2,
                       tr("%1 個の光子のうち %2 cm に届いたのは %3 %（exp(−μx) では %4 %）")
                           .arg(m.Results.PhotonCount)
                           .arg(QString::number(f.depthCm, 'f', 1),
                                QString::number(100 * f.sampled, 'f', 1),
                                QString::number(100 * f.law, 'f', 1)));
}

bool Form1::takeEnergy()
{
    const EnergyEntry entry = readEnergyEntry(Text1->text(), module_->table());
    if (entry.verdict != EnergyEntry::Verdict::Run) {
        showWarning(this, EnergyText::warning(entry, Text1->text(),
                                              QString::fromLatin1(module_->Material->fileName)));
        return false;
    }
    module_->PhotonEnergy = entry.energy;
    if (entry.capped)
        Text1->setText(QStringLiteral("999"));
    return true;
}

} // namespace stelmo
