// The single-image pipeline: load, transform, bring to the output depth, name and save.
#pragma once

#include <string>

#include "engine/bitmap.h"

// Converts the job's input path into one output file; true when the output was written.
// Never prints and never asks anything.
bool ConvertOneImage();

// Saves a bitmap so that a failed save loses nothing: the picture is written to a temporary file
// beside the target and renamed over it only when the save succeeded. On failure the temporary
// file is removed and an existing target is left as it was.
bool SaveBitmapReplacing(FIBITMAP* bitmap, int format, const std::string& path, int flags);
