// Canvases handed across the module boundary: a QImage kept alive until the caller gives it back.
#include "gui/drawing_parts.h"

bool ExportCanvas(QImage image, LumadexCanvas* out) {
    if (!out || image.isNull()) return false;
    // ARGB32 is straight alpha stored as one 32-bit word per pixel, that is blue, green, red,
    // alpha in memory on little-endian: the layout of a 32-bit FreeImage bitmap.
    if (image.format() != QImage::Format_ARGB32) image = image.convertToFormat(QImage::Format_ARGB32);
    if (image.isNull()) return false;
    auto* kept = new QImage(std::move(image));
    out->width = kept->width();
    out->height = kept->height();
    out->bytesPerLine = static_cast<int>(kept->bytesPerLine());
    out->pixels = kept->bits();
    out->owner = kept;
    return true;
}

void FreeCanvas(LumadexCanvas* canvas) {
    if (!canvas) return;
    delete static_cast<QImage*>(canvas->owner);
    *canvas = LumadexCanvas{};
}

QColor ToQColor(LumadexColor colour) {
    return QColor(colour >> 16 & 0xFF, colour >> 8 & 0xFF, colour & 0xFF, colour >> 24 & 0xFF);
}
