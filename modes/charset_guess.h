#pragma once

#include <QByteArray>
#include <QByteArrayView>

// The character set of text that carries no byte-order mark, as a name
// QStringDecoder accepts. `sample` is the start of the text (or all of it
// when `wholeText`): text that is valid UTF-8 is "UTF-8"; anything else is
// what a detector and a plausibility check agree on, preferring the sets
// song lists are written in on other systems (Windows-1252, Shift_JIS,
// CP949, GBK) and always one that decodes the sample without errors when
// there is one.
QByteArray GuessCharset(QByteArrayView sample, bool wholeText);
