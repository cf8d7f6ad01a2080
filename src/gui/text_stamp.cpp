// The text stamp: the watermark text in the watermark font on a padded box. Lines are measured
// with the font's metrics; raster text (no antialiasing) writes the text colour and the box colour
// with their own alpha as given, antialiased text is laid over the box with separate opacities.
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "engine/watermark_layout.h"
#include "gui/drawing_parts.h"

namespace {
// Canvases beyond this many pixels are refused rather than attempted.
constexpr long long MaxStampPixels = 1LL << 28;

struct Layout {
    std::vector<QString> lines;
    std::vector<int> lineX;
    int width = 0, height = 0, pitch = 0, padding = 0;
};

// Sizes the block with the raster metrics of the font; line positions follow the alignment, a
// single line sits at the padding.
Layout MeasureLayout(const LumadexTextStamp& stamp, const QFont& font, bool antialiased) {
    Layout layout;
    const std::vector<std::string> parts = SplitWatermarkLines(stamp.text ? stamp.text : "");
    const QFontMetrics metrics(font);
    const QFontMetricsF vectorMetrics(font);
    std::vector<TextSize> sizes;
    for (const std::string& part : parts) {
        layout.lines.push_back(QString::fromStdString(part));
        sizes.push_back({metrics.horizontalAdvance(layout.lines.back()), metrics.height()});
    }
    const TextBlock block = MeasureTextBlock(sizes, stamp.leading);
    layout.padding = stamp.padding;
    const long long width = block.width + 2LL * stamp.padding, height = block.height + 2LL * stamp.padding;
    if (width <= 0 || height <= 0 || width * height > MaxStampPixels) return layout;  // nothing to draw
    layout.width = static_cast<int>(width);
    layout.height = static_cast<int>(height);
    layout.pitch = block.pitch;
    for (size_t k = 0; k < layout.lines.size(); ++k) {
        if (layout.lines.size() == 1) {
            layout.lineX.push_back(stamp.padding);
            continue;
        }
        const int lineWidth = antialiased
            ? static_cast<int>(std::lround(vectorMetrics.horizontalAdvance(layout.lines[k])))
            : sizes[k].width;
        layout.lineX.push_back(AlignLineX(lineWidth, layout.width, stamp.alignment, stamp.padding));
    }
    return layout;
}

void DrawLines(QImage& canvas, const Layout& layout, const QFont& font, const QColor& colour) {
    QPainter painter(&canvas);
    painter.setFont(font);
    painter.setPen(colour);
    const int ascent = QFontMetrics(font).ascent();
    int y = layout.padding;
    for (size_t k = 0; k < layout.lines.size(); ++k, y += layout.pitch)
        painter.drawText(QPoint(layout.lineX[k], y + ascent), layout.lines[k]);
}
}  // namespace

int DrawTextStamp(const LumadexTextStamp* stamp, LumadexCanvas* out) {
    const QFont* loaded = WatermarkFont();
    if (!stamp || !loaded) return 0;
    const bool antialiased = stamp->antialiasing == 1;
    QFont font(*loaded);
    font.setStyleStrategy(antialiased ? QFont::PreferAntialias : QFont::NoAntialias);
    const Layout layout = MeasureLayout(*stamp, font, antialiased);
    if (layout.width <= 0 || layout.height <= 0) return 0;

    if (!antialiased) {
        // The glyphs are drawn as a mask, then written into the box with the text colour and
        // its alpha exactly as given.
        QImage mask(layout.width, layout.height, QImage::Format_ARGB32_Premultiplied);
        QImage canvas(layout.width, layout.height, QImage::Format_ARGB32);
        if (mask.isNull() || canvas.isNull()) return 0;
        mask.fill(Qt::transparent);
        DrawLines(mask, layout, font, Qt::white);
        const QRgb box = qRgba(stamp->backColor >> 16 & 0xFF, stamp->backColor >> 8 & 0xFF,
                               stamp->backColor & 0xFF, stamp->backColor >> 24 & 0xFF);
        const QRgb ink = qRgba(stamp->textColor >> 16 & 0xFF, stamp->textColor >> 8 & 0xFF,
                               stamp->textColor & 0xFF, stamp->textColor >> 24 & 0xFF);
        for (int y = 0; y < layout.height; ++y) {
            const auto* coverage = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
            auto* line = reinterpret_cast<QRgb*>(canvas.scanLine(y));
            for (int x = 0; x < layout.width; ++x) line[x] = qAlpha(coverage[x]) >= 128 ? ink : box;
        }
        return ExportCanvas(std::move(canvas), out) ? 1 : 0;
    }

    QImage text(layout.width, layout.height, QImage::Format_ARGB32_Premultiplied);
    QImage result(layout.width, layout.height, QImage::Format_ARGB32_Premultiplied);
    if (text.isNull() || result.isNull()) return 0;
    text.fill(Qt::transparent);
    DrawLines(text, layout, font, ToQColor(stamp->textColor | 0xFF000000u));
    result.fill(Qt::transparent);
    {
        QPainter painter(&result);
        painter.setOpacity(std::clamp(stamp->backOpacity, 0, 255) / 255.0);
        painter.fillRect(result.rect(), ToQColor(stamp->backColor | 0xFF000000u));
        painter.setOpacity(std::clamp(stamp->textOpacity, 0, 255) / 255.0);
        painter.drawImage(0, 0, text);
    }
    return ExportCanvas(std::move(result), out) ? 1 : 0;
}
