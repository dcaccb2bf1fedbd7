#pragma once

#include <QString>

// "Title - Artist" becomes "Artist-Title" and back: the two parts around the
// first hyphen (U+002D only), trimmed and joined the other way round by a bare
// hyphen; text from a second hyphen on is dropped. Returns 0 with the new base
// name in `result`, or -1 with `result` empty when the name has no hyphen
// after its first character.
int SwapArtistTitle(QString baseName, QString& result);
