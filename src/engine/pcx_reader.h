// The program's own PCX decoder, for the kinds of PCX file FreeImage cannot read or reads wrong.
#pragma once

#include <cstddef>
#include <cstdint>

#include "engine/bitmap.h"
#include "engine/pcx_header.h"

// Decodes a whole PCX file held in memory into a FreeImage bitmap: 1-bit for monochrome, 4-bit
// for up to 16 colours, 8-bit for 256 colours, 24-bit for RGB and 32-bit for RGBA files. Applies
// the header guard itself. No bitmap for a file it cannot read; a file that ends early gives a
// picture whose missing part is black.
Bitmap ReadPcx(const std::uint8_t* data, std::size_t size);

// Whether the pixel data holds every byte the header declares (a whole scan line of every plane
// for every line) and no run reaches past the end of a scan line. Walks the run-length codes
// without decoding them into pixels.
bool PcxDataIsRegular(const std::uint8_t* data, std::size_t size, const PcxHeader& header);

// Whether the file ends in the 256-colour palette: a 0x0C marker and 768 bytes.
bool PcxHasVgaPalette(const std::uint8_t* data, std::size_t size);

// Whether ReadPcx can decode files of this depth (bits per pixel and planes of the header).
bool PcxReaderHandles(const PcxHeader& header);
