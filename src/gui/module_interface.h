// The seam between the Qt-free executable and the Qt module (lumadex-gui.so beside it). The
// executable loads the module with dlopen only for window mode and for drawing, and talks to it
// through this one table of plain C functions. Keep it free of Qt and C++ library types.
#pragma once

#include <cstdint>

#define LUMADEX_MODULE_ABI 1

extern "C" {

struct LumadexModule {
    int abi;  // LUMADEX_MODULE_ABI
    // Window mode: runs the main window until the user quits; returns when it has ended.
    void (*runWindowMode)(int argc, char** argv);
};

// The module's one exported symbol.
const LumadexModule* lumadex_module(void);
}
