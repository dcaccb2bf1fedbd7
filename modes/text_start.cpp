#include "modes/text_start.h"

#include "modes/charset_guess.h"
#include "modes/song_list_lines.h"
#include "modes/song_list_reader.h"

#include <QStringDecoder>

#include <algorithm>

namespace {

// White space, and the end-of-file mark old DOS editors leave.
bool IsTextControl(char16_t c)
{
    return c == u'\t' || c == u'\n' || c == u'\v' || c == u'\f' || c == u'\r' || c == 0x1A;
}

// Characters no song list holds: other controls, and what a decoder puts for
// bytes it cannot decode. A lone surrogate is left to the reader, which
// replaces it.
bool IsOdd(char16_t c)
{
    if (c < 0x20)
        return !IsTextControl(c);
    return c == 0x7F || (c >= 0x80 && c <= 0x9F) || c == 0xFFFD;
}

bool LooksLikeText(QStringView text)
{
    qsizetype odd = 0;
    for (const QChar c : text) {
        if (c.unicode() == 0)
            return false;
        odd += IsOdd(c.unicode()) ? 1 : 0;
    }
    return odd * kMostOddPerChars <= text.size();
}

bool DecodesAsText(QStringDecoder decoder, QByteArrayView bytes)
{
    // A character cut by the end of the sample waits in the decoder's state
    // and counts for nothing.
    const QString text = decoder.decode(bytes);
    return decoder.isValid() && LooksLikeText(text);
}

// The byte order of UTF-16 text without a mark, or ENCODING_NO_MARK when
// the NULs do not look like one: ASCII characters have a zero high byte
// (the second of the pair in little-endian), so in such a text many NULs
// stand at one parity and few at the other.
int Utf16OrderOfNuls(QByteArrayView bytes)
{
    qsizetype even = 0;
    qsizetype odd = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\0')
            ++(i % 2 == 0 ? even : odd);
    }
    const qsizetype units = bytes.size() / 2;
    const qsizetype high = std::max(even, odd);
    const qsizetype low = std::min(even, odd);
    if (high * 8 < units || low * 4 > high)
        return ENCODING_NO_MARK;
    return odd > even ? ENCODING_UTF16LE : ENCODING_UTF16BE;
}

// UTF-16 text whose lines end as UTF-16 line feeds: a 0x0A byte that is no
// U+000A in this order means the bytes are something else.
bool DecodesAsUtf16Text(int encoding, QByteArrayView bytes)
{
    QStringDecoder decoder(encoding == ENCODING_UTF16LE ? QStringConverter::Utf16LE
                                                        : QStringConverter::Utf16BE);
    const QString text = decoder.decode(bytes);
    return LooksLikeText(text) && (text.contains(u'\n') || !bytes.contains('\n'));
}

} // namespace

TextStart ExamineTextStart(QByteArrayView start, bool wholeFile)
{
    TextStart result;
    result.m_nEncoding = EncodingOfMark(start);
    switch (result.m_nEncoding) {
    case ENCODING_UTF16LE:
    case ENCODING_UTF16BE:
        result.m_nMarkSize = 2;
        result.m_bText = DecodesAsText(QStringDecoder(result.m_nEncoding == ENCODING_UTF16LE
                                                          ? QStringConverter::Utf16LE
                                                          : QStringConverter::Utf16BE),
                                       start.sliced(2));
        return result;
    case ENCODING_UTF8:
        result.m_nMarkSize = start.startsWith("\xEF\xBB\xBF") ? 3 : 0;
        break;
    default:
        break;
    }
    const QByteArrayView text = start.sliced(result.m_nMarkSize);
    if (text.contains('\0')) {
        if (result.m_nEncoding != ENCODING_NO_MARK) {
            result.m_bText = false;
            return result;
        }
        result.m_nEncoding = Utf16OrderOfNuls(text);
        result.m_bText =
            result.m_nEncoding != ENCODING_NO_MARK && DecodesAsUtf16Text(result.m_nEncoding, text);
        return result;
    }
    if (result.m_nEncoding == ENCODING_UTF8) {
        result.m_bText = DecodesAsText(QStringDecoder(QStringConverter::Utf8), text);
        return result;
    }
    result.m_charset = GuessCharset(text, wholeFile);
    result.m_bText = DecodesAsText(QStringDecoder(result.m_charset.constData()), text);
    return result;
}
