// MakeGreyscale: replaces the picture by an 8-bit greyscale copy when the greyscale switch is on.
#include "engine/steps.h"
#include "settings/settings.h"

Bitmap MakeGreyscale(Bitmap bitmap) {
    if (!bitmap || Settings.adjustment.doImageGreyscale == 0) return bitmap;
    if (BitmapDepth(bitmap) > 32) {
        bitmap = ConvertBitmap(std::move(bitmap), FreeImage_ConvertTo24Bits);
        if (!bitmap) return nullptr;
    }
    return ConvertBitmap(std::move(bitmap), FreeImage_ConvertToGreyscale);
}
