// FlipImage: mirrors the picture in place, left to right and then top to bottom, as the Transform
// flip switches ask.
#include "engine/steps.h"
#include "settings/settings.h"

void FlipImage(FIBITMAP* bitmap) {
    if (!bitmap) return;
    if (Settings.transform.doImageFlipHorizontal == 1) FreeImage_FlipHorizontal(bitmap);
    if (Settings.transform.doImageFlipVertical == 1) FreeImage_FlipVertical(bitmap);
}
