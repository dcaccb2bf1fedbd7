#pragma once

#include <QString>
#include <QStringView>

// A UTF-16 code unit from U+D800 to U+DFFF that is not half of a pair holds
// no character: text decoded without checks, or a file name that is not
// UTF-8 (see DecodeFileName), can carry them.

// The index of the first such unit of `text` at `from` or after, or -1.
qsizetype FindLoneSurrogate(QStringView text, qsizetype from = 0);

inline bool HoldsLoneSurrogate(QStringView text)
{
    return FindLoneSurrogate(text) >= 0;
}

// Each such unit of `text` becomes U+FFFD.
void ReplaceLoneSurrogates(QString& text);
