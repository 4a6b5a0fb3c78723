// SPDX-License-Identifier: MIT
#include "common/gui/formkit.h"

#include "common/gui/picturebox.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

#include <cmath>
#include <stdexcept>

namespace common {

namespace {

// The graphical buttons: a pale yellow face in a raised edge that sinks when pressed.
const char *const buttonStyle =
    "QPushButton { background-color: #ffffc0; color: black; border-style: solid;"
    " border-width: 2px; border-color: #ffffff #404040 #404040 #ffffff; }"
    "QPushButton:pressed { border-color: #404040 #ffffff #ffffff #404040; }"
    "QPushButton:disabled { color: #a0a0a0; }"
    "QPushButton:focus { border-color: #ffffff #000000 #000000 #ffffff; }";

QRect twipsRect(const ControlDef &row, double zoom)
{
    if (zoom == 1.0)
        return QRect(twipsToPixels(row.left), twipsToPixels(row.top), twipsToPixels(row.width),
                     twipsToPixels(row.height));
    // Zoomed, both edges are rounded, so that a control that ends at the window's edge
    // in twips never runs a pixel past it.
    const int left = twipsToPixels(row.left, zoom), top = twipsToPixels(row.top, zoom);
    return QRect(left, top, twipsToPixels(row.left + row.width, zoom) - left,
                 twipsToPixels(row.top + row.height, zoom) - top);
}

void setColours(QWidget *w, QPalette::ColorRole foreRole, QPalette::ColorRole backRole,
                const ControlDef &row)
{
    QPalette pal = w->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive}) {
        if (row.fore != colours::None)
            pal.setColor(group, foreRole, QColor::fromRgba(row.fore));
        if (row.back != colours::None)
            pal.setColor(group, backRole, QColor::fromRgba(row.back));
    }
    if (row.back != colours::None && backRole == QPalette::Window)
        pal.setColor(QPalette::Disabled, backRole, QColor::fromRgba(row.back));
    w->setPalette(pal);
}

QLabel *makeLabel(QWidget *form, const ControlDef &row)
{
    auto *l = new QLabel(form);
    l->setAlignment(Qt::AlignTop | ((row.flags & Centred) ? Qt::AlignHCenter : Qt::AlignLeft));
    setColours(l, QPalette::WindowText, QPalette::Window, row);
    l->setAutoFillBackground(row.flags & Opaque);
    return l;
}

QLineEdit *makeTextBox(QWidget *form, const ControlDef &row)
{
    auto *t = new QLineEdit(QString::fromUtf8(row.text), form);
    t->setAlignment(Qt::AlignCenter);
    setColours(t, QPalette::Text, QPalette::Base, row);
    return t;
}

QPushButton *makeButton(QWidget *form, const ControlDef &)
{
    auto *b = new QPushButton(form);
    b->setStyleSheet(QString::fromLatin1(buttonStyle));
    b->setAutoDefault(false);
    return b;
}

PictureBox *makePicture(QWidget *form, const ControlDef &row)
{
    auto *p = new PictureBox(form);
    p->setSunkenBorder(row.flags & SunkenBorder);
    p->setBackColor(row.back != colours::None ? QColor::fromRgba(row.back)
                                              : form->palette().color(QPalette::Window));
    if (row.fore != colours::None)
        p->setForeColor(QColor::fromRgba(row.fore));
    if (row.font.family)
        p->setPrintFont(layoutFont(row.font));
    p->setGeometry(twipsRect(row, 1.0));
    const ScaleDef &s = row.scale;
    if (s.left == s.right)
        p->setScale(0, 0, p->innerRect().width(), p->innerRect().height());
    else
        p->setScale(s.left, s.top, s.right, s.bottom);
    p->clear();
    return p;
}

LineShape *makeLine(QWidget *form, const ControlDef &row)
{
    const QColor colour =
        row.fore != colours::None ? QColor::fromRgba(row.fore) : QColor(Qt::black);
    return new LineShape(QPoint(twipsToPixels(row.left), twipsToPixels(row.top)),
                         QPoint(twipsToPixels(row.width), twipsToPixels(row.height)), row.lineWidth,
                         colour, form);
}

// Hands the new control to the member its row is bound to.
template <class T> T *fill(const ControlDef &row, T *control)
{
    if (row.bind.target)
        *static_cast<T **>(row.bind.target) = control;
    return control;
}

} // namespace

int twipsToPixels(int twips, double zoom)
{
    return int(std::floor(twips * zoom / TwipsPerPixel + 0.5));
}

QFont layoutFont(const FontDef &font, double zoom)
{
    QFont f(QString::fromUtf8(font.family ? font.family : fonts::PGothic));
    // Sizes in points on a 96-dpi design: 14.25 pt is 19 pixels.
    f.setPixelSize(std::max(1, qRound(font.points * 96.0 / 72.0 * zoom)));
    f.setBold(font.bold);
    f.setItalic(font.italic);
    return f;
}

LineShape::LineShape(QPoint from, QPoint to, int width, QColor colour, QWidget *parent)
    : QWidget(parent), colour_(colour)
{
    installAccessibleRoles();
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setLine(from, to, width);
}

void LineShape::setLine(QPoint from, QPoint to, int width)
{
    width_ = width;
    const QRect bounds = QRect(from, to).normalized().adjusted(-width, -width, width, width);
    setGeometry(bounds);
    from_ = from - bounds.topLeft();
    to_ = to - bounds.topLeft();
    update();
}

