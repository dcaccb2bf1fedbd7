#include "modes/tag_charset.h"

#include "modes/charset_guess.h"

void CTagCharset::Add(const SongTags& tags)
{
    for (const SongTagText& text : tags.m_fields) {
        if (text.m_state == TagTextState::Latin1)
            Add(text.m_raw, text.m_bMayEndCut);
    }
}

void CTagCharset::Add(QByteArrayView raw, bool mayEndCut)
{
    // An album's name and its artist come once per song; each distinct text
    // has one say.
    if (m_bDecided || m_nSampleBytes >= kSampleBytes || raw.isEmpty())
        return;
    QByteArray bytes = raw.toByteArray();
    if (m_seen.contains(bytes))
        return;
    m_seen.insert(bytes);
    m_nSampleBytes += bytes.size();
    m_samples.push_back(std::move(bytes));
    m_sampleMayEndCut.push_back(mayEndCut);
}

QByteArray CTagCharset::Decide()
{
    if (m_bDecided)
        return m_charset;
    m_bDecided = true;
    if (m_samples.empty())
        return m_charset;
    std::vector<CharsetSampleText> texts;
    texts.reserve(m_samples.size());
    for (std::size_t i = 0; i < m_samples.size(); ++i)
        texts.push_back({m_samples[i], m_sampleMayEndCut[i]});
    m_charset = GuessCharsetOfTexts(texts);
    m_seen.clear();
    m_samples.clear();
    m_sampleMayEndCut.clear();
    return m_charset;
}

bool CTagCharset::Decode(QByteArrayView raw, bool mayEndCut, QString& text)
{
    if (!m_bDecided)
        Decide();
    if (!m_decoder) {
        // A text that came after the decision, in a run that had none before.
        if (m_charset.isEmpty())
            m_charset = GuessCharsetOfTexts({{raw, mayEndCut}});
        m_decoder.emplace(m_charset.constData());
    }
    return m_decoder->isValid() && DecodeWholeText(*m_decoder, raw, mayEndCut, text);
}

void CTagCharset::Decode(SongTags& tags)
{
    for (SongTagText& text : tags.m_fields) {
        if (text.m_state != TagTextState::Latin1)
            continue;
        QString decoded;
        if (!Decode(text.m_raw, text.m_bMayEndCut, decoded)) {
            text.m_state = TagTextState::Undecodable;
            continue;
        }
        text.m_strText = decoded.trimmed();
        text.m_state = text.m_strText.isEmpty() ? TagTextState::Missing : TagTextState::Text;
        text.m_raw.clear();
    }
}

QByteArray DecodeRunTags(std::vector<SongTags>& files)
{
    CTagCharset charset;
    for (const SongTags& tags : files)
        charset.Add(tags);
    QByteArray chosen = charset.Decide();
    for (SongTags& tags : files)
        charset.Decode(tags);
    return chosen;
}
