#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>

// The tag fields the tag naming mode can put into a name.
enum class TagField : std::uint8_t
{
    Title,
    Artist,
    Album,
    AlbumArtist,
    Track, // as stored: "3", "03" or "3/12"
    Disc,  // as stored: "1" or "1/2"
    Year,  // as stored: "1999" or a date such as "2019-06-12"
    Genre,
};
inline constexpr int kTagFieldCount = 8;

// A set of tag fields, one bit per TagField.
using TagFieldMask = std::uint32_t;
inline constexpr TagFieldMask kAllTagFields = (1u << kTagFieldCount) - 1;
constexpr TagFieldMask TagFieldBit(TagField field)
{
    return 1u << static_cast<int>(field);
}

// The field's word in a format ("albumartist") and in a sentence ("album
// artist").
QString TagFieldKey(TagField field);
QString TagFieldWords(TagField field);

enum class TagTextState : std::uint8_t
{
    Missing,     // no tag of the file holds the field, or only blanks
    Text,        // m_strText is the text
    Latin1,      // stored as Latin-1 and not ASCII: m_raw waits for the run's character set
    Undecodable, // stored as Latin-1, and the run's character set does not decode m_raw
};

struct SongTagText
{
    QString m_strText; // Text: the text, trimmed; empty otherwise
    QByteArray m_raw;  // Latin1 and Undecodable: the bytes as stored
    TagTextState m_state = TagTextState::Missing;
    // Latin1 only: the bytes filled a fixed-size field (ID3v1 keeps 30 bytes),
    // so their last character may have been cut in two.
    bool m_bMayEndCut = false;
};

enum class TagReadStatus : std::uint8_t
{
    Read,       // an audio file with at least one of the fields in its tags
    NoTags,     // an audio file whose tags hold none of the fields, or no tags at all
    NotAudio,   // no audio file of a kind tamro reads (whatever its name says)
    Unreadable, // opening or reading failed: m_nErrno says why
};

// What the tags of one file say, as read from it.
struct SongTags
{
    TagReadStatus m_status = TagReadStatus::NotAudio;
    int m_nErrno = 0;
    std::array<SongTagText, kTagFieldCount> m_fields;

    SongTagText& Field(TagField field) { return m_fields[static_cast<std::size_t>(field)]; }
    const SongTagText& Field(TagField field) const
    {
        return m_fields[static_cast<std::size_t>(field)];
    }
};
