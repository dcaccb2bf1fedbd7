#pragma once

class CJobRun;

// Tell the front end the name each listed file would be copied under, with
// the run bar; no file is read or written but the song list. They cannot be
// cancelled. Both return 0.
int PreviewSongListPass(CJobRun& run);
int PreviewPatternPass(CJobRun& run);
