// The frame overlay: four corner rectangles and then four band polygons, antialiased, on a
// transparent canvas, then the whole set laid on a second canvas at the frame's opacity (so the
// shapes' overlaps along the diagonals never show through twice). Only the requested part of the
// overlay is drawn; the painter clips the shapes to it.
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>

#include <algorithm>

#include "gui/drawing_parts.h"

int DrawFrameRegion(const LumadexFrameBands* bands, int x, int y, int w, int h, LumadexCanvas* out) {
    if (!bands || w <= 0 || h <= 0) return 0;
    const int W = bands->width, H = bands->height;
    const int L = bands->left, R = bands->right, T = bands->top, B = bands->bottom;

    QImage shapes(w, h, QImage::Format_ARGB32_Premultiplied);
    if (shapes.isNull()) return 0;
    shapes.fill(Qt::transparent);
    {
        QPainter painter(&shapes);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(Qt::NoPen);
        painter.translate(-x, -y);
        // Corners first: under the antialiased diagonals they keep the joins free of seams.
        painter.fillRect(QRectF(0, 0, L, T).normalized(), ToQColor(bands->topColor));
        painter.fillRect(QRectF(W - R, 0, R, T).normalized(), ToQColor(bands->rightColor));
        painter.fillRect(QRectF(W - R, H - B, R, B).normalized(), ToQColor(bands->bottomColor));
        painter.fillRect(QRectF(0, H - B, L, B).normalized(), ToQColor(bands->leftColor));
        const struct {
            QPolygon shape;
            LumadexColor colour;
        } polygons[] = {
            {QPolygon({QPoint(0, 0), QPoint(W, 0), QPoint(W - R, T), QPoint(L, T)}), bands->topColor},
            {QPolygon({QPoint(W, 0), QPoint(W, H), QPoint(W - R, H - B), QPoint(W - R, T)}), bands->rightColor},
            {QPolygon({QPoint(W, H), QPoint(0, H), QPoint(L, H - B), QPoint(W - R, H - B)}), bands->bottomColor},
            {QPolygon({QPoint(0, H), QPoint(0, 0), QPoint(L, T), QPoint(L, H - B)}), bands->leftColor},
        };
        for (const auto& polygon : polygons) {
            QPainterPath path;
            path.addPolygon(polygon.shape);
            path.closeSubpath();
            painter.fillPath(path, ToQColor(polygon.colour));
        }
    }

    const int opacity = std::clamp(bands->opacity, 0, 255);
    if (opacity == 255) return ExportCanvas(std::move(shapes), out) ? 1 : 0;
    QImage faded(w, h, QImage::Format_ARGB32_Premultiplied);
    if (faded.isNull()) return 0;
    faded.fill(Qt::transparent);
    {
        QPainter painter(&faded);
        painter.setOpacity(opacity / 255.0);
        painter.drawImage(0, 0, shapes);
    }
    return ExportCanvas(std::move(faded), out) ? 1 : 0;
}
