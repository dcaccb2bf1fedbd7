#include "passes/natural_order.h"

#include <array>

namespace {

bool IsDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

// The units of a text as they stand.
struct PlainUnits
{
    QStringView text;
    qsizetype size() const { return text.size(); }
    char16_t operator[](qsizetype i) const { return text[i].unicode(); }
};

// The units of a Latin-1 text's key (see NaturalSortKey), read off a table.
struct FoldedLatin1Units
{
    QLatin1StringView text;
    qsizetype size() const { return text.size(); }
    char16_t operator[](qsizetype i) const
    {
        static const std::array<char16_t, 256> kFolded = [] {
            std::array<char16_t, 256> folded{};
            for (char32_t c = 0; c < 256; ++c)
                folded[c] = char16_t(QChar::toCaseFolded(c)); // µ leaves Latin-1
            return folded;
        }();
        return kFolded[static_cast<unsigned char>(text[i].toLatin1())];
    }
};

// The units of a UTF-16 text's key: the case is folded per character, so
// a pair of surrogates folds as the one character it makes. A lone
// surrogate (the escape of a byte that is not UTF-8) stays as it is.
struct FoldedUtf16Units
{
    QStringView text;
    qsizetype size() const { return text.size(); }
    char16_t operator[](qsizetype i) const
    {
        const char16_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            return QChar::highSurrogate(
                QChar::toCaseFolded(QChar::surrogateToUcs4(c, text[i + 1].unicode())));
        if (QChar::isLowSurrogate(c) && i > 0 && text[i - 1].isHighSurrogate())
            return QChar::lowSurrogate(
                QChar::toCaseFolded(QChar::surrogateToUcs4(text[i - 1].unicode(), c)));
        return char16_t(QChar::toCaseFolded(char32_t(c)));
    }
};

template <typename A, typename B> int CompareNaturally(const A& a, const B& b)
{
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        if (IsDigit(a[i]) && IsDigit(b[j])) {
            // Skip leading zeros, then the longer run is the larger number;
            // runs of the same length compare digit by digit.
            while (i < a.size() && a[i] == u'0')
                ++i;
            while (j < b.size() && b[j] == u'0')
                ++j;
            qsizetype endA = i;
            qsizetype endB = j;
            while (endA < a.size() && IsDigit(a[endA]))
                ++endA;
            while (endB < b.size() && IsDigit(b[endB]))
                ++endB;
            if (endA - i != endB - j)
                return endA - i < endB - j ? -1 : 1;
            for (; i < endA; ++i, ++j) {
                if (a[i] != b[j])
                    return a[i] < b[j] ? -1 : 1;
            }
            continue;
        }
        if (a[i] != b[j])
            return a[i] < b[j] ? -1 : 1;
        ++i;
        ++j;
    }
    if (i < a.size())
        return 1;
    if (j < b.size())
        return -1;
    return 0;
}

FoldedLatin1Units Folded(QLatin1StringView text)
{
    return {text};
}

FoldedUtf16Units Folded(QStringView text)
{
    return {text};
}

// Unit by unit, as QString's operator< compares.
template <typename A, typename B> bool PlainlyBefore(const A& a, const B& b)
{
    const qsizetype common = qMin(a.size(), b.size());
    for (qsizetype i = 0; i < common; ++i) {
        const char16_t x = a[i].unicode();
        const char16_t y = b[i].unicode();
        if (x != y)
            return x < y;
    }
    return a.size() < b.size();
}

// The bits of an order key, filled from the top; what does not fit is left
// out, so the key is the first bits of the whole encoding.
class CKeyBits
{
public:
    // False once the key is full.
    bool Put(std::uint64_t value, int bits)
    {
        if (bits >= m_nFree) {
            m_nKey |= static_cast<unsigned __int128>(value) >> (bits - m_nFree);
            m_nFree = 0;
            return false;
        }
        m_nFree -= bits;
        m_nKey |= static_cast<unsigned __int128>(value) << m_nFree;
        return true;
    }
    NaturalOrderKeyBits Key() const { return {std::uint64_t(m_nKey >> 32), std::uint32_t(m_nKey)}; }

private:
    unsigned __int128 m_nKey = 0;
    int m_nFree = 96;
};

// Encodes the units of a key (see NaturalSortKey) so that the encodings
// compare bit by bit as CompareNaturally compares the units:
//  - a unit below 0x80 in 8 bits (its first bit 0), any other unit as a 1
//    and its 16 bits;
//  - a run of digits as the unit '0' (no other unit can stand there, and
//    it orders the run against the units around it as its first digit
//    would), then the count of its digits after leading zeros in 5 bits,
//    then each of those digits in 4 bits. A run of 31 digits or more is
//    counted as 31 and ends the key: two such names tie and are compared
//    whole.
// The end of a name leaves zeros, which is less than any unit of a name
// (no name holds U+0000).
template <typename Units> NaturalOrderKeyBits OrderKeyOf(const Units& units)
{
    constexpr qsizetype kLongRun = 31;
    CKeyBits key;
    for (qsizetype i = 0; i < units.size();) {
        const char16_t c = units[i];
        if (!IsDigit(c)) {
            if (!(c < 0x80 ? key.Put(c, 8) : key.Put(0x10000u | c, 17)))
                break;
            ++i;
            continue;
        }
        while (i < units.size() && units[i] == u'0')
            ++i;
        qsizetype end = i;
        while (end < units.size() && IsDigit(units[end]))
            ++end;
        if (!key.Put(u'0', 8))
            break;
        if (end - i >= kLongRun) {
            key.Put(kLongRun, 5);
            break;
        }
        bool room = key.Put(std::uint64_t(end - i), 5);
        for (; room && i < end; ++i)
            room = key.Put(std::uint64_t(units[i] - u'0'), 4);
        if (!room)
            break;
    }
    return key.Key();
}

} // namespace

QString NaturalSortKey(QStringView name)
{
    return name.toString().toCaseFolded();
}

int NaturalCompare(QStringView a, QStringView b)
{
    return CompareNaturally(PlainUnits{a}, PlainUnits{b});
}

bool NaturallyBefore(const PackedTextView& a, const PackedTextView& b)
{
    return std::visit(
        [](const auto& x, const auto& y) {
            if (const int byKey = CompareNaturally(Folded(x), Folded(y)))
                return byKey < 0;
            return PlainlyBefore(x, y);
        },
        a, b);
}

NaturalOrderKeyBits NaturalOrderKey(const PackedTextView& name)
{
    return std::visit([](const auto& text) { return OrderKeyOf(Folded(text)); }, name);
}
