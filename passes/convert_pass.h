#pragma once

class CJobRun;

// Copy every listed file into the output folder under its new name: the one
// the preview on screen shows when the request carries its names, otherwise
// the one the mode's rule gives. Files without a new name are skipped. A
// cancel is taken up between files; a run that handles every row ends with
// EndOfRun.
void ConvertSongListPass(CJobRun& run);
void ConvertPatternPass(CJobRun& run);
// Without a preview's names, the tags of every row are read first (the bar's
// first stretch; a cancel stops the reading too), then each row is copied.
void ConvertTagsPass(CJobRun& run);
