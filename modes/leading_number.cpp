#include "modes/leading_number.h"

QString LeadingNumberKey(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    while (i < text.size() && text[i] == u'0')
        ++i;
    const qsizetype firstDigit = i;
    while (i < text.size() && text[i] >= u'0' && text[i] <= u'9')
        ++i;
    if (i == firstDigit)
        return QStringLiteral("0");
    const QStringView digits = text.sliced(firstDigit, i - firstDigit);
    return negative ? QString(u'-' + digits.toString()) : digits.toString();
}
