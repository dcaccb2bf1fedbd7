#include "platform/lone_surrogates.h"

qsizetype FindLoneSurrogate(QStringView text, qsizetype from)
{
    for (qsizetype i = qMax<qsizetype>(from, 0); i < text.size(); ++i) {
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
