#include "platform/lone_surrogates.h"

#include <algorithm>

qsizetype FindLoneSurrogate(QStringView text, qsizetype from)
{
    from = qMax<qsizetype>(from, 0);
    // Most texts hold no surrogate at all: one quick pass over the units
    // says so without looking at pairs.
    const auto isSurrogate = [](QChar c) { return (c.unicode() & 0xF800) == 0xD800; };
    const auto* const first =
        std::find_if(text.begin() + qMin(from, text.size()), text.end(), isSurrogate);
    if (first == text.end())
        return -1;
    for (qsizetype i = first - text.begin(); i < text.size(); ++i) {
        const char16_t unit = text[i].unicode();
        if (QChar::isHighSurrogate(unit) && i + 1 < text.size() &&
            QChar::isLowSurrogate(text[i + 1].unicode()))
            ++i;
        else if (QChar::isSurrogate(unit))
            return i;
    }
    return -1;
}

void ReplaceLoneSurrogates(QString& text)
{
    for (qsizetype i = FindLoneSurrogate(text); i >= 0; i = FindLoneSurrogate(text, i + 1))
        text[i] = QChar::ReplacementCharacter;
}
