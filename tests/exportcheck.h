// SPDX-License-Identifier: MIT
// Reading back what a window exported: CSV as a spreadsheet reads it, SVG elements,
// and the save dialog answered as a user types a path into it.
#pragma once

#include "tests/batchkeys.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMap>
#include <QSvgRenderer>
#include <QTimer>
#include <QXmlStreamReader>

#include <vector>

namespace exportcheck {

struct Csv {
    QMap<QString, QString> comments;
    QStringList header;
    std::vector<QStringList> rows;
};

inline Csv readCsv(const QByteArray &bytes)
{
    Csv csv;
    const QList<QByteArray> lines = bytes.split('\n');
    for (const QByteArray &raw : lines) {
        const QString line = QString::fromUtf8(raw);
        if (line.isEmpty())
            continue;
        if (line.startsWith(QLatin1String("# "))) {
            const qsizetype eq = line.indexOf(QLatin1String(" = "));
            csv.comments.insert(line.mid(2, eq - 2), line.mid(eq + 3));
        } else if (csv.header.isEmpty()) {
            csv.header = line.split(QLatin1Char(','));
        } else {
            csv.rows.push_back(line.split(QLatin1Char(',')));
        }
    }
    return csv;
}

inline QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// How many elements of each name an SVG file holds; empty when it does not parse.
inline QMap<QString, int> svgElements(const QByteArray &svg)
{
    QMap<QString, int> count;
    if (!QSvgRenderer(svg).isValid())
        return count;
    QXmlStreamReader xml(svg);
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement)
            ++count[xml.name().toString()];
    return count;
}

// How many shapes the paths of an SVG file draw: one a move-to in their data.
inline int svgSubpaths(const QByteArray &svg)
{
    int count = 0;
    QXmlStreamReader xml(svg);
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("path"))
            count += int(xml.attributes().value(QLatin1String("d")).count(QLatin1Char('M')));
    return count;
}

// Answers the next save dialog: checks that its file-name field has the focus, types
// the path there and presses Return. Returns whether the field had the focus.
class DialogTyper {
public:
    explicit DialogTyper(QString path) : path_(std::move(path))
    {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            auto *field = qobject_cast<QLineEdit *>(QApplication::focusWidget());
            if (!field || field->window() != dialog)
                return; // the dialog has not put the focus on its field yet
            fieldFocused = field->objectName() == QLatin1String("fileNameEdit");
            field->setText(path_);
            QTest::keyClick(field, Qt::Key_Return);
            seen = true;
            timer_.stop();
        });
        timer_.start();
    }
    bool seen = false;
    bool fieldFocused = false;

private:
    QString path_;
    QTimer timer_;
};

} // namespace exportcheck
