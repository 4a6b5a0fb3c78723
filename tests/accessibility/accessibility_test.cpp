// SPDX-License-Identifier: MIT
// What a screen reader finds: every control named, the plots described by what they
// show now, the statistics as plain words; read through QAccessible as an assistive
// technology would.
#include "common/gui/language.h"
#include "common/gui/picturebox.h"
#include "stelmo/physics.h"
#include "tests/everywindow.h"
#include "tests/testutil.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using common::Language;

QAccessibleInterface *accessible(QWidget *w)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(w);
    EXPECT_NE(iface, nullptr) << w->objectName().toStdString();
    return iface;
}

QString nameOf(QWidget *w) { return accessible(w)->text(QAccessible::Name); }
QString descriptionOf(QWidget *w) { return accessible(w)->text(QAccessible::Description); }

bool hasJapanese(const QString &text)
{
    static const QRegularExpression japanese(
        QStringLiteral("[\\x{3000}-\\x{30FF}\\x{4E00}-\\x{9FFF}\\x{FF00}-\\x{FFEF}]"));
    return japanese.match(text).hasMatch();
}

struct LanguageCase {
    const char *name;
    Language language;
};

class NamedControls
    : public ::testing::TestWithParam<std::tuple<everywindow::WindowCase, LanguageCase>> {
protected:
    void TearDown() override { common::setLanguage(Language::Japanese, false); }
};

// Every control of every window has a name in the language in use; pictures and text
// boxes, which have no text of their own, say what they show; lines are separators.
TEST_P(NamedControls, EveryControlHasANameInTheLanguageInUse)
{
    const auto &[window, language] = GetParam();
    testutil::settleApplication();
    common::setLanguage(language.language, false);
    const auto form = window.make();
    ASSERT_TRUE(form->showForm());
    for (QWidget *w : form->findChildren<QWidget *>()) {
        if (w->objectName().isEmpty() || w->isWindow() || w->parentWidget() != form.get())
            continue;
        const std::string control = w->objectName().toStdString();
        QAccessibleInterface *iface = accessible(w);
        if (qobject_cast<common::LineShape *>(w)) {
            EXPECT_EQ(iface->role(), QAccessible::Separator) << control;
            continue;
        }
        const QString name = iface->text(QAccessible::Name);
        EXPECT_FALSE(name.trimmed().isEmpty()) << control << " has no name";
        if (language.language == Language::English) {
            EXPECT_FALSE(hasJapanese(name)) << control << ": " << name.toStdString();
            EXPECT_FALSE(hasJapanese(iface->text(QAccessible::Description)))
                << control << ": " << iface->text(QAccessible::Description).toStdString();
        }
        if (qobject_cast<common::PictureBox *>(w)) {
            EXPECT_EQ(iface->role(), QAccessible::Graphic) << control;
            EXPECT_FALSE(iface->text(QAccessible::Description).isEmpty()) << control;
        }
        if (qobject_cast<QLineEdit *>(w)) {
            EXPECT_EQ(iface->role(), QAccessible::EditableText) << control;
        }
    }
    form->hide();
}

INSTANTIATE_TEST_SUITE_P(
    Windows, NamedControls,
    ::testing::Combine(::testing::ValuesIn(everywindow::windows),
                       ::testing::Values(LanguageCase{"Japanese", Language::Japanese},
                                         LanguageCase{"English", Language::English})),
    [](const auto &info) {
        return std::string(std::get<0>(info.param).name) + std::get<1>(info.param).name;
    });

class Descriptions : public ::testing::Test {
protected:
    void SetUp() override { testutil::settleApplication(); }
    void TearDown() override { common::setLanguage(Language::Japanese, false); }
};

// Dartley's plot says how many dots it holds and how many fell inside the circle after
// each batch, in either language, and only what it shows: nothing after Reset.
TEST_F(Descriptions, DartleysPlotCountsItsDots)
{
    dartley::Form1 form;
    ASSERT_TRUE(form.showForm());
    const QString empty = descriptionOf(form.Picture1);
    EXPECT_FALSE(empty.contains(QRegularExpression(QStringLiteral("[0-9]"))))
        << empty.toStdString();
    QTest::mouseClick(form.Command1, Qt::LeftButton);
    EXPECT_TRUE(descriptionOf(form.Picture1).contains(QStringLiteral("1000")));
    for (int i = 0; i < 2; ++i)
        QTest::mouseClick(form.Command1, Qt::LeftButton);
    // 2337 of the first 3000 points fall inside, as the window's texts show.
    EXPECT_TRUE(descriptionOf(form.Picture1).startsWith(empty));
    EXPECT_TRUE(descriptionOf(form.Picture1)
                    .endsWith(QStringLiteral("3000 個のドット、円の内側に 2337 個")))
        << descriptionOf(form.Picture1).toStdString();

    common::setLanguage(Language::English, false);
    EXPECT_TRUE(
        descriptionOf(form.Picture1).endsWith(QStringLiteral("3000 dots, 2337 inside the circle")))
        << descriptionOf(form.Picture1).toStdString();
    EXPECT_EQ(nameOf(form.Text1), QStringLiteral("Estimate of π"));
    common::setLanguage(Language::Japanese, false);

    QTest::mouseClick(form.Command3, Qt::LeftButton);
    EXPECT_EQ(descriptionOf(form.Picture1), empty);
    form.hide();
}

