// Loading a PCX file for the pipeline: the header guard first, then FreeImage's reader, then the
// program's own reader for the kinds FreeImage cannot read.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/bitmap.h"

// Loads a file as PCX whatever its name; no bitmap when it cannot be loaded. reader names the
// reader that served ("FreeImage" or "fallback"), empty when none did.
Bitmap LoadPcxFile(const std::string& path, std::string& reader);
// The same from bytes in memory (used by the fuzz target and the tests).
Bitmap LoadPcxMemory(const std::uint8_t* data, std::size_t size, std::string& reader);
