#pragma once

#include <QByteArray>
#include <QByteArrayView>

// What the first bytes of a file chosen as a song list say about it.
struct TextStart
{
    int m_nEncoding = 0;       // a SongListEncoding: by the mark, or UTF-16 found without one
    qsizetype m_nMarkSize = 0; // bytes of the mark, which are no text
    QByteArray m_charset;      // without a mark and not UTF-16: what GuessCharset chose
    // False when it is no text: NUL bytes outside UTF-16, a NUL character
    // in UTF-16, or, in the encoding it decodes best in, more than one
    // character in kMostOddPerChars that a text does not hold (control
    // characters other than white space, undecodable bytes).
    bool m_bText = true;
};

inline constexpr qsizetype kMostOddPerChars = 64;

// Examines `start`, the beginning of a file (all of it when `wholeFile`).
// UTF-16 without a mark is recognised by where its NUL bytes fall (an ASCII
// character's high byte) and then checked as UTF-16 text.
TextStart ExamineTextStart(QByteArrayView start, bool wholeFile);