// Stelmo's plots: the energy, material and 1/μ of the tracks drawn, and the sampled
// fraction at the mean free path beside the law's; cleared with the results.
TEST_F(Descriptions, StelmosPlotsFollowTheBatches)
{
    stelmo::Form1 form{stelmotest::loadTissueTable};
    form.pacer().setPace(common::Pace::Fast);
    ASSERT_TRUE(form.showForm());
    const QString tracks = descriptionOf(form.Picture1), plot = descriptionOf(form.Picture2);
    for (int i = 0; i < 2; ++i)
        QTest::mouseClick(form.Command1, Qt::LeftButton);
    const stelmo::Module1 &m = form.module();
    const double mu = stelmo::attenuationCoefficient(m.table(), 100);
    const stelmo::DepthFraction f = stelmo::fractionAtMeanFreePath(m.Results.TransmittedCount, mu);
    ASSERT_GT(f.sampled, 0.2);
    const QString now = descriptionOf(form.Picture2);
    EXPECT_TRUE(now.startsWith(plot));
    for (const QString &number :
         {QStringLiteral("800"), QString::number(f.depthCm, 'f', 1),
          QString::number(100 * f.sampled, 'f', 1), QString::number(100 * f.law, 'f', 1)})
        EXPECT_TRUE(now.contains(number)) << number.toStdString() << " in " << now.toStdString();
    EXPECT_TRUE(descriptionOf(form.Picture1).contains(form.Text5->text()))
        << "the mean free path the box shows";
    EXPECT_TRUE(descriptionOf(form.Picture1).contains(QStringLiteral("100 keV")));

    QTest::mouseClick(form.Command3, Qt::LeftButton);
    EXPECT_EQ(descriptionOf(form.Picture1), tracks);
    EXPECT_EQ(descriptionOf(form.Picture2), plot);
    form.hide();
}

// Rhunel's histogram: the photons, the most frequent one-degree bin and the mean angle.
TEST_F(Descriptions, RhunelsHistogramSaysWhereThePhotonsWent)
{
    rhunel::Form1 form{synthetic::source};
    form.pacer().setPace(common::Pace::Fast);
    ASSERT_TRUE(form.showForm());
    const QString plot = descriptionOf(form.Picture2);
    QTest::mouseClick(form.Command1, Qt::LeftButton);
    const rhunel::Module2 &m = form.module();
    const auto peak =
        std::max_element(m.Results.AngleHistogram.begin() + 1, m.Results.AngleHistogram.end());
    const auto k = peak - m.Results.AngleHistogram.begin();
    const QString now = descriptionOf(form.Picture2);
    EXPECT_TRUE(now.startsWith(plot));
    EXPECT_TRUE(now.contains(QStringLiteral("500 個")));
    EXPECT_TRUE(now.contains(QStringLiteral("%1°〜%2°").arg(k - 1).arg(k))) << now.toStdString();
    EXPECT_TRUE(now.contains(QString::number(m.Results.AngleSum / 500, 'f', 1)))
        << now.toStdString();
    EXPECT_TRUE(descriptionOf(form.Picture1).contains(QStringLiteral("20 keV")));

    common::setLanguage(Language::English, false);
    EXPECT_TRUE(descriptionOf(form.Picture2).contains(QStringLiteral("500 photons")))
        << descriptionOf(form.Picture2).toStdString();
    form.hide();
}

// The statistics window's numbers are read as plain words, without the markup that
// sets them large; its plot says how many points it holds.
TEST_F(Descriptions, StatisticsAreReadablePlainText)
{
    stelmo::Form1 form{stelmotest::loadTissueTable};
    form.pacer().setPace(common::Pace::Fast);
    ASSERT_TRUE(form.showForm());
    for (int i = 0; i < 3; ++i)
        QTest::mouseClick(form.Command1, Qt::LeftButton);
    form.statistics().toggle();
    QStringList read;
    for (QLabel *line : form.statistics().lineLabels()) {
        if (!line->isVisible())
            continue;
        const QString name = nameOf(line);
        EXPECT_FALSE(name.contains(QLatin1Char('<'))) << name.toStdString();
        read << name << descriptionOf(line);
    }
    const QString all = read.join(QLatin1Char('\n'));
    EXPECT_TRUE(all.contains(QStringLiteral("光子数 1200"))) << all.toStdString();
    EXPECT_TRUE(all.contains(form.Text4->text())) << "the mean path: " << all.toStdString();
    EXPECT_TRUE(all.contains(QStringLiteral("σ"))) << "its reading";
    common::PictureBox *plot = form.statistics().plot();
    EXPECT_FALSE(nameOf(plot).isEmpty());
    EXPECT_TRUE(descriptionOf(plot).contains(QStringLiteral("3 ")))
        << descriptionOf(plot).toStdString();
    form.statistics().hide();
    form.hide();
}

} // namespace
