// AdjustColors: brightness, contrast, gamma and inversion of the picture in one pass, when colour
// correction is on. Depths the adjustment cannot work on are adjusted as 24-bit copies.
#include "engine/steps.h"
#include "settings/settings.h"

Bitmap AdjustColors(Bitmap bitmap) {
    if (!bitmap) return nullptr;
    const auto& adjustment = Settings.adjustment;
    if (adjustment.doImageColorCorrection == 0) return bitmap;

    // The adjustment works on 8-, 24- and 32-bit pictures only; any other depth (1, 4, 16 and
    // deep pictures) would silently stay unadjusted, so it continues as a 24-bit copy.
    const unsigned depth = BitmapDepth(bitmap);
    if (depth != 8 && depth != 24 && depth != 32) {
        bitmap = ConvertBitmap(std::move(bitmap), FreeImage_ConvertTo24Bits);
        if (!bitmap) return nullptr;
    }
    FreeImage_AdjustColors(bitmap.get(), static_cast<double>(adjustment.imageBrightness),
                           static_cast<double>(adjustment.imageContrast),
                           static_cast<double>(adjustment.imageGamma),
                           adjustment.imageInvert != 0 ? TRUE : FALSE);
    return bitmap;
}
