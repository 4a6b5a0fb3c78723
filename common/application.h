// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QApplication;
class QWidget;

namespace common {

// Common start-up of the three programs: style, font substitutions, names, icon.
void prepareApplication(QApplication &app, const QString &programName, const QString &iconPath);

// Maps the fonts the layouts name to metric-compatible or Japanese fonts that
// Debian ships.
void installFontSubstitutions();

// The one place where a long handler lets the event loop run (repaints, clicks).
// Returns false once the program has been asked to end: the caller stops at once.
bool processPendingEvents();

// Ends the program: closes every window and leaves the event loop with status 0.
// A batch that is running sees processPendingEvents() return false and stops.
void endProgram();
bool endRequested();
// For a fresh start in tests, which run no application loop of their own.
void clearEndRequest();

// Warning box: exclamation icon, one OK button, titled with the program's name.
void showWarning(QWidget *parent, const QString &text);

// A start-up that cannot go on: the report is shown and the program ends with status 1.
void failStartup(QWidget *parent, const QString &report);

} // namespace common
