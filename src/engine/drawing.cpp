// Engine side of the drawing module: loading and starting it, copying its canvases into FreeImage
// bitmaps, and compositing an overlay over only the part of the picture it covers.
#include "engine/drawing.h"

#include <cstring>
#include <mutex>

#include "app/gui_module.h"

namespace {
const LumadexModule* Ready = nullptr;
std::string StartError;
std::once_flag Once;

void Start() {
    const LumadexModule* module = LoadGuiModule();
    if (!module) {
        StartError = GuiModuleError();
        if (StartError.empty()) StartError = "cannot load lumadex-gui.so";
        return;
    }
    char why[512] = {};
    if (!module->startDrawing || !module->startDrawing(why, sizeof why)) {
        StartError = why[0] ? why : "cannot start drawing";
        return;
    }
    Ready = module;
}
}  // namespace

bool DrawingAvailable(std::string& why) {
    std::call_once(Once, Start);
    if (!Ready) why = StartError;
    return Ready != nullptr;
}

const LumadexModule* DrawingModule() {
    std::string ignored;
    return DrawingAvailable(ignored) ? Ready : nullptr;
}

Bitmap CanvasToBitmap(LumadexCanvas& canvas) {
    Bitmap bitmap;
    if (canvas.pixels && canvas.width > 0 && canvas.height > 0) {
        bitmap.reset(FreeImage_Allocate(canvas.width, canvas.height, 32, FI_RGBA_RED_MASK,
                                        FI_RGBA_GREEN_MASK, FI_RGBA_BLUE_MASK));
        if (bitmap) {
            const size_t lineBytes = static_cast<size_t>(canvas.width) * 4;
            for (int y = 0; y < canvas.height; ++y)
                std::memcpy(FreeImage_GetScanLine(bitmap.get(), canvas.height - 1 - y),
                            canvas.pixels + static_cast<size_t>(y) * canvas.bytesPerLine, lineBytes);
        }
    }
    if (const LumadexModule* module = Ready) module->freeCanvas(&canvas);
    return bitmap;
}

bool CompositeAt(FIBITMAP* picture, FIBITMAP* overlay, int x, int y) {
    if (!picture || !overlay) return false;
    const int w = static_cast<int>(FreeImage_GetWidth(overlay));
    const int h = static_cast<int>(FreeImage_GetHeight(overlay));
    const int pw = static_cast<int>(FreeImage_GetWidth(picture));
    const int ph = static_cast<int>(FreeImage_GetHeight(picture));
    if (w <= 0 || h <= 0 || x < 0 || y < 0 || x + w > pw || y + h > ph) return false;
    // A transparent pixel of the overlay leaves the picture's pixel as it is, so blending the
    // covered rectangle alone gives the same picture as blending a whole transparent layer.
    Bitmap under(FreeImage_Copy(picture, x, y, x + w, y + h));
    if (!under) return false;
    Bitmap blended(FreeImage_Composite(overlay, FALSE, nullptr, under.get()));
    if (!blended) return false;
    return FreeImage_Paste(picture, blended.get(), x, y, 256);
}
