// ResizeImage: rescales the picture to the Transform target width and height, in pixels or
// percent, optionally keeping its proportions or touching only pictures that reach the target.
// Also TargetSize and ResizeFilter, the helpers it is built from.
#include "engine/resize.h"

#include <climits>
#include <cmath>

#include "engine/steps.h"
#include "settings/settings.h"

int TargetSize(int value, int unit, int current) {
    switch (unit) {
        case 0:
            return value;
        case 1: {
            // std::nearbyint rounds in the default mode, to nearest with ties to even.
            const double size = std::nearbyint(value / 100.0 * current);
            if (size >= static_cast<double>(INT_MAX)) return INT_MAX;
            if (size <= static_cast<double>(INT_MIN)) return INT_MIN;
            return static_cast<int>(size);
        }
        default:
            return 0;
    }
}

FREE_IMAGE_FILTER ResizeFilter() {
    // The setting's codes are ordered differently from FreeImage's filter numbers.
    switch (Settings.transform.imageResizeAlgorithm) {
        case 0: return FILTER_BOX;
        case 1: return FILTER_BILINEAR;
        case 2: return FILTER_BSPLINE;
        case 3: return FILTER_BICUBIC;
        case 4: return FILTER_CATMULLROM;
        case 5: return FILTER_LANCZOS3;
        default: return FILTER_BICUBIC;
    }
}

// The other side of a proportional resize: the followed side's target divided by the ratio of
// the long side to the short one, both as 32-bit floats, rounded half away from zero. A very
// thin picture would round to 0 pixels and fail to rescale, so the side keeps at least 1 pixel.
static int ProportionalSide(int target, int longSide, int shortSide) {
    const float ratio = static_cast<float>(longSide) / static_cast<float>(shortSide);
    const float side = static_cast<float>(target) / ratio;
    const long rounded = std::lround(side);
    return rounded < 1 ? 1 : static_cast<int>(rounded);
}

Bitmap ResizeImage(Bitmap bitmap, int width, int height) {
    if (!bitmap) return nullptr;
    const auto& transform = Settings.transform;
    if (transform.doImageResize == 0) return bitmap;
    if (width <= 0 || height <= 0) return bitmap;

    const int targetWidth = TargetSize(transform.imageWidth, transform.imageWidthUnit, width);
    const int targetHeight = TargetSize(transform.imageHeight, transform.imageHeightUnit, height);
    if (targetWidth <= 0 || targetHeight <= 0) return bitmap;
    if (targetWidth == width && targetHeight == height) return bitmap;
    if (transform.imageResizeType == 1 && width < targetWidth && height < targetHeight)
        return bitmap;  // large images only, and this one is smaller both ways

    int newWidth = targetWidth;
    int newHeight = targetHeight;
    if (transform.keepAspectRatio == 1) {
        if (width >= height) {
            newHeight = ProportionalSide(targetWidth, width, height);
        } else {
            newWidth = ProportionalSide(targetHeight, height, width);
        }
    }
    return Bitmap(FreeImage_Rescale(bitmap.get(), newWidth, newHeight, ResizeFilter()));
}
