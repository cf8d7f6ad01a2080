// The engine's side of the drawing module: whether drawing is possible, and pictures made by the
// module turned into FreeImage bitmaps and laid over the picture.
#pragma once

#include <string>

#include "engine/bitmap.h"
#include "gui/module_interface.h"

// Loads the module and starts its off-screen drawing, once. False with a reason when the module
// cannot be loaded or cannot draw. Call it on the main thread before a run that draws.
bool DrawingAvailable(std::string& why);
// The module's table once drawing is available, else nullptr.
const LumadexModule* DrawingModule();

// A 32-bit FreeImage bitmap with the canvas's pixels (FreeImage keeps lines bottom-up). The
// canvas is given back to the module in every case.
Bitmap CanvasToBitmap(LumadexCanvas& canvas);

// Lays the 32-bit overlay over the 24-bit picture with its top-left corner at (x, y), exactly as
// FreeImage_Composite of a picture-sized layer holding the overlay there would, but touching
// only the covered rectangle. False (and the picture unchanged) when the overlay does not lie
// wholly inside the picture.
bool CompositeAt(FIBITMAP* picture, FIBITMAP* overlay, int x, int y);
