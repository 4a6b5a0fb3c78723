// SPDX-License-Identifier: MIT
// The language a program speaks: chosen from the locale or the saved choice, English
// laid out inside every window, and switched at run time there and back.
#include "common/gui/contextmenu.h"
#include "common/gui/language.h"
#include "common/gui/picturebox.h"
#include "tests/everywindow.h"
#include "tests/testutil.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace {

using common::Language;

struct LocaleCase {
    const char *name;
    QStringList uiLanguages;
    Language expected;
};

class LocaleChoice : public ::testing::TestWithParam<LocaleCase> {};

TEST_P(LocaleChoice, PicksTheFirstOfJapaneseAndEnglish)
{
    EXPECT_EQ(common::languageForUiLanguages(GetParam().uiLanguages), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Languages, LocaleChoice,
    ::testing::Values(LocaleCase{"Japanese", {"ja-JP", "ja"}, Language::Japanese},
                      LocaleCase{"English", {"en-US", "en"}, Language::English},
                      LocaleCase{"EnglishBeforeJapanese", {"en-GB", "ja-JP"}, Language::English},
                      LocaleCase{
                          "JapaneseBeforeEnglish", {"fr-FR", "ja-JP", "en"}, Language::Japanese},
                      LocaleCase{"NoJapanese", {"de-DE", "de"}, Language::English},
                      LocaleCase{"Posix", {"POSIX"}, Language::Japanese},
                      LocaleCase{"Nothing", {}, Language::English}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(LocaleChoice, CAndPosixLocalesSpeakJapanese)
{
    EXPECT_EQ(common::languageForLocale(QLocale::c()), Language::Japanese);
    EXPECT_EQ(common::languageForLocale(QLocale(QStringLiteral("ja_JP"))), Language::Japanese);
    EXPECT_EQ(common::languageForLocale(QLocale(QStringLiteral("en_US"))), Language::English);
    EXPECT_EQ(common::languageForLocale(QLocale(QStringLiteral("de_DE"))), Language::English);
}

// Japanese script anywhere in a text: hiragana, katakana, kanji, full-width forms.
bool hasJapanese(const QString &text)
{
    static const QRegularExpression japanese(
        QStringLiteral("[\\x{3000}-\\x{30FF}\\x{4E00}-\\x{9FFF}\\x{FF00}-\\x{FFEF}]"));
    return japanese.match(text).hasMatch();
}

// The controls of a window by name, with their place.
std::map<QString, QRect> controlRects(const QWidget &form)
{
    std::map<QString, QRect> rects;
    for (QWidget *w : form.findChildren<QWidget *>())
        if (!w->objectName().isEmpty() && !w->isWindow() && w->parentWidget() == &form)
            rects[w->objectName()] = w->geometry();
    return rects;
}

// Pairs of controls whose places intersect, as "A/B".
std::vector<QString> overlaps(const std::map<QString, QRect> &rects)
{
    std::vector<QString> pairs;
    for (auto a = rects.begin(); a != rects.end(); ++a)
        for (auto b = std::next(a); b != rects.end(); ++b)
            if (a->second.intersects(b->second))
                pairs.push_back(a->first + QLatin1Char('/') + b->first);
    return pairs;
}

// How wide a label's or button's text is drawn, against the room it has.
bool textFits(const QWidget *w)
{
    QString text;
    if (auto *label = qobject_cast<const QLabel *>(w))
        text = label->text();
    else if (auto *button = qobject_cast<const QPushButton *>(w))
        text = button->text();
    if (text.isEmpty())
        return true;
    return w->fontMetrics().boundingRect(w->rect(), Qt::TextShowMnemonic, text).width() <=
           w->width();
}

class EnglishWindow : public ::testing::TestWithParam<everywindow::WindowCase> {
protected:
    void TearDown() override { common::setLanguage(Language::Japanese, false); }
};

// In English every label and button lies inside its window with its text inside it,
// overlapping nothing it does not overlap in Japanese, and no Japanese is left.
TEST_P(EnglishWindow, EveryTextFitsWhereTheJapaneseDoes)
{
    testutil::settleApplication();
    const auto japanese = GetParam().make();
    ASSERT_TRUE(japanese->showForm());
    const auto japaneseOverlaps = overlaps(controlRects(*japanese));
    std::map<QString, bool> japaneseFits;
    for (QWidget *w : japanese->findChildren<QWidget *>())
        japaneseFits[w->objectName()] = textFits(w);

    common::setLanguage(Language::English, false);
    const auto english = GetParam().make();
    ASSERT_TRUE(english->showForm());
    EXPECT_FALSE(hasJapanese(english->windowTitle())) << english->windowTitle().toStdString();
    for (QWidget *w : english->findChildren<QWidget *>()) {
        if (w->objectName().isEmpty() || w->isWindow())
            continue;
        const std::string name = w->objectName().toStdString();
        if (auto *label = qobject_cast<QLabel *>(w)) {
            EXPECT_FALSE(hasJapanese(label->text())) << name << ": " << label->text().toStdString();
        }
        if (auto *button = qobject_cast<QPushButton *>(w)) {
            EXPECT_FALSE(hasJapanese(button->text())) << name;
        }
        if (qobject_cast<QLabel *>(w) || qobject_cast<QPushButton *>(w)) {
            EXPECT_TRUE(english->rect().contains(w->geometry())) << name << " outside its window";
            if (japaneseFits[w->objectName()]) {
                EXPECT_TRUE(textFits(w))
                    << name << " cut: " << w->property("text").toString().toStdString();
            }
        }
    }
    for (const QString &pair : overlaps(controlRects(*english)))
        EXPECT_NE(std::find(japaneseOverlaps.begin(), japaneseOverlaps.end(), pair),
                  japaneseOverlaps.end())
            << "overlap in English only: " << pair.toStdString();

    // The window that was open retranslates to what a fresh English one shows.
    EXPECT_EQ(japanese->windowTitle(), english->windowTitle());
    for (QWidget *w : english->findChildren<QWidget *>()) {
        if (w->objectName().isEmpty() ||
            !(qobject_cast<QLabel *>(w) || qobject_cast<QPushButton *>(w)))
            continue;
        QWidget *same = japanese->findChild<QWidget *>(w->objectName());
        ASSERT_NE(same, nullptr);
        EXPECT_EQ(same->property("text"), w->property("text")) << w->objectName().toStdString();
        EXPECT_EQ(same->geometry(), w->geometry()) << w->objectName().toStdString();
    }
    japanese->hide();
    english->hide();
}

INSTANTIATE_TEST_SUITE_P(Programs, EnglishWindow, ::testing::ValuesIn(everywindow::windows),
                         [](const auto &info) { return std::string(info.param.name); });

// Everything a window shows that a language change touches: title, labels, buttons,
// the menu's entries and the plots' pictures.
struct Shown {
    QStringList texts;
    std::vector<QImage> pictures;
    bool operator==(const Shown &) const = default;
};

template <class Form> Shown shownBy(Form &form)
{
    Shown s;
    s.texts << form.windowTitle();
    for (QWidget *w : form.template findChildren<QWidget *>())
        if (qobject_cast<QLabel *>(w) || qobject_cast<QPushButton *>(w))
            s.texts << w->objectName() + QLatin1Char('=') + w->property("text").toString();
    std::function<void(QMenu *)> entries = [&](QMenu *menu) {
        for (QAction *a : menu->actions()) {
            s.texts << a->text() + (a->isChecked() ? QStringLiteral(" [x]") : QString());
            if (a->menu())
                entries(a->menu());
        }
    };
    entries(form.contextMenu().menu());
    for (auto *p : form.template findChildren<common::PictureBox *>())
        s.pictures.push_back(p->image());
    return s;
}

// Switched to English and back while results are shown: the texts change in every
// open window (the menu too), the results stay, and back in Japanese every text and
// picture is as it was.
TEST(LanguageSwitch, EnglishAndBackLeavesEveryWindowAsItWas)
{
    testutil::settleApplication();
    dartley::Form1 dartley;
    stelmo::Form1 stelmo{stelmotest::loadTissueTable};
    rhunel::Form1 rhunel{synthetic::source};
    stelmo.pacer().setPace(common::Pace::Fast);
    rhunel.pacer().setPace(common::Pace::Fast);
    for (common::Form *f : std::initializer_list<common::Form *>{&dartley, &stelmo, &rhunel})
        ASSERT_TRUE(f->showForm());
    for (int i = 0; i < 3; ++i) {
        QTest::mouseClick(dartley.Command1, Qt::LeftButton);
        QTest::mouseClick(stelmo.Command1, Qt::LeftButton);
        QTest::mouseClick(rhunel.Command1, Qt::LeftButton);
    }
    rhunel.statistics().toggle();
    const QString statsTitle = rhunel.statistics().windowTitle();
    const Shown dartleyBefore = shownBy(dartley), stelmoBefore = shownBy(stelmo),
                rhunelBefore = shownBy(rhunel);

    common::setLanguage(Language::English, false);
    const Shown rhunelEnglish = shownBy(rhunel);
    EXPECT_NE(rhunelEnglish.texts, rhunelBefore.texts);
    // Every text in English but the name of Japanese itself among the languages.
    for (const QString &text :
         rhunelEnglish.texts + shownBy(dartley).texts + shownBy(stelmo).texts) {
        if (!text.startsWith(QStringLiteral("日本語"))) {
            EXPECT_FALSE(hasJapanese(text)) << text.toStdString();
        }
    }
    EXPECT_EQ(rhunel.Command1->text(), QStringLiteral("Continue"));
    EXPECT_EQ(rhunel.Text2->text(), QStringLiteral("1500")) << "the results stay";
    EXPECT_NE(rhunel.statistics().windowTitle(), statsTitle);
    EXPECT_FALSE(hasJapanese(rhunel.statistics().lineLabels().front()->text()));
    EXPECT_FALSE(
        hasJapanese(shownBy(dartley).texts.join(QString()).remove(QStringLiteral("日本語"))));

    common::setLanguage(Language::Japanese, false);
    EXPECT_TRUE(shownBy(dartley) == dartleyBefore) << "Dartley's window, its plot included";
    EXPECT_TRUE(shownBy(stelmo) == stelmoBefore);
    EXPECT_TRUE(shownBy(rhunel) == rhunelBefore);
    EXPECT_EQ(rhunel.statistics().windowTitle(), statsTitle);
    rhunel.statistics().hide();
    for (common::Form *f : std::initializer_list<common::Form *>{&dartley, &stelmo, &rhunel})
        f->hide();
}

// The choice is written only when the user makes it in the menu, and the next start
// takes it over the locale.
TEST(LanguageSwitch, OnlyTheMenusChoiceIsRemembered)
{
    QTemporaryDir config;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config.path());
    stelmo::Form1 form{stelmotest::loadTissueTable};
    ASSERT_TRUE(form.showForm());
    common::setLanguage(Language::English, false);
    common::setLanguage(Language::Japanese, false);
    EXPECT_FALSE(common::savedLanguage().has_value());
    EXPECT_TRUE(QDir(config.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden))
        << "nothing written without a choice";

    QAction *english = nullptr;
    for (QAction *a : form.contextMenu().menu()->actions())
        if (a->menu() && a->text() == QStringLiteral("言語(&L)"))
            for (QAction *choice : a->menu()->actions())
                if (choice->text() == QStringLiteral("English(&E)"))
                    english = choice;
    ASSERT_NE(english, nullptr);
    english->trigger();
    EXPECT_EQ(common::currentLanguage(), Language::English);
    EXPECT_EQ(common::savedLanguage(), Language::English);
    EXPECT_EQ(common::startupLanguage(), Language::English);
    EXPECT_TRUE(english->isChecked());
    common::setLanguage(Language::Japanese, true);
    EXPECT_EQ(common::savedLanguage(), Language::Japanese);
    form.hide();
}

} // namespace
