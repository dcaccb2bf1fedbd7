#include "platform/file_name_codec.h"

#include "platform/lone_surrogates.h"

#include <algorithm>

namespace {

constexpr char16_t kEscapeBase = 0xDC00;
constexpr char16_t kReplacement = 0xFFFD;

bool IsEscapedByte(char16_t unit)
{
    return unit >= 0xDC80 && unit <= 0xDCFF;
}

// Length of the valid UTF-8 sequence at bytes[i], or 0 when the byte there
// does not start one (overlong forms, surrogates and values above U+10FFFF
// are not valid).
int ValidSequenceLength(const QByteArray& bytes, qsizetype i, char32_t& codePoint)
{
    const auto at = [&](qsizetype k) { return static_cast<unsigned char>(bytes[k]); };
    const unsigned char lead = at(i);
    int length = 0;
    char32_t value = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        codePoint = lead;
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, value = lead & 0x1F, minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, value = lead & 0x0F, minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, value = lead & 0x07, minimum = 0x10000;
    } else {
        return 0;
    }
    if (i + length > bytes.size())
        return 0;
    for (int k = 1; k < length; ++k) {
        const unsigned char next = at(i + k);
        if ((next & 0xC0) != 0x80)
            return 0;
        value = (value << 6) | (next & 0x3F);
    }
    if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return 0;
    codePoint = value;
    return length;
}

} // namespace

QString DecodeFileName(const QByteArray& bytes)
{
    // An ASCII name is its own decoding: one block, as EncodeFileName does.
    if (std::all_of(bytes.cbegin(), bytes.cend(),
                    [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        return QString::fromLatin1(bytes);
    QString name;
    name.reserve(bytes.size());
    for (qsizetype i = 0; i < bytes.size();) {
        char32_t codePoint = 0;
        const int length = ValidSequenceLength(bytes, i, codePoint);
        if (length == 0) {
            name.append(
                QChar(static_cast<char16_t>(kEscapeBase + static_cast<unsigned char>(bytes[i]))));
            ++i;
            continue;
        }
        if (codePoint >= 0x10000) {
            name.append(QChar(QChar::highSurrogate(codePoint)));
            name.append(QChar(QChar::lowSurrogate(codePoint)));
        } else {
            name.append(QChar(static_cast<char16_t>(codePoint)));
        }
        i += length;
    }
    return name;
}

QByteArray EncodeFileName(const QString& name)
{
    // Most names are ASCII, and every copy encodes two paths: those go in one
    // block instead of byte by byte.
    if (std::all_of(name.cbegin(), name.cend(), [](QChar c) { return c.unicode() < 0x80; }))
        return name.toLatin1();
    QByteArray bytes;
    bytes.reserve(name.size() + name.size() / 2);
    const auto appendUtf8 = [&bytes](char32_t c) {
        if (c < 0x80) {
            bytes.append(static_cast<char>(c));
        } else if (c < 0x800) {
            bytes.append(static_cast<char>(0xC0 | (c >> 6)));
            bytes.append(static_cast<char>(0x80 | (c & 0x3F)));
        } else if (c < 0x10000) {
            bytes.append(static_cast<char>(0xE0 | (c >> 12)));
            bytes.append(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            bytes.append(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            bytes.append(static_cast<char>(0xF0 | (c >> 18)));
            bytes.append(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
            bytes.append(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            bytes.append(static_cast<char>(0x80 | (c & 0x3F)));
        }
    };
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t unit = name[i].unicode();
        if (QChar::isHighSurrogate(unit) && i + 1 < name.size() &&
            QChar::isLowSurrogate(name[i + 1].unicode())) {
            appendUtf8(QChar::surrogateToUcs4(unit, name[i + 1].unicode()));
            ++i;
        } else if (IsEscapedByte(unit)) {
            bytes.append(static_cast<char>(unit - kEscapeBase));
        } else if (QChar::isSurrogate(unit)) {
            appendUtf8(kReplacement);
        } else {
            appendUtf8(unit);
        }
    }
    return bytes;
}

QString ReadableFileName(const QString& name)
{
    QString readable = name;
    ReplaceLoneSurrogates(readable);
    return readable;
}
