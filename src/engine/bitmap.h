// An owning handle for a FreeImage bitmap. Every pipeline step takes a Bitmap by value and hands
// back the one to continue with, so a replaced bitmap is always unloaded and none can leak.
#pragma once

#include <FreeImage.h>
#include <memory>

struct BitmapUnloader {
    void operator()(FIBITMAP* bitmap) const noexcept { FreeImage_Unload(bitmap); }
};

using Bitmap = std::unique_ptr<FIBITMAP, BitmapUnloader>;

inline Bitmap AdoptBitmap(FIBITMAP* bitmap) { return Bitmap(bitmap); }

// Width, height and depth of a bitmap; 0 for no bitmap.
inline unsigned BitmapWidth(const Bitmap& b) { return b ? FreeImage_GetWidth(b.get()) : 0; }
inline unsigned BitmapHeight(const Bitmap& b) { return b ? FreeImage_GetHeight(b.get()) : 0; }
inline unsigned BitmapDepth(const Bitmap& b) { return b ? FreeImage_GetBPP(b.get()) : 0; }

// Replaces a bitmap by a converted copy made by one of FreeImage's FreeImage_ConvertTo* calls;
// no bitmap stays no bitmap.
template <typename Convert>
Bitmap ConvertBitmap(Bitmap bitmap, Convert convert) {
    if (!bitmap) return nullptr;
    return Bitmap(convert(bitmap.get()));
}
