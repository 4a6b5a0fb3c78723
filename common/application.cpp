// SPDX-License-Identifier: MIT
#include "common/application.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QMessageBox>
#include <QStyleFactory>
#include <QTimer>

namespace common {

namespace {
bool endFlag = false;
}

void installFontSubstitutions()
{
    QFont::insertSubstitutions(QStringLiteral("ＭＳ Ｐゴシック"),
                               {QStringLiteral("IPAPGothic"), QStringLiteral("IPAexGothic"),
                                QStringLiteral("Noto Sans CJK JP")});
    QFont::insertSubstitutions(QStringLiteral("ＭＳ ゴシック"),
                               {QStringLiteral("IPAGothic"), QStringLiteral("IPAexGothic"),
                                QStringLiteral("Noto Sans Mono CJK JP")});
    QFont::insertSubstitutions(QStringLiteral("メイリオ"),
                               {QStringLiteral("Noto Sans CJK JP"), QStringLiteral("IPAexGothic"),
                                QStringLiteral("IPAPGothic")});
    QFont::insertSubstitutions(QStringLiteral("Times New Roman"),
                               {QStringLiteral("Liberation Serif")});
}

void prepareApplication(QApplication &app, const QString &programName, const QString &iconPath)
{
    // One look on every desktop, whatever theme the user has.
    app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    app.setApplicationName(programName);
    app.setWindowIcon(QIcon(iconPath));
    installFontSubstitutions();
}

bool processPendingEvents()
{
    if (!endFlag)
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    return !endFlag;
}

void endProgram()
{
    endFlag = true;
    for (QWidget *w : QApplication::topLevelWidgets())
        w->hide();
    QCoreApplication::exit(0);
}

bool endRequested() { return endFlag; }

void clearEndRequest()
{
    if (endFlag) {
        // Asking to end without the application's loop running leaves its quit flag
        // set, and every later modal box would return at once: run the loop one turn.
        QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        QCoreApplication::exec();
    }
    endFlag = false;
}

void showWarning(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::Warning, QApplication::applicationName(), text, QMessageBox::Ok,
                    parent);
    box.exec();
}

void failStartup(QWidget *parent, const QString &report)
{
    QMessageBox box(QMessageBox::Critical, QApplication::applicationName(), report, QMessageBox::Ok,
                    parent);
    box.exec();
    endFlag = true;
    QCoreApplication::exit(1);
}

} // namespace common
