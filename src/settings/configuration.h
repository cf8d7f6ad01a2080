// Loading and saving the settings record as config.ini at ConfigurationPath (window mode only).
#pragma once

// Fills the whole record from the file (window defaults when it cannot be opened), then applies
// the upgrades for files written by older layouts. Never reports an error.
void LoadConfiguration();
// Writes the whole record to the file, replacing it; silently does nothing when it cannot.
void SaveConfiguration();
