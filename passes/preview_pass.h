#pragma once

class CPassHost;

// Fill the "Rename" column with the name each listed file would be copied
// under, with the run bar; no file is read or written but the song list.
// They cannot be cancelled. Both return 0.
int PreviewSongListPass(CPassHost& host);
int PreviewPatternPass(CPassHost& host);
