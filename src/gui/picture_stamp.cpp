// The picture stamp: a PNG or JPEG file read by Qt, optionally turned grey (alpha kept), with the
// opacity applied to every pixel's alpha. A picture without alpha counts as opaque.
#include <QImageReader>

#include <algorithm>

#include "gui/drawing_parts.h"

int DrawPictureStamp(const char* path, int greyscale, int opacity, LumadexCanvas* out) {
    if (!path || !*path) return 0;
    QImageReader reader(QString::fromUtf8(path));
    reader.setAutoTransform(false);
    QImage picture = reader.read();
    if (picture.isNull()) return 0;
    picture = picture.convertToFormat(QImage::Format_ARGB32);
    if (picture.isNull()) return 0;
    const int strength = std::clamp(opacity, 0, 255);
    for (int y = 0; y < picture.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            int r = qRed(line[x]), g = qGreen(line[x]), b = qBlue(line[x]);
            if (greyscale == 1) r = g = b = (77 * r + 150 * g + 29 * b) >> 8;
            const int alpha = (qAlpha(line[x]) * strength + 127) / 255;
            line[x] = qRgba(r, g, b, alpha);
        }
    }
    return ExportCanvas(std::move(picture), out) ? 1 : 0;
}
