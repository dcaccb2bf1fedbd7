#include "passes/tag_names.h"

#include "modes/tag_reader.h"
#include "output/names.h"

#include <QStringView>

#include <algorithm>

namespace {

constexpr char16_t kMayEndCut = 0x10; // beside the state, in a field's first character

// What the format needs of a file's tags as one packed text: the read status
// and its errno, then for each of `fields` its state and, unless missing, its
// length in two characters and its characters, bytes waiting for their
// character set one to a character. A row of short Western texts stays in
// Latin-1, which the packed store keeps at a byte a character.
QString PackTags(const SongTags& tags, TagFieldMask fields)
{
    QString packed;
    packed.append(QChar(char16_t(tags.m_status)));
    packed.append(QChar(char16_t(std::clamp(tags.m_nErrno, 0, 0xFFFF))));
    for (int f = 0; f < kTagFieldCount; ++f) {
        if (!(fields & TagFieldBit(TagField(f))))
            continue;
        const SongTagText& text = tags.m_fields[std::size_t(f)];
        packed.append(
            QChar(char16_t(char16_t(text.m_state) | (text.m_bMayEndCut ? kMayEndCut : 0))));
        if (text.m_state == TagTextState::Missing)
            continue;
        const QString chars =
            text.m_state == TagTextState::Text ? text.m_strText : QString::fromLatin1(text.m_raw);
        const auto size = std::uint32_t(chars.size());
        packed.append(QChar(char16_t(size & 0xFFFF)));
        packed.append(QChar(char16_t(size >> 16)));
        packed.append(chars);
    }
    return packed;
}

SongTags UnpackTags(QStringView packed, TagFieldMask fields)
{
    SongTags tags;
    qsizetype at = 0;
    const auto next = [&packed, &at] { return packed[at++].unicode(); };
    tags.m_status = TagReadStatus(next());
    tags.m_nErrno = next();
    for (int f = 0; f < kTagFieldCount; ++f) {
        if (!(fields & TagFieldBit(TagField(f))))
            continue;
        SongTagText& text = tags.m_fields[std::size_t(f)];
        const char16_t state = next();
        text.m_state = TagTextState(state & ~kMayEndCut);
        text.m_bMayEndCut = (state & kMayEndCut) != 0;
        if (text.m_state == TagTextState::Missing)
            continue;
        const std::uint32_t low = next();
        const std::uint32_t high = next();
        const QStringView chars = packed.sliced(at, qsizetype(low | (high << 16)));
        at += chars.size();
        if (text.m_state == TagTextState::Text)
            text.m_strText = chars.toString();
        else
            text.m_raw = chars.toLatin1();
    }
    return tags;
}

} // namespace

CTagNames::CTagNames(const QString& format) : m_format(format) {}

bool CTagNames::Read(const JobListing& listing, const AfterRow& afterRow)
{
    m_pReadFiles = listing.m_pFiles;
    m_strReadFolder = listing.m_strCurrentFolder;
    m_rows.Clear();
    if (!m_format.IsValid())
        return true;
    const unsigned count = listing.Count();
    m_rows.Reserve(count);
    for (unsigned row = 0; row < count; ++row) {
        const SongTags tags = ReadSongTags(
            FileInFolder(listing.m_strCurrentFolder, listing.Name(row)), m_format.Fields());
        m_charset.Add(tags);
        m_rows.Append(PackTags(tags, m_format.Fields()));
        if (afterRow && !afterRow(row, count))
            return false;
    }
    (void)m_charset.Decide();
    return true;
}

bool CTagNames::IsReadListing(const JobListing& listing) const
{
    return m_pReadFiles && listing.m_pFiles == m_pReadFiles &&
           listing.m_strCurrentFolder == m_strReadFolder;
}

SongTags CTagNames::TagsOf(const JobListing& listing, unsigned row)
{
    if (IsReadListing(listing) && row < m_rows.Size())
        return UnpackTags(m_rows.At(row), m_format.Fields());
    return ReadSongTags(FileInFolder(listing.m_strCurrentFolder, listing.Name(row)),
                        m_format.Fields());
}

bool CTagNames::NameOf(const JobListing& listing, unsigned row, QString& baseName, QString& reason,
                       QStringList* fieldTexts)
{
    if (fieldTexts)
        fieldTexts->clear();
    if (!m_format.IsValid()) {
        baseName.clear();
        reason = m_format.Error();
        return false;
    }
    SongTags tags = TagsOf(listing, row);
    m_charset.Decode(tags);
    if (fieldTexts)
        *fieldTexts = m_format.FieldTexts(tags);
    return m_format.Fill(tags, baseName, reason);
}
