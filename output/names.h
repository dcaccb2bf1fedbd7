#pragma once

#include <QString>

// The rules that decide the name under which a copy is written. Positions and
// lengths count UTF-16 code units.

// Cuts `name` into a base name (returned) and an extension (stored in
// `extension`, dot included). A name whose last dot is its first character, or
// that has no dot, has no extension. Every occurrence of the extension text is
// removed from the base name, not only the last one.
QString SplitExtension(QString name, QString& extension);

// Removes every \ / : * ? " < > | from `name`, so the copy can go to any
// player, share or FAT stick. True when anything was removed.
bool RemoveInvalidChars(QString& name);

// True when anything at all stands at `path`: a file of any kind, a folder, a
// link (dangling too) or a file we cannot read.
bool FileExists(QString path);

// Turns a taken destination into the first free numbered form: "Song.mp3",
// then "Song (1).mp3", "Song (2).mp3" and so on. The number goes before the
// last dot of the last path component, or at the end when that component has
// no dot after its first character.
void MakeUniqueName(QString& path);
