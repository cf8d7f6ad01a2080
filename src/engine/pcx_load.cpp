// Placeholder: FreeImage's reader only, until the header guard and the fallback reader land.
#include "engine/pcx_load.h"

Bitmap LoadPcxFile(const std::string& path, std::string& reader) {
    Bitmap bitmap(FreeImage_Load(FIF_PCX, path.c_str(), 0));
    reader = bitmap ? "FreeImage" : "";
    return bitmap;
}

Bitmap LoadPcxMemory(const std::uint8_t* data, std::size_t size, std::string& reader) {
    FIMEMORY* memory = FreeImage_OpenMemory(const_cast<BYTE*>(data), static_cast<DWORD>(size));
    Bitmap bitmap(FreeImage_LoadFromMemory(FIF_PCX, memory, 0));
    FreeImage_CloseMemory(memory);
    reader = bitmap ? "FreeImage" : "";
    return bitmap;
}
