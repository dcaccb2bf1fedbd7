#pragma once

class CPassHost;

// Copy every listed file of the current folder into the output folder under
// its new name: the one in the "Rename" column when a preview is on screen,
// otherwise the one the mode's rule gives. Files without a new name are
// skipped. A cancel is taken up between files; a run that handles every row
// ends with EndOfRun.
void ConvertSongListPass(CPassHost& host);
void ConvertPatternPass(CPassHost& host);
