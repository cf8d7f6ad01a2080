// Helpers of the resize step: target sizes from the Transform settings and the resampling filter.
#pragma once

#include <FreeImage.h>

// A target size in pixels: unit 0 takes the value as pixels, unit 1 as a percentage of the
// current size (rounded to the nearest pixel, ties to the even one); any other unit gives 0.
int TargetSize(int value, int unit, int current);

// The FreeImage filter for Transform/Image Resize Algorithm; unknown codes give bicubic.
FREE_IMAGE_FILTER ResizeFilter();
