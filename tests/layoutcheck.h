// SPDX-License-Identifier: MIT
// Checks a window's controls against its layout table, row by row, so that a
// control moved, resized, recoloured or re-lettered shows up by name.
#pragma once

#include "common/gui/formkit.h"
#include "common/gui/picturebox.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

#include <cmath>

namespace layoutcheck {

struct Expected {
    const char *name;
    const char *text;             // nullptr: not checked (picture boxes, lines)
    int left, top, width, height; // twips; a line: x1, y1, x2, y2
    const char *family = nullptr;
    double points = 0;
    bool bold = false;
    bool italic = false;
    QRgb fore = common::colours::None;
    QRgb back = common::colours::None;
};

inline int px(int twips) { return common::twipsToPixels(twips); }

inline void expectControl(const common::Controls &controls, const Expected &e)
{
    SCOPED_TRACE(e.name);
    QWidget *w = controls.widget(e.name);
    const QRect want(px(e.left), px(e.top), px(e.width), px(e.height));
    if (auto *line = qobject_cast<common::LineShape *>(w)) {
        EXPECT_EQ(line->mapToParent(line->from()), QPoint(px(e.left), px(e.top)));
        EXPECT_EQ(line->mapToParent(line->to()), QPoint(px(e.width), px(e.height)));
        if (e.fore != common::colours::None) {
            EXPECT_EQ(line->colour(), QColor::fromRgba(e.fore));
        }
        return;
    }
    if (auto *label = qobject_cast<QLabel *>(w)) {
        // Labels size themselves to their text: the left and top corner is fixed.
        EXPECT_EQ(label->pos(), want.topLeft());
        EXPECT_GE(label->width(), want.width());
        EXPECT_LE(label->width(), want.width() * 13 / 10 + 4) << "label runs far wider";
    } else {
        EXPECT_EQ(w->geometry(), want);
    }
    if (e.text) {
        const QString text = QString::fromUtf8(e.text);
        if (auto *label = qobject_cast<QLabel *>(w)) {
            EXPECT_EQ(label->text(), text);
        } else if (auto *button = qobject_cast<QPushButton *>(w)) {
            EXPECT_EQ(button->text(), text);
        } else if (auto *box = qobject_cast<QLineEdit *>(w)) {
            EXPECT_EQ(box->text(), text);
        }
    }
    QFont font = w->font();
    if (auto *picture = qobject_cast<common::PictureBox *>(w))
        font = picture->printFont();
    if (e.family) {
        EXPECT_EQ(font.family(), QString::fromUtf8(e.family));
        EXPECT_EQ(font.pixelSize(), std::lround(e.points * 4 / 3));
        EXPECT_EQ(font.bold(), e.bold);
        EXPECT_EQ(font.italic(), e.italic);
    }
    if (auto *box = qobject_cast<QLineEdit *>(w)) {
        EXPECT_EQ(box->alignment(), Qt::AlignCenter);
        if (e.fore != common::colours::None) {
            EXPECT_EQ(box->palette().color(QPalette::Text), QColor::fromRgba(e.fore));
        }
        if (e.back != common::colours::None) {
            EXPECT_EQ(box->palette().color(QPalette::Base), QColor::fromRgba(e.back));
        }
    } else if (auto *picture = qobject_cast<common::PictureBox *>(w)) {
        if (e.back != common::colours::None) {
            EXPECT_EQ(picture->backColor(), QColor::fromRgba(e.back));
        }
    } else if (auto *button = qobject_cast<QPushButton *>(w)) {
        // The graphical style: a pale yellow face.
        EXPECT_TRUE(button->styleSheet().contains(QStringLiteral("#ffffc0")));
    } else if (e.fore != common::colours::None) {
        EXPECT_EQ(w->palette().color(QPalette::WindowText), QColor::fromRgba(e.fore));
    }
}

inline void expectLayout(const common::Controls &controls, std::initializer_list<Expected> rows)
{
    for (const Expected &e : rows)
        expectControl(controls, e);
}

} // namespace layoutcheck
