// SPDX-License-Identifier: MIT
// Makes the picture that Stelmo's information window shows: the real main window after
// two batches at 100 keV, scaled to the box, with notes painted on the plot and under
// the window. Run from the folder that holds ICRU4.dat:
//   stelmo_screenshot [--english] OUT.jpg
// With --english, the window in English and English notes (for screenshot_en.jpg).
#include "common/gui/application.h"
#include "common/gui/formkit.h"
#include "common/gui/language.h"
#include "common/gui/picturebox.h"
#include "stelmo/form1.h"
#include "tests/idle.h"

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTest>

#include <cstdio>
#include <cstring>

namespace {

constexpr QSize PictureSize(591, 687); // the information window's box, border excluded
constexpr int Runs = 2;

const QColor NoteInk(0, 0, 0);
const QColor SampledInk(255, 0, 0);
const QColor TheoryInk(0, 0, 128);

// Where a control of the main window ends up in the scaled grab.
QRectF scaled(const QWidget *w, double factor)
{
    const QRect r(w->mapTo(w->window(), QPoint(0, 0)), w->size());
    return QRectF(r.x() * factor, r.y() * factor, r.width() * factor, r.height() * factor);
}

enum class Leader { FromTop, FromBottom };

// A note with a thin leader from its top (or bottom) centre to a point; returns where its
// text is.
QRectF note(QPainter &p, const QString &text, QPointF centreTop, QPointF pointsAt,
            const QColor &ink, Leader leader = Leader::FromTop)
{
    const QFontMetricsF m(p.font());
    const double width = m.horizontalAdvance(text);
    p.setPen(QPen(ink, 1));
    const double from =
        leader == Leader::FromTop ? centreTop.y() - 2 : centreTop.y() + m.height() + 1;
    p.drawLine(QPointF(centreTop.x(), from), pointsAt);
    p.drawText(QPointF(centreTop.x() - width / 2, centreTop.y() + m.ascent()), text);
    return QRectF(centreTop.x() - width / 2, centreTop.y(), width, m.height());
}

// A note's words in the picture's language.
struct Words {
    const char *japanese;
    const char *english;
};

} // namespace

int main(int argc, char **argv)
{
    bool english = false;
    const char *outArg = nullptr;
    int outs = 0;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--english") == 0) {
            english = true;
        } else {
            outArg = argv[i];
            ++outs;
        }
    }
    if (outs != 1) {
        std::fprintf(stderr,
                     "usage: stelmo_screenshot [--english] OUT.jpg   (run where ICRU4.dat is)\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // A click returns once what it started has run: batches run from the event loop.
    testutil::IdleAfterInput app(argc, argv);
    common::prepareApplication(app, QStringLiteral("Stelmo"));

    // Read the table here: a start-up failure inside the window would wait on a box.
    common::MaterialTable table;
    const QString report = common::loadMaterialFile(common::MaterialBlocks::Attenuation, table);
    if (!report.isEmpty()) {
        std::fprintf(stderr, "stelmo_screenshot: %s\n", qPrintable(report));
        return 1;
    }
    // Before the window exists, so that it is built with its English labels.
    if (english)
        common::setLanguage(common::Language::English, false);
    stelmo::Form1 form([table](common::MaterialTable &t) {
        t = table;
        return QString();
    });
    form.showForm();
    if (!QTest::qWaitForWindowExposed(&form))
        return 1;
    form.Text1->setText(QStringLiteral("100"));
    for (int n = 0; n < Runs; ++n)
        QTest::mouseClick(form.Command1, Qt::LeftButton);
    QApplication::processEvents();
    std::printf("μ %s, photons %s, mfp %s / %s cm\n", qPrintable(form.Text3->text()),
                qPrintable(form.Text2->text()), qPrintable(form.Text5->text()),
                qPrintable(form.Text4->text()));

    const QImage window = form.grab().toImage();
    const double factor = double(PictureSize.width()) / window.width();
    QImage picture(PictureSize, QImage::Format_RGB32);
    picture.fill(form.palette().color(QPalette::Window));
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QImage shrunk = window.scaledToWidth(PictureSize.width(), Qt::SmoothTransformation);
    p.drawImage(0, 0, shrunk);

    QFont font = common::layoutFont({common::fonts::Meiryo, 10.5, true});
    if (english)
        font.setFamily(QStringLiteral("Liberation Sans"));
    p.setFont(font);
    const auto say = [english](const Words &w) {
        return QString::fromUtf8(english ? w.english : w.japanese);
    };

    // On the transmittance plot: which line is which.
    const QRect inner =
        form.Picture2->innerRect().translated(form.Picture2->mapTo(&form, QPoint(0, 0)));
    const QRectF plot(inner.x() * factor, inner.y() * factor, inner.width() * factor,
                      inner.height() * factor);
    auto onPlot = [&](double x, double y) {
        return QPointF(plot.left() + x / 1000.0 * plot.width(),
                       plot.top() + y / 500.0 * plot.height());
    };
    const double lawAt520 = 36 + (520 - 200) / 819.4 * 414; // y of exp(-μx) at x = 520
    QRectF notes; // every note's text, to check that the words fit the picture
    const Words sampling{"乱数サンプリング", "random sampling"};
    if (english) {
        // Clear of the lines: the wider Latin words at the Japanese place would sit on them.
        notes |= note(p, say(sampling), onPlot(580, 50), onPlot(580, 36 + 380 / 819.4 * 414 - 8),
                      SampledInk, Leader::FromBottom);
    } else {
        notes |= note(p, say(sampling), onPlot(420, 80), onPlot(430, 36 + 230 / 819.4 * 414 - 8),
                      SampledInk);
    }
    notes |= note(p, say({"理論計算", "theory"}), onPlot(640, 330), onPlot(540, lawAt520 + 12),
                  TheoryInk);

    // Under the window: the two steps and the two means.
    const double row1 = shrunk.height() + 10, row2 = shrunk.height() + 48;
    const QRectF energy = scaled(form.Text1, factor);
    const QRectF theory = scaled(form.Text5, factor);
    const QRectF sampled = scaled(form.Text4, factor);
    const QRectF go = scaled(form.Command1, factor);
    auto bottomCentre = [](const QRectF &r) { return QPointF(r.center().x(), r.bottom()); };
    notes |= note(p, say({"①光子エネルギー入力", "① type the photon energy"}),
                  QPointF(energy.center().x() + 10, row2), bottomCentre(energy), NoteInk);
    notes |= note(p, say({"理論計算値", "theoretical value"}), QPointF(theory.center().x(), row1),
                  bottomCentre(theory), NoteInk);
    notes |= note(p, say(sampling), QPointF(sampled.center().x() + 20, row2), bottomCentre(sampled),
                  SampledInk);
    notes |= note(p, say({"②クリック", "② click"}), QPointF(go.center().x(), row1),
                  bottomCentre(go), NoteInk);
    p.end();
    if (!QRectF(picture.rect()).contains(notes)) {
        std::fprintf(stderr, "stelmo_screenshot: a note runs past the picture\n");
        return 1;
    }

    const QString out = QString::fromLocal8Bit(outArg);
    if (!picture.save(out, "JPEG", 90)) {
        std::fprintf(stderr, "stelmo_screenshot: cannot write %s\n", outArg);
        return 1;
    }
    form.hide();
    return 0;
}
