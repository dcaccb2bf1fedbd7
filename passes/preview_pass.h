#pragma once

class CJobRun;

// Tell the front end the name each listed file would be copied under, with
// the run bar; no file is written, and none is read but the song list (or,
// in tag mode, the files' tags). They cannot be cancelled. All return 0.
int PreviewSongListPass(CJobRun& run);
int PreviewPatternPass(CJobRun& run);
// Reads the tags of every row first (the bar's first stretch), then names
// each row from them.
int PreviewTagsPass(CJobRun& run);
