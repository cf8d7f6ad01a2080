// Pipeline step: the watermark. The module draws the stamp (a block of text in the watermark
// font, or a picture file); here it is turned, cut to fit the area it belongs in, placed at its
// anchor and blended over the picture where it lies.
#include <algorithm>
#include <string>

#include "engine/drawing.h"
#include "engine/steps.h"
#include "engine/watermark_layout.h"
#include "engine/watermark_text.h"
#include "settings/settings.h"

namespace {
bool FontLoaded = false;

Bitmap MakeTextStamp(const LumadexModule& module) {
    const auto& wm = Settings.watermark;
    if (!FontLoaded) return nullptr;
    const std::string text = ExpandWatermarkText();
    const bool antialiased = wm.textAntialiasing == 1;
    LumadexTextStamp stamp{};
    stamp.text = text.c_str();
    stamp.leading = ClampDistance(wm.fontLeading);
    stamp.padding = ClampDistance(wm.textPadding);
    stamp.alignment = wm.textAlignment;
    stamp.antialiasing = antialiased ? 1 : 0;
    stamp.textColor = PackRgba(HexToRGBA(wm.fontColor, antialiased ? 255 : wm.textOpacity));
    stamp.backColor = PackRgba(HexToRGBA(wm.backColor, antialiased ? 255 : wm.backOpacity));
    stamp.textOpacity = std::clamp(wm.textOpacity, 0, 255);
    stamp.backOpacity = std::clamp(wm.backOpacity, 0, 255);
    LumadexCanvas canvas{};
    if (!module.drawTextStamp(&stamp, &canvas)) return nullptr;
    return CanvasToBitmap(canvas);
}

Bitmap MakePictureStamp(const LumadexModule& module) {
    const auto& wm = Settings.watermark;
    LumadexCanvas canvas{};
    if (!module.drawPictureStamp(wm.image.c_str(), wm.imageGreyscale == 1 ? 1 : 0,
                                 std::clamp(wm.imageOpacity, 0, 255), &canvas))
        return nullptr;
    return CanvasToBitmap(canvas);
}
}  // namespace

bool LoadWatermarkFont() {
    FreeWatermarkFont();
    std::string why;
    if (!DrawingAvailable(why)) return false;
    const auto& wm = Settings.watermark;
    LumadexFontRequest request{wm.font.c_str(), wm.fontSize, wm.fontStyle, wm.fontEffect};
    FontLoaded = DrawingModule()->loadWatermarkFont(&request) != 0;
    return FontLoaded;
}

void FreeWatermarkFont() {
    if (!FontLoaded) return;
    if (const LumadexModule* module = DrawingModule()) module->freeWatermarkFont();
    FontLoaded = false;
}

Bitmap DrawWatermark(Bitmap bitmap, int, int) {
    const auto& wm = Settings.watermark;
    if (wm.doWatermark == 0 || !bitmap) return bitmap;
    if (BitmapDepth(bitmap) != 24) bitmap = ConvertBitmap(std::move(bitmap), FreeImage_ConvertTo24Bits);
    const LumadexModule* module = DrawingModule();
    if (!bitmap || !module) return bitmap;

    const bool text = wm.doWatermark == 1;
    if (!text && wm.doWatermark != 2) return bitmap;
    Bitmap stamp = text ? MakeTextStamp(*module) : MakePictureStamp(*module);
    if (!stamp) return bitmap;

    const int angle = text ? wm.textRotation : wm.imageRotation;
    if (angle > 0 && angle < 360) {
        stamp.reset(FreeImage_Rotate(stamp.get(), angle, nullptr));
        if (!stamp) return bitmap;
    }

    // The area the stamp belongs in: inside the frame bands when asked and a frame is on.
    const int width = static_cast<int>(BitmapWidth(bitmap)), height = static_cast<int>(BitmapHeight(bitmap));
    int areaX = 0, areaY = 0, areaWidth = width, areaHeight = height;
    const auto& frame = Settings.frame;
    if (frame.doFrame != 0 && (text ? wm.textBoundary : wm.imageBoundary) == 1) {
        areaX = ClampDistance(frame.solidLeft);
        areaY = ClampDistance(frame.solidTop);
        areaWidth = width - areaX - ClampDistance(frame.solidRight);
        areaHeight = height - areaY - ClampDistance(frame.solidBottom);
    }

    // Cut the stamp to what fits beside its offsets, keeping its top-left part. When nothing of
    // it fits, the picture goes on without a stamp.
    const int ox = ClampDistance(text ? wm.textXOffset : wm.imageXOffset);
    const int oy = ClampDistance(text ? wm.textYOffset : wm.imageYOffset);
    int stampWidth = static_cast<int>(BitmapWidth(stamp)), stampHeight = static_cast<int>(BitmapHeight(stamp));
    const int fitWidth = stampWidth + ox > areaWidth ? areaWidth - ox : stampWidth;
    const int fitHeight = stampHeight + oy > areaHeight ? areaHeight - oy : stampHeight;
    if (fitWidth <= 0 || fitHeight <= 0) return bitmap;
    if (fitWidth != stampWidth || fitHeight != stampHeight) {
        stamp.reset(FreeImage_Copy(stamp.get(), 0, 0, fitWidth, fitHeight));
        if (!stamp) return bitmap;
        stampWidth = fitWidth;
        stampHeight = fitHeight;
    }

    const StampPlace place = PlaceWatermark(areaWidth, areaHeight, stampWidth, stampHeight,
                                            text ? wm.textPosition : wm.imagePosition, ox, oy);
    // A stamp that does not lie wholly inside the picture is left out, as a paste into a
    // picture-sized layer would refuse it.
    CompositeAt(bitmap.get(), stamp.get(), place.x + areaX, place.y + areaY);
    return bitmap;
}
