#pragma once

#include <QStringView>

// How much `text` looks like words people write rather than bytes decoded in
// the wrong character set. Higher is more plausible; only comparisons between
// decodings of the same bytes mean anything. Letters of one script score,
// symbols and control characters that a mis-decoding scatters cost, and so do
// scripts that real titles do not mix (Hangul beside Han, CJK glued to a
// Latin letter, case flipping inside a word).
int TextPlausibility(QStringView text);
