// The module's entry table: window mode and the drawing procedures the engine asks for.
#include "gui/drawing_parts.h"
#include "gui/module_interface.h"

namespace {

void RunWindowMode(int, char**) {
    // The main window is not built yet: window mode ends orderly and silently.
}

const LumadexModule Module = {
    LUMADEX_MODULE_ABI, RunWindowMode,    StartDrawing,     LoadWatermarkFont, FreeWatermarkFont,
    DrawFrameRegion,    DrawTextStamp,    DrawPictureStamp, FreeCanvas,
};

}  // namespace

extern "C" __attribute__((visibility("default"))) const LumadexModule* lumadex_module(void) { return &Module; }
