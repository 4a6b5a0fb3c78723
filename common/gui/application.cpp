// SPDX-License-Identifier: MIT
#include "common/gui/application.h"

#include "common/core/materials.h"
#include "common/gui/programicon.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QFontDatabase>
#include <QIcon>
#include <QMessageBox>
#include <QPointer>
#include <QStyleFactory>

namespace common {

void installFontSubstitutions()
{
    // A Windows in another language may know the Japanese fonts by their English names
    // only; then the fonts shipped with the programs, then Debian's.
    QFont::insertSubstitutions(QStringLiteral("ＭＳ Ｐゴシック"),
                               {QStringLiteral("MS PGothic"), QStringLiteral("IPAPGothic"),
                                QStringLiteral("IPAexGothic"), QStringLiteral("Noto Sans CJK JP")});
    QFont::insertSubstitutions(QStringLiteral("ＭＳ ゴシック"),
                               {QStringLiteral("MS Gothic"), QStringLiteral("IPAGothic"),
                                QStringLiteral("IPAexGothic"),
                                QStringLiteral("Noto Sans Mono CJK JP")});
    QFont::insertSubstitutions(QStringLiteral("メイリオ"),
                               {QStringLiteral("Meiryo"), QStringLiteral("Noto Sans CJK JP"),
                                QStringLiteral("IPAexGothic"), QStringLiteral("IPAPGothic")});
    QFont::insertSubstitutions(QStringLiteral("Times New Roman"),
                               {QStringLiteral("Liberation Serif")});
}

void addShippedFonts()
{
    const QDir fonts(QCoreApplication::applicationDirPath() + QStringLiteral("/fonts"));
    for (const QString &file : fonts.entryList({QStringLiteral("*.ttf")}, QDir::Files))
        QFontDatabase::addApplicationFont(fonts.filePath(file));
}

void prepareApplication(QApplication &app, const QString &programName)
{
    // One look on every desktop, whatever theme the user has.
    app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    app.setApplicationName(programName);
    app.setWindowIcon(programIcon(programName));
    addShippedFonts();
    installFontSubstitutions();
}

void endProgram()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        w->hide();
    QCoreApplication::exit(0);
}

namespace {
// A box with one OK button, titled with the program's name, gone once answered.
QMessageBox *messageBox(QMessageBox::Icon icon, QWidget *parent, const QString &text)
{
    auto *box =
        new QMessageBox(icon, QApplication::applicationName(), text, QMessageBox::Ok, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    return box;
}
} // namespace

void showWarning(QWidget *parent, const QString &text)
{
    QMessageBox *box = messageBox(QMessageBox::Warning, parent, text);
    // The window takes the keyboard back, window manager or not.
    QPointer<QWidget> window = parent ? parent->window() : nullptr;
    QObject::connect(box, &QDialog::finished, box, [window] {
        if (window)
            window->activateWindow();
    });
    box->open();
}

bool readMaterialFor(QWidget *window, const MaterialFileReader &reader, const Material &next,
                     const Material &current, MaterialTable &table)
{
    const QString report = reader(QString::fromLatin1(next.fileName), table);
    if (report.isEmpty())
        return true;
    showWarning(window, report + QLatin1Char('\n') +
                            QCoreApplication::translate("common", "%1 のままで続けます。")
                                .arg(displayName(current)));
    return false;
}

void failStartup(QWidget *parent, const QString &report)
{
    QMessageBox *box = messageBox(QMessageBox::Critical, parent, report);
    // Every window waits for the report: the program ends once it has been read.
    box->setWindowModality(Qt::ApplicationModal);
    QObject::connect(box, &QDialog::finished, box, [] { QCoreApplication::exit(1); });
    box->show();
}

} // namespace common
