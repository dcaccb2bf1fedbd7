#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>

#include <vector>

// The character set of text that carries no byte-order mark, as a name
// QStringDecoder accepts. `sample` is the start of the text (or all of it
// when `wholeText`): text that is valid UTF-8 is "UTF-8"; anything else is
// what a detector and a plausibility check agree on, preferring the sets
// song lists are written in on other systems (Windows-1252, Shift_JIS,
// CP949, GBK) and always one that decodes the sample without errors when
// there is one.
QByteArray GuessCharset(QByteArrayView sample, bool wholeText);

// One text among many that are decoded with one character set.
struct CharsetSampleText
{
    QByteArrayView m_bytes;
    bool m_bMayEndCut = false; // its last character may have been cut in two
};

// The one character set of many short texts that the same kind of system
// wrote, such as the Latin-1-marked tag texts of a run, so that they are all
// decoded alike: "UTF-8" when every text is UTF-8; else, of the sets that
// GuessCharset weighs (the detector's answer on all the texts first), the one
// under which they read most plausibly together. A text that a set does not
// decode counts against it as if each of its non-ASCII bytes were a stray
// symbol: a set does not win on the few texts it decodes, and one broken
// text weighs no more than its bytes against a whole album.
QByteArray GuessCharsetOfTexts(const std::vector<CharsetSampleText>& texts);

// Decodes one whole text into `text` with a reused `decoder` (made with the
// default flags): false when a byte does not decode in its set, or when the
// text ends inside a character and `mayEndCut` is false. A character cut
// at the end of a text that may end cut is dropped.
[[nodiscard]] bool DecodeWholeText(QStringDecoder& decoder, QByteArrayView bytes, bool mayEndCut,
                                   QString& text);
