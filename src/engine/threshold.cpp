// ApplyThreshold: replaces the picture by a 1-bit black-and-white copy when the threshold switch
// is on. Pixels at or above the level become white; the level is the low 8 bits of the setting.
#include "engine/steps.h"
#include "settings/settings.h"

Bitmap ApplyThreshold(Bitmap bitmap) {
    if (!bitmap || Settings.adjustment.doImageThreshold == 0) return bitmap;
    if (BitmapDepth(bitmap) > 32) {
        bitmap = ConvertBitmap(std::move(bitmap), FreeImage_ConvertTo24Bits);
        if (!bitmap) return nullptr;
    }
    const BYTE level = static_cast<BYTE>(Settings.adjustment.imageThreshold & 0xFF);
    return ConvertBitmap(std::move(bitmap),
                         [level](FIBITMAP* b) { return FreeImage_Threshold(b, level); });
}
