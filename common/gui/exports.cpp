// SPDX-License-Identifier: MIT
#include "common/gui/exports.h"

#include "common/gui/application.h"
#include "common/gui/picturebox.h"
#include "common/gui/svgpicture.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QSaveFile>
#include <QTimer>

namespace common {

namespace {

bool isSvg(const QString &path)
{
    return path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive);
}

// Every plot of the window replays instead of copying the screen's pixels while it is
// rendered into a picture.
class ReplayingPlots {
public:
    explicit ReplayingPlots(QWidget &window) : boxes_(window.findChildren<PictureBox *>())
    {
        for (PictureBox *b : boxes_)
            b->setReplayWhenPainted(true);
    }
    ~ReplayingPlots()
    {
        for (PictureBox *b : boxes_)
            b->setReplayWhenPainted(false);
    }
    ReplayingPlots(const ReplayingPlots &) = delete;
    ReplayingPlots &operator=(const ReplayingPlots &) = delete;

private:
    QList<PictureBox *> boxes_;
};

QString writePng(const QString &path, const QImage &image)
{
    const QByteArray bytes = pngBytes(image);
    if (bytes.isEmpty())
        return QObject::tr("%1 cannot be written: the picture could not be encoded")
            .arg(QDir::toNativeSeparators(path));
    return writeFileAtomically(path, bytes);
}

QByteArray svgBytes(QSize size, const QString &title, const std::function<void(QPainter &)> &draw)
{
    SvgPicture svg(size, title);
    QPainter p(&svg);
    draw(p);
    p.end();
    return svg.bytes();
}

} // namespace

QByteArray pngBytes(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        return {};
    return bytes;
}

QString writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    const QString name = QDir::toNativeSeparators(path);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QObject::tr("%1 cannot be written: %2").arg(name, file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return QObject::tr("%1 cannot be written: %2").arg(name, reason);
    }
    if (!file.commit())
        return QObject::tr("%1 cannot be written: %2").arg(name, file.errorString());
    return {};
}

QImage plotImage(const PictureBox &box, qreal scale) { return box.renderImage(scale); }

QImage windowImage(QWidget &window, qreal scale)
{
    QImage image((QSizeF(window.size()) * scale).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(window.palette().color(QPalette::Window));
    const ReplayingPlots replaying(window);
    window.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

QString savePlotPicture(const PictureBox &box, const QString &path)
{
    if (!isSvg(path))
        return writePng(path, plotImage(box, 2));
    const QSize size = box.innerRect().size();
    return writeFileAtomically(path, svgBytes(size, box.objectName(), [&](QPainter &p) {
                                   box.replay(p, QRectF(QPointF(0, 0), QSizeF(size)));
                               }));
}

QString saveWindowPicture(QWidget &window, const QString &path)
{
    if (!isSvg(path))
        return writePng(path, windowImage(window, 2));
    const ReplayingPlots replaying(window);
    return writeFileAtomically(path,
                               svgBytes(window.size(), window.windowTitle(), [&](QPainter &p) {
                                   window.render(&p, QPoint(), QRegion(), QWidget::DrawChildren);
                               }));
}

void copyImageToClipboard(const QImage &image)
{
    if (QClipboard *clipboard = QApplication::clipboard())
        clipboard->setImage(image);
}

void askSavePath(QWidget *parent, const QString &caption, const QString &suggestedName,
                 const QString &filter, const QString &defaultSuffix,
                 std::function<void(const QString &path)> chosen)
{
    // Qt's own dialog on every desktop: the same keys everywhere, and its file-name
    // field takes the typed path.
    auto *dialog = new QFileDialog(parent, caption, QDir::home().filePath(suggestedName), filter);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setDefaultSuffix(defaultSuffix);
    dialog->selectFile(suggestedName);
    QTimer::singleShot(0, dialog, [dialog] {
        if (auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))) {
            name->setFocus();
            name->selectAll();
        }
    });
    QPointer<QWidget> window = parent;
    QObject::connect(dialog, &QDialog::finished, dialog,
                     [dialog, window, chosen = std::move(chosen)](int result) {
                         // The window takes the keyboard back, window manager or not.
                         if (window)
                             window->activateWindow();
                         const QStringList files = dialog->selectedFiles();
                         if (result == QDialog::Accepted && !files.isEmpty() && window)
                             chosen(files.constFirst());
                     });
    dialog->open();
}

namespace {
void reportFailure(QWidget *parent, const QString &failure)
{
    if (!failure.isEmpty())
        showWarning(parent, failure);
}
} // namespace

void saveResultsAs(const ExportSource &source)
{
    // The results are taken when the file is written: what the batches have committed
    // by then, whether one ran while the dialog was open or not.
    askSavePath(
        source.window, QObject::tr("結果を CSV で保存"), source.stem + QStringLiteral(".csv"),
        QObject::tr("CSV (*.csv)"), QStringLiteral("csv"), [source](const QString &path) {
            reportFailure(source.window, writeFileAtomically(path, source.results().toUtf8()));
        });
}

void saveWindowPictureAs(const ExportSource &source)
{
    askSavePath(source.window, QObject::tr("ウィンドウを画像として保存"),
                source.stem + QStringLiteral(".png"), QObject::tr("画像 (*.png *.svg)"),
                QStringLiteral("png"), [source](const QString &path) {
                    reportFailure(source.window, saveWindowPicture(*source.window, path));
                });
}

void savePlotPictureAs(const ExportSource &source, const PictureBox &box)
{
    QPointer<const PictureBox> plot(&box);
    askSavePath(source.window, QObject::tr("図を画像として保存"),
                source.stem + QLatin1Char('-') + box.objectName().toLower() +
                    QStringLiteral(".png"),
                QObject::tr("画像 (*.png *.svg)"), QStringLiteral("png"),
                [source, plot](const QString &path) {
                    if (plot)
                        reportFailure(source.window, savePlotPicture(*plot, path));
                });
}

} // namespace common
