// Placeholder until the console run lands.
#include "engine/console_run.h"
int RunConsoleConversion(bool) { return 0; }
