// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QPaintDevice>
#include <QSize>
#include <QString>

#include <memory>

namespace common {

class SvgPaintEngine;

// A paint device that writes what is painted on it as SVG 1.1: shapes as paths,
// text as text, pictures as embedded PNG, clipping as clip paths. Runs of filled
// rectangles of one colour (a plot's dots) share one path, so a picture of a hundred
// thousand dots stays a few megabytes. Only Qt's GUI module is needed, so every build
// exports the same vector pictures.
class SvgPicture : public QPaintDevice {
public:
    SvgPicture(QSize size, QString title);
    ~SvgPicture() override;
    SvgPicture(const SvgPicture &) = delete;
    SvgPicture &operator=(const SvgPicture &) = delete;

    QPaintEngine *paintEngine() const override;
    // The document; complete once the painter on the device has ended.
    QByteArray bytes() const;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    QSize size_;
    std::unique_ptr<SvgPaintEngine> engine_;
};

} // namespace common
