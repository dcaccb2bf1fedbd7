#include "modes/text_plausibility.h"

namespace {

enum class Kind
{
    Ascii,
    Neutral,  // punctuation and spaces at home in any script
    Odd,      // what a wrong character set produces
    Alphabet, // Latin with marks, Greek, Cyrillic
    Han,
    Kana,
    Hangul,
};

Kind KindOf(char32_t c)
{
    if (c < 0x80)
        return Kind::Ascii;
    if (c < 0xA0 || c == 0xFFFD || (c >= 0xE000 && c <= 0xF8FF))
        return Kind::Odd; // C1 controls, replacement, private use
    if (c <= 0xBF) {
        // Latin-1 symbols: the few that titles use are neutral, the rest are
        // typical of CJK bytes read one by one.
        switch (c) {
        case 0xA0:
        case 0xA1:
        case 0xA9:
        case 0xAB:
        case 0xAE:
        case 0xB0:
        case 0xB4:
        case 0xB7:
        case 0xBB:
        case 0xBF:
            return Kind::Neutral;
        default:
            return Kind::Odd;
        }
    }
    if (c == 0xD7 || c == 0xF7)
        return Kind::Odd;
    if (c <= 0x24F || (c >= 0x370 && c <= 0x4FF) || (c >= 0x1E00 && c <= 0x1EFF))
        return Kind::Alphabet;
    if ((c >= 0x2010 && c <= 0x2027) || (c >= 0x3000 && c <= 0x303F) ||
        (c >= 0xFF01 && c <= 0xFF5E))
        return Kind::Neutral;
    if (c >= 0x3040 && c <= 0x30FF)
        return Kind::Kana;
    if ((c >= 0x4E00 && c <= 0x9FFF) || (c >= 0x3400 && c <= 0x4DBF) || c >= 0x20000)
        return Kind::Han;
    if (c >= 0xAC00 && c <= 0xD7A3)
        return Kind::Hangul;
    if ((c >= 0xFF61 && c <= 0xFF9F) || (c >= 0x3130 && c <= 0x318F) ||
        (c >= 0x2500 && c <= 0x259F))
        return Kind::Odd; // half-width katakana, loose jamo, box drawing
    return Kind::Neutral;
}

bool IsCjk(Kind kind)
{
    return kind == Kind::Han || kind == Kind::Kana || kind == Kind::Hangul;
}

bool IsAsciiLetter(char32_t c)
{
    return (c | 0x20) >= 'a' && (c | 0x20) <= 'z';
}

// Penalty for `c` standing right after `previous`.
int Clash(char32_t previous, Kind previousKind, char32_t c, Kind kind)
{
    if ((kind == Kind::Hangul && previousKind == Kind::Han) ||
        (kind == Kind::Han && previousKind == Kind::Hangul))
        return 3;
    if ((IsCjk(kind) && IsAsciiLetter(previous)) || (IsCjk(previousKind) && IsAsciiLetter(c)))
        return 2;
    // "aB" inside a word where either letter is not ASCII.
    const bool letters = (kind == Kind::Alphabet || previousKind == Kind::Alphabet) &&
                         QChar::isLower(previous) && QChar::isUpper(c);
    return letters ? 3 : 0;
}

} // namespace

int TextPlausibility(QStringView text)
{
    int score = 0;
    char32_t previous = ' ';
    Kind previousKind = Kind::Ascii;
    int latinRun = 0; // non-ASCII Latin letters in a row
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text[i], text[i + 1]);
            ++i;
        }
        const Kind kind = KindOf(c);
        switch (kind) {
        case Kind::Odd:
            score -= 3;
            break;
        case Kind::Alphabet:
            score += 1;
            break;
        case Kind::Han:
        case Kind::Hangul:
            score += 2;
            break;
        case Kind::Kana:
            score += 3;
            break;
        default:
            break;
        }
        score -= Clash(previous, previousKind, c, kind);
        // Three marked Latin letters in a row are rare in real words and
        // common in two-byte text read byte by byte.
        latinRun = kind == Kind::Alphabet && c <= 0x24F ? latinRun + 1 : 0;
        if (latinRun >= 3)
            score -= 2;
        previous = c;
        previousKind = kind;
    }
    return score;
}
