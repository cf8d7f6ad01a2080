// Output format id, target depth and JPEG save flags, prepared once before a run.
#pragma once

// Fills the job's output format id, target depth, automatic-depth switch and save flags from
// the output extension and the Output settings.
void PrepareOutput();
// The JPEG save flags: quality, chroma subsampling and the save-as mode.
int SaveFlags();
