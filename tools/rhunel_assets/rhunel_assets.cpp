// SPDX-License-Identifier: MIT
// Makes Rhunel's two raster pictures:
//   rhunel_assets formula OUT.png      the cross-section formula of the title window
//   rhunel_assets screenshot OUT.jpg   the main window after two batches at 20 keV,
//                                      for the information window (run it from data/,
//                                      where the program finds ICRU4.dat)
// With --english, the same picture with English words (for the _en files beside them).
#include "common/gui/application.h"
#include "common/gui/language.h"
#include "common/gui/picturebox.h"
#include "rhunel/form1.h"
#include "tests/idle.h"

#include <QApplication>
#include <QFont>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTest>

#include <cstdio>
#include <vector>

namespace {

// A piece of formula text: its vertical place and style.
enum class Place { Base, Sub, Sup };
struct Piece {
    QString text;
    Place place = Place::Base;
    bool italic = false;
};

class FormulaPainter {
public:
    explicit FormulaPainter(QPainter &p) : p_(p) {}

    QFont font(const Piece &piece, int size) const
    {
        QFont f(QStringLiteral("Liberation Serif"));
        f.setPixelSize(piece.place == Place::Base ? size : size * 2 / 3);
        f.setItalic(piece.italic);
        return f;
    }
    double width(const std::vector<Piece> &run, int size) const
    {
        double w = 0;
        for (const Piece &piece : run)
            w += QFontMetricsF(font(piece, size)).horizontalAdvance(piece.text);
        return w;
    }
    // Draws a run with its baseline at y; returns the x after it.
    double run(double x, double y, const std::vector<Piece> &pieces, int size = 20)
    {
        for (const Piece &piece : pieces) {
            const QFont f = font(piece, size);
            p_.setFont(f);
            const double shift = piece.place == Place::Sub   ? size * 0.30
                                 : piece.place == Place::Sup ? -size * 0.42
                                                             : 0.0;
            p_.drawText(QPointF(x, y + shift), piece.text);
            x += QFontMetricsF(f).horizontalAdvance(piece.text);
        }
        return x;
    }
    // A fraction centred on the bar at (the formula's axis) y - size/3.
    double fraction(double x, double y, const std::vector<Piece> &top,
                    const std::vector<Piece> &bottom, int size = 20)
    {
        const double w = std::max(width(top, size), width(bottom, size)) + 6;
        const double bar = y - size * 0.32;
        p_.drawLine(QPointF(x, bar), QPointF(x + w, bar));
        run(x + (w - width(top, size)) / 2, bar - size * 0.42, top, size);
        run(x + (w - width(bottom, size)) / 2, bar + size * 0.9, bottom, size);
        return x + w + 4;
    }
    void japanese(double x, double y, const QString &text, int size)
    {
        QFont f(QStringLiteral("ＭＳ Ｐゴシック"));
        f.setPixelSize(size);
        p_.setFont(f);
        p_.drawText(QPointF(x, y), text);
    }
    // English prose in the sans face that stands in for the Japanese gothic; italic
    // pieces are symbols, in the formula's serif italic. Returns the x after it.
    static QFont proseFont(const Piece &piece, int size)
    {
        QFont f(piece.italic ? QStringLiteral("Liberation Serif")
                             : QStringLiteral("Liberation Sans"));
        f.setPixelSize(size);
        f.setItalic(piece.italic);
        return f;
    }
    double english(double x, double y, const std::vector<Piece> &pieces, int size)
    {
        for (const Piece &piece : pieces) {
            const QFont f = proseFont(piece, size);
            p_.setFont(f);
            p_.drawText(QPointF(x, y), piece.text);
            x += QFontMetricsF(f).horizontalAdvance(piece.text);
        }
        right_ = std::max(right_, x);
        return x;
    }
    // How far right the English prose reached, to check that it fits.
    double right() const { return right_; }

private:
    QPainter &p_;
    double right_ = 0;
};

int makeFormula(const QString &out, bool english)
{
    QImage image(552, 320, QImage::Format_RGB888);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(QPen(Qt::black, 1.2));
    FormulaPainter f(p);
    const auto I = [](const char *s) { return Piece{QString::fromUtf8(s), Place::Base, true}; };
    const auto R = [](const char *s) { return Piece{QString::fromUtf8(s), Place::Base, false}; };
    const auto Sub = [](const char *s) { return Piece{QString::fromUtf8(s), Place::Sub, false}; };
    const auto Sup = [](const char *s) { return Piece{QString::fromUtf8(s), Place::Sup, false}; };

    if (english) {
        // Two lines: the sentence is twice the width of the picture at this size.
        f.english(12, 23,
                  {R("The differential cross section of coherent scattering (the probability")},
                  15);
        f.english(12, 42, {R("of scattering into the direction "), I("θ"), R(") is")}, 15);
    } else {
        f.japanese(
            12, 30,
            QStringLiteral("干渉性散乱の微分断面積（θ方向へ散乱される確率）は次式で表される．"),
            15);
    }

    // d sigma_coh / d theta = d sigma_TM / d theta . Fm^2(x)
    const double y1 = 88;
    double x = f.fraction(28, y1, {I("d"), I("σ"), Sub("coh")}, {I("d"), I("θ")});
    x = f.run(x, y1, {R(" = ")});
    x = f.fraction(x, y1, {I("d"), I("σ"), Sub("TM")}, {I("d"), I("θ")});
    f.run(x, y1, {R("· "), I("F"), Sub("m"), Sup("2"), R("("), I("x"), R(")")});
    // = 1/2 r0^2 (1 + cos^2 theta) . 2 pi sin theta . Fm^2(x)
    const double y2 = 146;
    x = f.run(78, y2, {R("= ")});
    x = f.fraction(x, y2, {R("1")}, {R("2")});
    f.run(x, y2,
          {I("r"), Sub("0"), Sup("2"), R(" (1 + cos"), Sup("2"), I("θ"), R(") · 2π sin"), I("θ"),
           R(" · "), I("F"), Sub("m"), Sup("2"), R("("), I("x"), R(")")});

    if (english)
        f.english(12, 188, {R("where")}, 15);
    else
        f.japanese(12, 188, QStringLiteral("ここで，"), 15);
    struct Legend {
        std::vector<Piece> symbol;
        QString meaning;
        std::vector<Piece> value;
        std::vector<Piece> englishMeaning;
    };
    const Legend legend[] = {
        {{I("d"), I("σ"), Sub("TM"), R("/"), I("d"), I("θ")},
         QStringLiteral("トムソンによる微分断面積"),
         {},
         {R("Thomson differential cross section")}},
        {{I("r"), Sub("0")},
         QStringLiteral("古典電子半径"),
         {R("= 2.818 × 10"), Sup("−13"), R(" cm")},
         {R("classical electron radius")}},
        {{I("F"), Sub("m"), R("("), I("x"), R(")")},
         QStringLiteral("物質 m の atomic form factor"),
         {},
         {R("atomic form factor of material "), I("m")}},
        {{I("x")},
         QStringLiteral("momentum transfer"),
         {R("= sin("), I("θ"), R("/2) / "), I("λ")},
         {R("momentum transfer")}},
        {{I("λ")},
         QStringLiteral("光子の波長［Å］"),
         {R("= 12.4 / "), I("h"), I("ν"), R("[keV]")},
         {R("photon wavelength [Å]")}},
    };
    double y = 214;
    double right = 0;
    for (const Legend &row : legend) {
        f.run(40, y, row.symbol, 16);
        if (english) {
            // The colon where the full-width one's dot sits.
            f.english(129, y, {R(":")}, 15);
            const double after = f.english(144, y, row.englishMeaning, 15);
            if (!row.value.empty())
                right = std::max(right, f.run(after + 6, y, row.value, 16));
        } else {
            f.japanese(124, y, QStringLiteral("："), 15);
            f.japanese(144, y, row.meaning, 15);
            if (!row.value.empty()) {
                QFont jp(QStringLiteral("ＭＳ Ｐゴシック"));
                jp.setPixelSize(15);
                f.run(150 + QFontMetricsF(jp).horizontalAdvance(row.meaning), y, row.value, 16);
            }
        }
        y += 23;
    }
    p.end();
    right = std::max(right, f.right());
    if (right > image.width() - 8) {
        std::fprintf(stderr, "rhunel_assets: the text reaches x = %.0f, past the picture\n", right);
        return 1;
    }
    if (!image.save(out)) {
        std::fprintf(stderr, "rhunel_assets: cannot write %s\n", qPrintable(out));
        return 1;
    }
    return 0;
}

int makeScreenshot(const QString &out, bool english)
{
    // Checked first: a failed start-up would wait on its message box.
    common::MaterialTable table;
    const QString report = common::loadMaterialFile(common::MaterialBlocks::All, table);
    if (!report.isEmpty()) {
        std::fprintf(stderr, "rhunel_assets: %s\n", qPrintable(report));
        return 1;
    }
    // Before the window exists, so that it is built with its English labels.
    if (english)
        common::setLanguage(common::Language::English, false);
    rhunel::Form1 form;
    if (!form.showForm())
        return 1;
    for (int n = 0; n < 2; ++n)
        QTest::mouseClick(form.Command1, Qt::LeftButton);
    QApplication::processEvents();
    const QImage client = form.grab().toImage();

    // The window as the desktop shows it: a title bar over the client area.
    constexpr int TitleBar = 24;
    QImage window(client.width(), client.height() + TitleBar, QImage::Format_RGB32);
    QPainter p(&window);
    p.fillRect(QRect(0, 0, window.width(), TitleBar), QColor(0, 84, 166));
    QFont title(QStringLiteral("Liberation Sans"));
    title.setPixelSize(13);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(QRect(28, 0, window.width(), TitleBar), Qt::AlignVCenter, form.windowTitle());
    p.fillRect(QRect(6, 5, 14, 14), QColor(255, 255, 0));
    p.drawImage(0, TitleBar, client);

    // Which curve is which, in the lower plot (origin of the client area).
    const QPoint plot = form.Picture2->mapTo(&form, form.Picture2->innerRect().topLeft());
    QFont words(english ? QStringLiteral("Liberation Sans") : QStringLiteral("ＭＳ Ｐゴシック"));
    words.setPixelSize(20);
    p.setFont(words);
    const auto at = [&](QPointF user) {
        return QPointF(plot) + form.Picture2->toPixel(user) + QPointF(0, TitleBar);
    };
    p.setPen(QColor(0, 0, 255));
    p.drawText(at({560, 140}), english ? QStringLiteral("theory") : QStringLiteral("理論計算"));
    p.setPen(QColor(255, 0, 0));
    if (english) {
        // This baseline lies on a grid line, which the descenders would hang across.
        p.drawText(at({560, 230}) - QPointF(0, QFontMetricsF(words).descent()),
                   QStringLiteral("random sampling"));
    } else {
        p.drawText(at({560, 230}), QStringLiteral("乱数サンプリング"));
    }
    p.end();

    const QImage scaled = window.scaled(500, 624, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (!scaled.save(out, "JPEG", 90)) {
        std::fprintf(stderr, "rhunel_assets: cannot write %s\n", qPrintable(out));
        return 1;
    }
    common::endProgram();
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    bool english = false;
    std::vector<QString> args;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg == QLatin1String("--english"))
            english = true;
        else
            args.push_back(arg);
    }
    if (args.size() != 2) {
        std::fprintf(
            stderr,
            "usage: rhunel_assets [--english] formula OUT.png | [--english] screenshot OUT.jpg\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // A click returns once what it started has run: batches run from the event loop.
    testutil::IdleAfterInput app(argc, argv);
    common::prepareApplication(app, QStringLiteral("Rhunel"));
    const QString &what = args[0];
    const QString &out = args[1];
    if (what == QLatin1String("formula"))
        return makeFormula(out, english);
    if (what == QLatin1String("screenshot"))
        return makeScreenshot(out, english);
    std::fprintf(stderr, "rhunel_assets: unknown picture %s\n", qPrintable(what));
    return 2;
}
