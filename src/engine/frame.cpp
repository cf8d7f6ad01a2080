// Pipeline step: the solid frame. Four bands of their own width and colour, joined along the
// diagonals of the corners and laid over the picture's outer strips with a common opacity. The
// module draws the band overlay; only the strips it can cover are drawn and blended, so a frame
// costs in proportion to its area rather than the picture's.
#include <algorithm>
#include <vector>

#include "engine/drawing.h"
#include "engine/steps.h"
#include "engine/watermark_text.h"
#include "settings/settings.h"

namespace {
struct Region {
    int x, y, w, h;
};

// The rectangles that can hold frame pixels. Each band's shape lies within its own strip (top
// rows, bottom rows, left or right columns), so everything outside the inner rectangle is
// enough; when the bands meet or cross there is no inner rectangle and the whole picture is.
std::vector<Region> FrameRegions(int width, int height, int left, int right, int top, int bottom) {
    const int l = std::clamp(left, 0, width), r = std::clamp(right, 0, width);
    const int t = std::clamp(top, 0, height), b = std::clamp(bottom, 0, height);
    if (l + r >= width || t + b >= height) return {{0, 0, width, height}};
    std::vector<Region> regions = {
        {0, 0, width, t},
        {0, height - b, width, b},
        {0, t, l, height - t - b},
        {width - r, t, r, height - t - b},
    };
    std::erase_if(regions, [](const Region& region) { return region.w <= 0 || region.h <= 0; });
    return regions;
}
}  // namespace

Bitmap DrawFrame(Bitmap bitmap, int, int) {
    const auto& frame = Settings.frame;
    if (frame.doFrame == 0 || !bitmap) return bitmap;
    if (BitmapDepth(bitmap) != 24) bitmap = ConvertBitmap(std::move(bitmap), FreeImage_ConvertTo24Bits);
    if (frame.doFrame != 1 || !bitmap) return bitmap;
    const LumadexModule* module = DrawingModule();
    if (!module) return bitmap;

    // The bitmap's own size bounds every region, so nothing outside it is ever read or written.
    LumadexFrameBands bands{};
    bands.width = static_cast<int>(BitmapWidth(bitmap));
    bands.height = static_cast<int>(BitmapHeight(bitmap));
    bands.left = ClampDistance(frame.solidLeft);
    bands.right = ClampDistance(frame.solidRight);
    bands.top = ClampDistance(frame.solidTop);
    bands.bottom = ClampDistance(frame.solidBottom);
    bands.leftColor = PackRgba(HexToRGBA(frame.solidLeftColor, 255));
    bands.rightColor = PackRgba(HexToRGBA(frame.solidRightColor, 255));
    bands.topColor = PackRgba(HexToRGBA(frame.solidTopColor, 255));
    bands.bottomColor = PackRgba(HexToRGBA(frame.solidBottomColor, 255));
    bands.opacity = std::clamp(frame.solidOpacity, 0, 255);

    // Every part of the overlay is made before any is laid down: a frame that cannot be drawn
    // leaves the picture without one rather than with a part of one.
    const std::vector<Region> regions =
        FrameRegions(bands.width, bands.height, bands.left, bands.right, bands.top, bands.bottom);
    std::vector<Bitmap> overlays;
    for (const Region& region : regions) {
        LumadexCanvas canvas{};
        if (!module->drawFrameRegion(&bands, region.x, region.y, region.w, region.h, &canvas))
            return bitmap;
        overlays.push_back(CanvasToBitmap(canvas));
        if (!overlays.back()) return bitmap;
    }
    for (size_t k = 0; k < regions.size(); ++k)
        CompositeAt(bitmap.get(), overlays[k].get(), regions[k].x, regions[k].y);
    return bitmap;
}
