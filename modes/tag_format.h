#pragma once

#include "modes/song_tags.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <vector>

// The format of the tag naming mode, such as "{title}-{artist}": text
// outside braces is kept as it stands, and each brace names a tag field:
// {title} {artist} {album} {albumartist} {track} {disc} {year} {genre}.
// {track} and {disc} give the number part of what is stored ("3" of "3/12",
// since the total is no part of the track's number and "/" no part of a
// name); {track:2} (any width up to 255, {disc:2} too) pads that number with
// zeros to the width ("03"). {year} gives the year of a stored date ("2019"
// of "2019-06-12"). A number or year that does not start with a digit is
// taken as it stands.
//
// Parsed once per run, filled once per file.
class CTagFormat
{
    Q_DECLARE_TR_FUNCTIONS(CTagFormat)

public:
    static QString DefaultFormat(); // "{title}-{artist}"

    explicit CTagFormat(const QString& format = DefaultFormat());

    const QString& Format() const { return m_strFormat; }
    // Empty when the format can be used; else a sentence for the operator
    // (a brace that names no field, one that is never closed, an empty
    // format), to show under the edit and instead of running.
    const QString& Error() const { return m_strError; }
    bool IsValid() const { return m_strError.isEmpty(); }
    // The fields the format names: what ReadSongTags needs to keep.
    TagFieldMask Fields() const { return m_nFields; }

    // The format filled from the file's tags, once decoded (see
    // CTagCharset): true with the new base name in `baseName` (the caller
    // adds the listed name's extension, then cleans, shortens and numbers it
    // as in the other modes). False with the sentence why the file gets no
    // new name in `reason`: "It is not an audio file tamro can read.", "It
    // has no tags.", "Its tags have no artist.", "The title in its tags
    // cannot be decoded.", or why it could not be read.
    [[nodiscard]] bool Fill(const SongTags& tags, QString& baseName, QString& reason) const;

    // What the format puts in for each field it names, from the file's
    // decoded tags: one text per field of Fields(), in the order of TagField,
    // with the width of the field's first brace; a null text where the tags
    // lack the field or it does not decode.
    QStringList FieldTexts(const SongTags& tags) const;

    // What the format puts in for `field` whose stored text is `text`, with
    // the width of {track:N} (0: none).
    static QString FieldText(TagField field, const QString& text, int width = 0);

private:
    struct Part
    {
        QString m_strText; // the literal text, when not a field
        bool m_bField = false;
        TagField m_field = TagField::Title;
        int m_nWidth = 0;
    };

    QString Parse();

    QString m_strFormat;
    QString m_strError;
    std::vector<Part> m_parts;
    TagFieldMask m_nFields = 0;
};
