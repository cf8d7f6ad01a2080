// The steps of the single-image pipeline, in the order ConvertOneImage runs them. Each takes the
// bitmap and hands back the one to continue with; a step given no bitmap hands back none.
#pragma once

#include "engine/bitmap.h"

Bitmap RotateImage(Bitmap bitmap);
Bitmap ResizeImage(Bitmap bitmap, int width, int height);
void FlipImage(FIBITMAP* bitmap);  // in place
Bitmap AdjustColors(Bitmap bitmap);
Bitmap MakeGreyscale(Bitmap bitmap);
Bitmap ApplyThreshold(Bitmap bitmap);
Bitmap DrawFrame(Bitmap bitmap, int width, int height);
Bitmap DrawWatermark(Bitmap bitmap, int width, int height);
Bitmap ConvertToOutputDepth(Bitmap bitmap);

// Watermark font slot: loaded before a run with a text watermark, freed after it.
bool LoadWatermarkFont();
void FreeWatermarkFont();
