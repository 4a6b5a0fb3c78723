// SPDX-License-Identifier: MIT
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>

namespace common {

// The languages the programs speak: Japanese as written, English through the
// project's translation.
enum class Language { Japanese, English };

// From the user's locale: Japanese under a Japanese locale and under C/POSIX; English
// when the preferred UI languages name English before Japanese, or no Japanese at all.
Language languageForLocale(const QLocale &locale);
// The same from the preferred UI languages alone, most preferred first ("ja-JP", "en").
Language languageForUiLanguages(const QStringList &languages);

// The user's earlier choice from the menu, if any.
std::optional<Language> savedLanguage();

// At start-up: the saved choice, else the locale's.
Language startupLanguage();

// Installs the translation (or removes it, for Japanese); every open window retranslates
// itself. remember: the menu's choice, kept for the next start. Only the choice is ever
// written, and only then.
void setLanguage(Language language, bool remember);
Language currentLanguage();

// A picture with text in it: the English version beside it (name_en.ext) when English
// is in use and such a version exists, else the picture itself.
QString localizedAsset(const QString &path);

} // namespace common
