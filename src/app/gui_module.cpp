// dlopen of lumadex-gui.so from the program folder. A plain conversion never gets here, so it
// pays nothing for Qt.
#include "app/gui_module.h"

#include <dlfcn.h>

#include <mutex>
#include <string>

#include "app/platform.h"

namespace {
const LumadexModule* Loaded = nullptr;
std::string LoadError;
std::once_flag Once;

void Load() {
    const std::string path = ProgramFolder() + "lumadex-gui.so";
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char* reason = dlerror();
        LoadError = reason ? reason : ("cannot load " + path);
        return;
    }
    using Entry = const LumadexModule* (*)();
    auto entry = reinterpret_cast<Entry>(dlsym(handle, "lumadex_module"));
    const LumadexModule* module = entry ? entry() : nullptr;
    if (!module || module->abi != LUMADEX_MODULE_ABI) {
        LoadError = path + " does not match this program";
        return;  // the handle stays open: unloading Qt at run time is not worth the risk
    }
    Loaded = module;
}
}  // namespace

const LumadexModule* LoadGuiModule() {
    std::call_once(Once, Load);
    return Loaded;
}

const char* GuiModuleError() { return LoadError.c_str(); }
