// RotateImage: turns the picture by the Transform rotation angle. Simple rotation grows the canvas
// and fills the new corners with the back colour; advanced rotation keeps the size and turns about
// the centre. Pictures of 16 bits or less (and deep ones) are rotated as 24-bit copies.
#include "engine/steps.h"
#include "settings/settings.h"

Bitmap RotateImage(Bitmap bitmap) {
    if (!bitmap) return nullptr;
    const auto& transform = Settings.transform;
    if (transform.doImageRotation == 0) return bitmap;
    const int angle = transform.imageRotation;
    if (angle <= 0 || angle >= 360) return bitmap;

    const unsigned width = BitmapWidth(bitmap);
    const unsigned height = BitmapHeight(bitmap);
    const unsigned depth = BitmapDepth(bitmap);
    if (depth <= 16 || depth > 32) {
        bitmap = ConvertBitmap(std::move(bitmap), FreeImage_ConvertTo24Bits);
        if (!bitmap) return nullptr;
    }

    switch (transform.imageRotationType) {
        case 0: {
            const Rgb colour = HexToColor(transform.imageRotationBackColor);
            RGBQUAD back{};
            back.rgbBlue = colour.blue;
            back.rgbGreen = colour.green;
            back.rgbRed = colour.red;
            back.rgbReserved = 0;
            return Bitmap(FreeImage_Rotate(bitmap.get(), angle, &back));
        }
        case 1:
            return Bitmap(FreeImage_RotateEx(bitmap.get(), angle, 0.0, 0.0, width / 2.0,
                                             height / 2.0, FALSE));
        default:
            return bitmap;  // unknown type: only the 24-bit conversion happens
    }
}
