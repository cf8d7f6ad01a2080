// Small in-memory pictures for the tests of the transform and colour steps.
#pragma once

#include <FreeImage.h>

#include "engine/bitmap.h"

namespace step_bitmaps {

struct Colour {
    BYTE r = 0, g = 0, b = 0, a = 255;
};

// A picture of the given size and depth filled with one colour. Pictures of 8 bits or less get
// a grey ramp palette (index 0 black, the last index white) and are filled with the index whose
// grey is nearest to the colour's red byte.
inline Bitmap MakeBitmap(unsigned width, unsigned height, unsigned depth, Colour fill = {}) {
    Bitmap bitmap(FreeImage_Allocate(static_cast<int>(width), static_cast<int>(height),
                                     static_cast<int>(depth)));
    if (!bitmap) return bitmap;
    if (depth <= 8) {
        const unsigned colours = 1u << depth;
        RGBQUAD* palette = FreeImage_GetPalette(bitmap.get());
        for (unsigned i = 0; i < colours; ++i) {
            const BYTE grey = static_cast<BYTE>(i * 255 / (colours - 1));
            palette[i].rgbRed = palette[i].rgbGreen = palette[i].rgbBlue = grey;
            palette[i].rgbReserved = 0;
        }
        const BYTE index = static_cast<BYTE>((fill.r * (colours - 1) + 127) / 255);
        for (unsigned y = 0; y < height; ++y)
            for (unsigned x = 0; x < width; ++x) {
                BYTE value = index;
                FreeImage_SetPixelIndex(bitmap.get(), x, y, &value);
            }
    } else {
        RGBQUAD colour{fill.b, fill.g, fill.r, fill.a};
        for (unsigned y = 0; y < height; ++y)
            for (unsigned x = 0; x < width; ++x) FreeImage_SetPixelColor(bitmap.get(), x, y, &colour);
    }
    return bitmap;
}

// Sets one pixel of a 24- or 32-bit picture, y counted from the top.
inline void SetPixel(FIBITMAP* bitmap, unsigned x, unsigned yFromTop, Colour colour) {
    RGBQUAD value{colour.b, colour.g, colour.r, colour.a};
    FreeImage_SetPixelColor(bitmap, x, FreeImage_GetHeight(bitmap) - 1 - yFromTop, &value);
}

// Red, green, blue and alpha of a 32-bit pixel, y counted from the top.
inline Colour PixelRgba(FIBITMAP* bitmap, unsigned x, unsigned yFromTop) {
    RGBQUAD value{};
    FreeImage_GetPixelColor(bitmap, x, FreeImage_GetHeight(bitmap) - 1 - yFromTop, &value);
    return {value.rgbRed, value.rgbGreen, value.rgbBlue, value.rgbReserved};
}

}  // namespace step_bitmaps
