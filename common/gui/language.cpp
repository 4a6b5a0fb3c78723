// SPDX-License-Identifier: MIT
#include "common/gui/language.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>

namespace common {

namespace {

const QString languageKey = QStringLiteral("language");

// One choice for all three programs.
const QString settingsName = QStringLiteral("monte-carlo-teaching");

Language current = Language::Japanese;

QTranslator &englishTranslator()
{
    static QTranslator translator;
    return translator;
}

// Qt's own texts (buttons of its dialogs, the line edits' menu) in Japanese; English is
// their source language. Looked up where Qt keeps its translations: Debian's folder, or
// the folder beside a Windows program that its qt.conf names.
void useQtTranslation(Language language)
{
    static QTranslator translator;
    static bool installed = false;
    const bool wanted = language == Language::Japanese;
    if (wanted == installed)
        return;
    if (wanted) {
        if (translator.isEmpty() &&
            !translator.load(QStringLiteral("qtbase_ja"),
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            return; // not installed: Qt's few texts stay in English
        QCoreApplication::installTranslator(&translator);
    } else {
        QCoreApplication::removeTranslator(&translator);
    }
    installed = wanted;
}

} // namespace

Language languageForLocale(const QLocale &locale)
{
    if (locale.language() == QLocale::C)
        return Language::Japanese;
    return languageForUiLanguages(locale.uiLanguages());
}

Language languageForUiLanguages(const QStringList &languages)
{
    for (const QString &name : languages) {
        const QString lower = name.toLower();
        if (lower == QLatin1String("c") || lower == QLatin1String("posix"))
            return Language::Japanese;
        if (lower.startsWith(QLatin1String("ja")))
            return Language::Japanese;
        if (lower.startsWith(QLatin1String("en")))
            return Language::English;
    }
    return Language::English;
}

std::optional<Language> savedLanguage()
{
    const QString saved = QSettings(settingsName, settingsName).value(languageKey).toString();
    if (saved == QLatin1String("ja"))
        return Language::Japanese;
    if (saved == QLatin1String("en"))
        return Language::English;
    return std::nullopt;
}

Language startupLanguage()
{
    return savedLanguage().value_or(languageForLocale(QLocale::system()));
}

void setLanguage(Language language, bool remember)
{
    useQtTranslation(language);
    // The language in use chosen again changes nothing on screen: no window redraws
    // (Dartley's would replay every dot).
    if (language != current) {
        QTranslator &english = englishTranslator();
        if (language == Language::English) {
            if (english.isEmpty() && !english.load(QStringLiteral(":/i18n/mct_en.qm")))
                qWarning("the English translation is missing from the program");
            QCoreApplication::installTranslator(&english);
        } else {
            QCoreApplication::removeTranslator(&english);
        }
        current = language;
        // Every window retranslates now, not at the next turn of the event loop.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    }
    if (remember) {
        QSettings(settingsName, settingsName)
            .setValue(languageKey,
                      language == Language::English ? QStringLiteral("en") : QStringLiteral("ja"));
    }
}

Language currentLanguage() { return current; }

QString localizedAsset(const QString &path)
{
    if (current != Language::English)
        return path;
    const QFileInfo info(path);
    const QString english = info.path() + QLatin1Char('/') + info.completeBaseName() +
                            QStringLiteral("_en.") + info.suffix();
    return QFileInfo::exists(english) ? english : path;
}

} // namespace common
