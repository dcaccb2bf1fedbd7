// The leading number of a file name or a song-list line, as key and value.
#include "fuzz/fuzz_support.h"
#include "modes/leading_number.h"

#include <cerrno>
#include <cstdlib>

namespace {

// "0", or an optional minus, a digit other than 0, then digits.
bool IsCanonical(const QString& key)
{
    if (key == u"0"_qs)
        return true;
    const qsizetype first = key.startsWith(u'-') ? 1 : 0;
    if (key.size() <= first || key.at(first) == u'0')
        return false;
    for (qsizetype i = first; i < key.size(); ++i) {
        if (key.at(i) < u'0' || key.at(i) > u'9')
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    // Half the inputs as UTF-8 text, half as any UTF-16.
    const QString text = data[0] % 2 ? QString::fromUtf8(FuzzBytes(data + 1, size - 1))
                                     : FuzzUtf16(data + 1, size - 1);
    const QString key = LeadingNumberKey(text);
    FUZZ_CHECK(IsCanonical(key));
    FUZZ_CHECK(LeadingNumberKey(key) == key);
    // What follows the number does not count.
    FUZZ_CHECK(LeadingNumberKey(key + u'x' + text) == key);

    qint64 value = 0;
    const bool fits = LeadingNumberValue(text, value);
    const qsizetype digits = key.size() - (key.startsWith(u'-') ? 1 : 0);
    FUZZ_CHECK(fits == (digits <= kLeadingNumberValueDigits));
    if (fits)
        FUZZ_CHECK(QString::number(value) == key);

    // An ASCII text reads as C's strtoll reads it, within its range.
    bool ascii = true;
    for (const QChar c : text)
        ascii = ascii && c.unicode() > 0 && c.unicode() < 0x80;
    if (ascii && fits) {
        const QByteArray bytes = text.toLatin1();
        errno = 0;
        const long long c = std::strtoll(bytes.constData(), nullptr, 10);
        if (errno == 0)
            FUZZ_CHECK(c == value);
    }
    return 0;
}
