// libFuzzer target for the PCX load path: the header guard, FreeImage's reader and the program's
// own reader, then the conversions that bring a picture to a depth the JPEG encoder takes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "engine/pcx_header.h"
#include "engine/pcx_load.h"
#include "engine/pcx_reader.h"

namespace {

// Pictures larger than this are loaded but not encoded, to keep the executions quick.
constexpr unsigned long long kMaxEncodedPixels = 1u << 16;

// A loaded picture must have the size its header declares, whichever reader made it.
void ConvertAndEncode(const Bitmap& bitmap, const std::uint8_t* data, std::size_t size) {
    if (!bitmap) return;
    PcxHeader header;
    if (!ReadPcxHeader(data, size, header) || BitmapWidth(bitmap) != header.width ||
        BitmapHeight(bitmap) != header.height)
        std::abort();
    const Bitmap colour(FreeImage_ConvertTo24Bits(bitmap.get()));
    const Bitmap grey(FreeImage_ConvertTo8Bits(bitmap.get()));
    if (static_cast<unsigned long long>(BitmapWidth(bitmap)) * BitmapHeight(bitmap) > kMaxEncodedPixels) return;
    for (const Bitmap* picture : {&colour, &grey}) {
        if (!*picture) continue;
        FIMEMORY* out = FreeImage_OpenMemory();
        FreeImage_SaveToMemory(FIF_JPEG, picture->get(), out, 90);
        FreeImage_CloseMemory(out);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string reader;
    ConvertAndEncode(LoadPcxMemory(data, size, reader), data, size);
    // The own reader on its own as well, so that it also sees the kinds FreeImage serves.
    ConvertAndEncode(ReadPcx(data, size), data, size);
    return 0;
}
