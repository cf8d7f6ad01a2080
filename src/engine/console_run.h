// The console conversion run: checks, debug listing, queueing, the worker and the outcome lines.
#pragma once

// Returns 0 in every case.
int RunConsoleConversion(bool quiet);
