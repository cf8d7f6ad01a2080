// The module's entry table.
#include "gui/module_interface.h"

namespace {

void RunWindowMode(int, char**) {
    // The main window is not built yet: window mode ends orderly and silently.
}

const LumadexModule Module = {LUMADEX_MODULE_ABI, RunWindowMode};

}  // namespace

extern "C" __attribute__((visibility("default"))) const LumadexModule* lumadex_module(void) { return &Module; }
