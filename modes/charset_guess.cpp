#include "modes/charset_guess.h"

#include "modes/text_plausibility.h"

#include <QList>
#include <QStringDecoder>

#include <memory>
#include <uchardet/uchardet.h>

namespace {

const QByteArray kWestern = QByteArrayLiteral("windows-1252");
// The multi-byte sets, in the order that wins a tie: a Shift_JIS text may
// decode cleanly as CP949 or GBK, Korean cleanly as GBK, not the other way.
const QList<QByteArray> kEastAsian = {
    QByteArrayLiteral("Shift_JIS"), QByteArrayLiteral("windows-949"), QByteArrayLiteral("GB18030")};

bool IsUtf8(QByteArrayView sample, bool wholeText)
{
    // A sample cut off inside a character is still UTF-8; a whole text is not.
    QStringDecoder decoder(QStringConverter::Utf8, wholeText ? QStringConverter::Flag::Stateless
                                                             : QStringConverter::Flag::Default);
    const QString decoded = decoder.decode(sample); // decoding is lazy until assigned
    return !decoder.hasError();
}

QByteArray Detect(QByteArrayView sample)
{
    const std::unique_ptr<uchardet, decltype(&uchardet_delete)> detector(uchardet_new(),
                                                                         &uchardet_delete);
    if (!detector ||
        uchardet_handle_data(detector.get(), sample.data(), size_t(sample.size())) != 0)
        return {};
    uchardet_data_end(detector.get());
    return QByteArray(uchardet_get_charset(detector.get())).toUpper();
}

// The detector's name as QStringDecoder knows it, widened to the superset
// that the same system writes (ISO-8859-1 files come from Windows-1252
// editors, EUC-KR ones from CP949). Empty when there is nothing usable.
QByteArray DecoderName(const QByteArray& detected)
{
    if (detected.isEmpty() || detected == "ASCII" || detected.startsWith("UTF-"))
        return {};
    if (detected == "ISO-8859-1")
        return kWestern;
    if (detected == "UHC" || detected == "EUC-KR" || detected == "CP949")
        return kEastAsian[1];
    if (detected == "GB2312" || detected == "GBK" || detected == "GB18030")
        return kEastAsian[2];
    if (detected == "SHIFT_JIS")
        return kEastAsian[0];
    return QStringDecoder(detected.constData()).isValid() ? detected : QByteArray();
}

// Candidates in tie-breaking order. The detector's answer leads when it is one
// of the usual sets; another single-byte answer on a short Latin text is
// often a neighbour of Windows-1252 (Latin-10 for Latin-1), so that goes first.
QList<QByteArray> Candidates(const QByteArray& detected)
{
    QList<QByteArray> candidates{kWestern};
    candidates.append(kEastAsian);
    if (detected.isEmpty() || detected == kWestern)
        return candidates;
    const qsizetype known = candidates.indexOf(detected);
    if (known > 0)
        candidates.move(known, 0);
    else if (known < 0)
        candidates.insert(1, detected);
    return candidates;
}

int NonAsciiBytes(QByteArrayView bytes)
{
    int count = 0;
    for (const char c : bytes)
        count += static_cast<unsigned char>(c) >= 0x80 ? 1 : 0;
    return count;
}

} // namespace

QByteArray GuessCharset(QByteArrayView sample, bool wholeText)
{
    if (IsUtf8(sample, wholeText))
        return QByteArrayLiteral("UTF-8");
    const QByteArray detected = DecoderName(Detect(sample));
    QByteArray best;
    int bestScore = 0;
    for (const QByteArray& name : Candidates(detected)) {
        QStringDecoder decoder(name.constData());
        const QString text = decoder.decode(sample);
        // The end of a sample may cut a character in two; that is no error.
        if (!decoder.isValid() || decoder.hasError())
            continue;
        const int score = TextPlausibility(text);
        if (best.isEmpty() || score > bestScore) {
            best = name;
            bestScore = score;
        }
    }
    // Nothing decodes cleanly: take the detector's word, else the set that
    // maps every byte to something.
    if (best.isEmpty())
        best = detected.isEmpty() ? kWestern : detected;
    return best;
}

bool DecodeWholeText(QStringDecoder& decoder, QByteArrayView bytes, bool mayEndCut, QString& text)
{
    decoder.resetState(); // drops what a cut character of the text before left
    text = decoder.decode(bytes);
    // A decoder's errors stay set across texts; the replacement character
    // tells this text's own.
    if (text.contains(QChar::ReplacementCharacter))
        return false;
    if (mayEndCut)
        return true;
    // A line break after a character left open comes out behind a
    // replacement character.
    const QString end = decoder.decode(QByteArrayView("\n", 1));
    return end == u"\n";
}

QByteArray GuessCharsetOfTexts(const std::vector<CharsetSampleText>& texts)
{
    bool utf8 = true;
    QByteArray all;
    for (const CharsetSampleText& text : texts) {
        utf8 = utf8 && IsUtf8(text.m_bytes, !text.m_bMayEndCut);
        all.append(text.m_bytes).append('\n');
    }
    if (utf8 && !texts.empty())
        return QByteArrayLiteral("UTF-8");
    const QByteArray detected = DecoderName(Detect(all));
    QByteArray best;
    qint64 bestScore = 0;
    QString decoded;
    for (const QByteArray& name : Candidates(detected)) {
        QStringDecoder decoder(name.constData());
        if (!decoder.isValid())
            continue;
        qint64 score = 0;
        for (const CharsetSampleText& text : texts) {
            score += DecodeWholeText(decoder, text.m_bytes, text.m_bMayEndCut, decoded)
                         ? TextPlausibility(decoded)
                         : -3 * NonAsciiBytes(text.m_bytes);
        }
        if (best.isEmpty() || score > bestScore) {
            best = name;
            bestScore = score;
        }
    }
    return best.isEmpty() ? kWestern : best;
}
