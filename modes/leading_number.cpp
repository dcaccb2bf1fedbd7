#include "modes/leading_number.h"

namespace {

// The digits of the leading number without leading zeros (empty for none),
// and whether a minus sign stood before them.
QStringView LeadingDigits(QStringView text, bool& negative)
{
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    while (i < text.size() && text[i] == u'0')
        ++i;
    const qsizetype firstDigit = i;
    while (i < text.size() && text[i] >= u'0' && text[i] <= u'9')
        ++i;
    return text.sliced(firstDigit, i - firstDigit);
}

} // namespace

QString LeadingNumberKey(QStringView text)
{
    bool negative = false;
    const QStringView digits = LeadingDigits(text, negative);
    if (digits.isEmpty())
        return QStringLiteral("0");
    return negative ? QString(u'-' + digits.toString()) : digits.toString();
}

bool LeadingNumberValue(QStringView text, qint64& value)
{
    bool negative = false;
    const QStringView digits = LeadingDigits(text, negative);
    if (digits.size() > kLeadingNumberValueDigits)
        return false;
    qint64 magnitude = 0;
    for (const QChar digit : digits)
        magnitude = magnitude * 10 + (digit.unicode() - u'0');
    value = negative ? -magnitude : magnitude;
    return true;
}
