// Placeholder: hands the bitmap on unchanged until this step is written.
#include "engine/steps.h"
Bitmap DrawWatermark(Bitmap bitmap, int, int) { return bitmap; }
bool LoadWatermarkFont() { return false; }
void FreeWatermarkFont() {}
