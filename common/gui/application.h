// SPDX-License-Identifier: MIT
#pragma once

#include "common/core/materialfile.h"

#include <QString>

class QApplication;
class QWidget;

namespace common {

// Common start-up of the three programs: style, font substitutions, names, icon.
void prepareApplication(QApplication &app, const QString &programName);

// The fonts in the "fonts" folder beside the program, where a package brings its own
// (the Windows one: the IPA and Liberation fonts for machines that lack the fonts the
// layouts name). None on Linux, where the system's fonts serve.
void addShippedFonts();

// Maps the fonts the layouts name to metric-compatible or Japanese fonts that
// Debian ships.
void installFontSubstitutions();

// Ends the program: hides every window and leaves the event loop with status 0. A
// running batch is stopped by its window's pacer first (Form::quitProgram).
void endProgram();

// Warning box: exclamation icon, one OK button, titled with the program's name. Opened
// over the window and answered there; this returns at once.
void showWarning(QWidget *parent, const QString &text);

struct Material;

// A window's switch to another material: reads its table; on failure a warning with
// the reader's report, naming the material that stays in use, and false.
bool readMaterialFor(QWidget *window, const MaterialFileReader &reader, const Material &next,
                     const Material &current, MaterialTable &table);

// A start-up that cannot go on: the report is shown over every window, and the program
// ends with status 1 once it is closed. Returns at once.
void failStartup(QWidget *parent, const QString &report);

} // namespace common
