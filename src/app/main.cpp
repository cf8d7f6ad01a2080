// The entry: start-up tables, the single-instance guard, the command line, then window mode.
#include "app/gui_module.h"
#include "app/identity.h"
#include "app/platform.h"
#include "app/startup.h"
#include "cli/command_line.h"
#include "engine/job.h"

int main(int argc, char** argv) {
    ProgramParameters.assign(argv + 1, argv + argc);
    CreateStartupTables();
    if (!AcquireInstanceGuard(MakeTitle())) OrderlyEnd();

    RunCommandLine();

    // Window mode.
    ConfigurationPath = FindDataFolder("Quillon", ProductShortName) + "config.ini";
    if (const LumadexModule* module = LoadGuiModule()) module->runWindowMode(argc, argv);
    OrderlyEnd();
}
