// SPDX-License-Identifier: MIT
#pragma once

#include <QRgb>
#include <QString>
#include <QWidget>

#include <initializer_list>
#include <map>
#include <vector>

class QFont;
class QLabel;
class QLineEdit;
class QPushButton;

namespace common {

class PictureBox;
class LineShape;

// Window layouts are tables of controls in twips (15 to the logical pixel); one
// piece of code turns every row into a widget, so no window repeats geometry calls.
// A window's zoom scales every position, size, line and font alike.
constexpr int TwipsPerPixel = 15;
constexpr int twipsToPixels(int twips) { return (twips + TwipsPerPixel / 2) / TwipsPerPixel; }
int twipsToPixels(int twips, double zoom);

enum class ControlKind { Label, Line, TextBox, Button, Picture };

struct FontDef {
    const char *family = nullptr; // as the layout names it; substituted at start-up
    double points = 0;
    bool bold = false;
    bool italic = false;
};

namespace fonts {
// The layouts' font keys: names as the layouts spell them (full-width ＭＳ and Ｐ).
inline constexpr const char *PGothic = "ＭＳ Ｐゴシック";
inline constexpr const char *Gothic = "ＭＳ ゴシック";
inline constexpr const char *Meiryo = "メイリオ";
inline constexpr const char *TimesNewRoman = "Times New Roman";
} // namespace fonts

namespace colours {
inline constexpr QRgb Black = 0xFF000000;
inline constexpr QRgb Blue = 0xFF0000FF;
inline constexpr QRgb Red = 0xFFFF0000;
inline constexpr QRgb White = 0xFFFFFFFF;
inline constexpr QRgb PaleYellow = 0xFFFFFFC0;
inline constexpr QRgb PaleCyan = 0xFFC0FFFF;
inline constexpr QRgb None = 0; // the toolkit's default
} // namespace colours

enum ControlFlag : unsigned {
    Centred = 1u << 0,     // text centred (labels, text boxes)
    Opaque = 1u << 1,      // label painted in its background colour
    AutoSize = 1u << 2,    // label grows to its text if the font runs wider
    SunkenBorder = 1u << 3 // picture box with a 2-pixel sunken edge
};

struct ScaleDef {
    double left = 0, top = 0, right = 0, bottom = 0;
};

// The member of a form that a row fills. Its type decides the kind of control, so a
// row bound to a member of the wrong type, or to a misspelt member, does not compile.
struct Bind {
    Bind() = default;
    Bind(QLabel **member) : target(member), kind(ControlKind::Label) {}
    Bind(QLineEdit **member) : target(member), kind(ControlKind::TextBox) {}
    Bind(QPushButton **member) : target(member), kind(ControlKind::Button) {}
    Bind(PictureBox **member) : target(member), kind(ControlKind::Picture) {}
    Bind(LineShape **member) : target(member), kind(ControlKind::Line) {}
    void *target = nullptr;
    ControlKind kind = ControlKind::Label;
};

struct ControlDef {
    const char *name = nullptr;
    Bind bind{};                           // the member it fills; kind then comes from it
    ControlKind kind = ControlKind::Label; // rows no handler touches (labels, lines)
    const char *text = ""; // UTF-8; labels and buttons: QT_TR_NOOP, translated by the form
    int left = 0, top = 0, width = 0, height = 0; // a line: x1, y1, x2, y2
    FontDef font{};
    QRgb fore = colours::None;
    QRgb back = colours::None;
    unsigned flags = 0;
    int lineWidth = 1;
    ScaleDef scale{};
    const char *toolTip = nullptr;
    // What a screen reader says of the control (QT_TR_NOOP): a text box or a picture
    // has no text of its own to name it.
    const char *accessibleName = nullptr;
    const char *accessibleDescription = nullptr;
};

// A row that fills a member of the form: named as the member, of the member's kind.
// {MCT_BOUND(Text1), .left = ...}
#define MCT_BOUND(member) .name = #member, .bind = &member

// A line shape: two end points, a width and a colour; never takes input.
class LineShape : public QWidget {
    Q_OBJECT
public:
    LineShape(QPoint from, QPoint to, int width, QColor colour, QWidget *parent);
    void setLine(QPoint from, QPoint to, int width);
    QPoint from() const { return from_; }
    QPoint to() const { return to_; }
    int lineWidth() const { return width_; }
    QColor colour() const { return colour_; }

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QPoint from_, to_;
    int width_;
    QColor colour_;
};

QFont layoutFont(const FontDef &font, double zoom = 1.0);

// The widgets made from one table. Bound rows fill their members; every control can
// also be found by its name (object name), which is what the layout checks read.
class Controls {
public:
    void build(QWidget *form, std::initializer_list<ControlDef> table);
    QWidget *widget(const char *name) const;
    QLabel *label(const char *name) const;
    QLineEdit *textBox(const char *name) const;
    QPushButton *button(const char *name) const;
    PictureBox *picture(const char *name) const;
    LineShape *lineShape(const char *name) const;
    // Keyboard order of the controls that take the focus.
    static void setTabOrder(std::initializer_list<QWidget *> order);

    // Lays every control out again from its row at a zoom: positions, sizes, fonts and
    // line widths; texts, enabled states and what the picture boxes drew stay.
    void setZoom(double zoom);
    // The labels', buttons' and tooltips' texts again in the language now installed
    // (a button's text set since is its own to restore), auto-sized labels refitted.
    void retranslate();
    // A row's text in the form's translation context.
    QString translated(const char *text) const;
    // What a control shows now, for a screen reader: its row's description followed by
    // now (a picture's counts after a batch). The form says it again after a language
    // change, when the row's description alone is put back.
    void describe(QWidget *control, const QString &now) const;

private:
    struct Built {
        ControlDef row;
        ControlKind kind;
        QWidget *widget;
    };
    void place(const Built &built, double zoom) const;
    void applyTexts(const Built &built) const;
    QByteArray context_;
    double zoom_ = 1.0;
    std::map<QString, QWidget *> byName_;
    std::vector<Built> built_;
};

} // namespace common