void LineShape::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setPen(QPen(colour_, width_, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(from_, to_);
}

void Controls::build(QWidget *form, std::initializer_list<ControlDef> table)
{
    // The rows' texts are translated in the form's own context, as its tr() would.
    context_ = form->metaObject()->className();
    for (const ControlDef &row : table) {
        const ControlKind kind = row.bind.target ? row.bind.kind : row.kind;
        QWidget *w = nullptr;
        switch (kind) {
        case ControlKind::Label: w = fill<QLabel>(row, makeLabel(form, row)); break;
        case ControlKind::TextBox: w = fill<QLineEdit>(row, makeTextBox(form, row)); break;
        case ControlKind::Button: w = fill<QPushButton>(row, makeButton(form, row)); break;
        case ControlKind::Picture: w = fill<PictureBox>(row, makePicture(form, row)); break;
        case ControlKind::Line: w = fill<LineShape>(row, makeLine(form, row)); break;
        }
        w->setObjectName(QString::fromLatin1(row.name));
        if (kind == ControlKind::Label || kind == ControlKind::Line)
            w->setFocusPolicy(Qt::NoFocus);
        byName_[QString::fromLatin1(row.name)] = w;
        built_.push_back({row, kind, w});
        applyTexts(built_.back());
        place(built_.back(), zoom_);
    }
}

QString Controls::translated(const char *text) const
{
    return QCoreApplication::translate(context_.constData(), text);
}

void Controls::applyTexts(const Built &built) const
{
    const ControlDef &row = built.row;
    if (row.toolTip)
        built.widget->setToolTip(translated(row.toolTip));
    if (row.accessibleName)
        built.widget->setAccessibleName(translated(row.accessibleName));
    if (row.accessibleDescription)
        built.widget->setAccessibleDescription(translated(row.accessibleDescription));
    if (built.kind == ControlKind::Label)
        static_cast<QLabel *>(built.widget)->setText(translated(row.text));
    else if (built.kind == ControlKind::Button)
        static_cast<QPushButton *>(built.widget)->setText(translated(row.text));
}

void Controls::describe(QWidget *control, const QString &now) const
{
    for (const Built &built : built_) {
        if (built.widget != control)
            continue;
        const QString what = built.row.accessibleDescription
                                 ? translated(built.row.accessibleDescription)
                                 : QString();
        control->setAccessibleDescription(
            what.isEmpty() || now.isEmpty()
                ? what + now
                : QCoreApplication::translate("common::Controls", "%1。%2").arg(what, now));
        return;
    }
}

void Controls::retranslate()
{
    for (const Built &built : built_) {
        applyTexts(built);
        place(built, zoom_); // an auto-sized label fits its new text
    }
}

void Controls::place(const Built &built, double zoom) const
{
    const ControlDef &row = built.row;
    QRect r = twipsRect(row, zoom);
    switch (built.kind) {
    case ControlKind::Line:
        // A line's row holds its two end points, each rounded on its own.
        static_cast<LineShape *>(built.widget)
            ->setLine(QPoint(twipsToPixels(row.left, zoom), twipsToPixels(row.top, zoom)),
                      QPoint(twipsToPixels(row.width, zoom), twipsToPixels(row.height, zoom)),
                      std::max(1, qRound(row.lineWidth * zoom)));
        return;
    case ControlKind::Picture:
        static_cast<PictureBox *>(built.widget)->setZoom(zoom);
        built.widget->setGeometry(r);
        return;
    case ControlKind::Label:
        built.widget->setFont(layoutFont(row.font, zoom));
        // An auto-sized label grows to its text when the font runs wider than designed.
        // A transparent one also reaches down as far as the ink of its descenders (an
        // English g or y, which may pass the font's own descent): the text is aligned
        // to the top, so it stays where the row puts it and is no longer cut off.
        if (row.flags & AutoSize) {
            auto *label = static_cast<QLabel *>(built.widget);
            r.setWidth(std::max(r.width(), label->sizeHint().width()));
            if (!(row.flags & Opaque)) {
                const QFontMetrics fm(label->font());
                const int inkBottom = fm.ascent() + fm.boundingRect(label->text()).bottom() + 2;
                r.setHeight(std::max(r.height(), inkBottom));
            }
        }
        built.widget->setGeometry(r);
        return;
    case ControlKind::TextBox:
    case ControlKind::Button:
        built.widget->setFont(layoutFont(row.font, zoom));
        built.widget->setGeometry(r);
        return;
    }
}

void Controls::setZoom(double zoom)
{
    zoom_ = zoom;
    for (const Built &built : built_)
        place(built, zoom);
}

QWidget *Controls::widget(const char *name) const
{
    auto it = byName_.find(QString::fromLatin1(name));
    if (it == byName_.end())
        throw std::logic_error(std::string("no control named ") + name);
    return it->second;
}

template <class T> static T *checked(QWidget *w, const char *name)
{
    auto *typed = qobject_cast<T *>(w);
    if (!typed)
        throw std::logic_error(std::string("control of another kind: ") + name);
    return typed;
}

QLabel *Controls::label(const char *name) const { return checked<QLabel>(widget(name), name); }
QLineEdit *Controls::textBox(const char *name) const
{
    return checked<QLineEdit>(widget(name), name);
}
QPushButton *Controls::button(const char *name) const
{
    return checked<QPushButton>(widget(name), name);
}
PictureBox *Controls::picture(const char *name) const
{
    return checked<PictureBox>(widget(name), name);
}
LineShape *Controls::lineShape(const char *name) const
{
    return checked<LineShape>(widget(name), name);
}

void Controls::setTabOrder(std::initializer_list<QWidget *> order)
{
    QWidget *previous = nullptr;
    for (QWidget *w : order) {
        if (previous)
            QWidget::setTabOrder(previous, w);
        previous = w;
    }
}

} // namespace common
