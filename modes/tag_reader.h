#pragma once

#include "modes/song_tags.h"

#include <QString>

// Reads the tags of the file at `path` (a name as DecodeFileName gives it),
// opening it for reading only and reading no audio: ID3v1, ID3v2.2 to 2.4 and
// APE in MPEG files; Vorbis comments in Ogg Vorbis, Opus, Speex and FLAC; the
// tags of MP4/M4A and ASF/WMA; the ID3 and INFO chunks of WAV and the ID3
// chunk of AIFF (and the APE and ID3 tags of Monkey's Audio, WavPack,
// Musepack and TrueAudio files). The kind of file is told by its content; the
// name's extension is only the first guess.
//
// A field missing from the file's first tag is taken from the next one
// (ID3v2 before APE before ID3v1; Vorbis comments before ID3 in FLAC; ID3
// before INFO in WAV). Values a tag holds more than once are joined by ", ".
// Texts stored as Latin-1 (all of ID3v1, ID3v2 frames of encoding 0, INFO
// texts that are not UTF-8) that hold more than ASCII keep their bytes for
// the run's decision on their character set (see CTagCharset); all other
// texts are taken as stored.
//
// Only the fields in `fields` are kept; whether the file has any tags at all
// (TagReadStatus::NoTags) is told from all of them. Damaged files give
// NotAudio or whatever their tags still hold; nothing is ever written.
SongTags ReadSongTags(const QString& path, TagFieldMask fields = kAllTagFields);

// The same, with the reads that reached the file counted into `readCalls`.
SongTags ReadSongTags(const QString& path, TagFieldMask fields, int& readCalls);
