#pragma once

#include <QString>

// The rules that decide the name under which a copy is written. Positions and
// lengths count UTF-16 code units.

// `name` in `folder`: the path of a file the job reads or writes, made a few
// times per copy, so in one allocation.
QString FileInFolder(const QString& folder, const QString& name);

// Cuts `name` into a base name (returned) and an extension (stored in
// `extension`, dot included). A name whose last dot is its first character, or
// that has no dot, has no extension. Every occurrence of the extension text is
// removed from the base name, not only the last one.
QString SplitExtension(QString name, QString& extension);

// Removes every \ / : * ? " < > | and every control character (U+0000 to
// U+001F, U+007F) from `name`, so the copy can go to any player, share or FAT
// stick. True when anything was removed.
bool RemoveInvalidChars(QString& name);

// True when anything at all stands at `path`: a file of any kind, a folder, a
// link (dangling too) or a file we cannot read.
bool FileExists(QString path);

// Turns a taken destination into the first free numbered form: "Song.mp3",
// then "Song (1).mp3", "Song (2).mp3" and so on. The number goes before the
// last dot of the last path component, or at the end when that component has
// no dot after its first character.
void MakeUniqueName(QString& path);

// Form `n` of a taken name (one path component): "Song (n).mp3", or
// "Readme (n)" when the name has no dot after its first character.
QString NumberedName(const QString& name, int n);

// Bytes kept free after a shortened name for the number a taken name gets.
inline constexpr qsizetype kNumberRoom = 7; // " (9999)"

// The longest name, in bytes, that the file system of `folder` takes; 255
// when it does not say.
qsizetype NameLimitOf(const QString& folder);

// Shortens `name` (one path component, extension included) when its file
// name bytes exceed `limit`: the part before the extension is cut at a
// character boundary so that it, the extension and a number fit. True when
// shortened.
bool ShortenLongName(QString& name, qsizetype limit);

// True when `name` holds text that was never decoded: U+FFFD, or a lone
// surrogate other than an escaped file-name byte (see DecodeFileName).
bool HoldsUndecodedText(const QString& name);
