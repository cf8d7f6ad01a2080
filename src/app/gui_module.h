// Loads the Qt module beside the executable, once, on first use.
#pragma once

#include "gui/module_interface.h"

// The module's table, or nullptr when it cannot be loaded (the reason is kept for a message).
const LumadexModule* LoadGuiModule();
const char* GuiModuleError();
