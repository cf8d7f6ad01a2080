// Placeholder: hands the bitmap on unchanged until this step is written.
#include "engine/steps.h"
Bitmap RotateImage(Bitmap bitmap) { return bitmap; }
