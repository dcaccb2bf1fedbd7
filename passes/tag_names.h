#pragma once

#include "modes/tag_charset.h"
#include "modes/tag_format.h"
#include "passes/job_request.h"
#include "platform/packed_texts.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

// The new base names of a run in tag mode, in two steps. Read goes over all
// rows first: each file's tags are read, and what the format needs of them
// is kept packed (a few dozen bytes a row, so a folder of a million files
// stays small), while their texts stored as Latin-1 have their say in the
// run's one character set. NameOf then decodes and fills one row at a time.
//
// A row of a listing that was not read (the operator listed another folder
// meanwhile) is read when it is named, and decoded with the set chosen for
// the run.
class CTagNames
{
public:
    explicit CTagNames(const QString& format);

    const CTagFormat& Format() const { return m_format; }

    // Called after each row read, with the row and the count; false stops
    // the reading.
    using AfterRow = std::function<bool(unsigned row, unsigned count)>;
    // Reads the tags of every row of `listing`; false when `afterRow` stopped
    // it. An invalid format reads nothing: every row gets its error.
    bool Read(const JobListing& listing, const AfterRow& afterRow);

    // The format filled from the tags of `row` of `listing`: true with the
    // new base name (the listed extension is the caller's to add), false with
    // the sentence why the row gets no name. `fieldTexts`, when given, gets
    // CTagFormat::FieldTexts of the row.
    [[nodiscard]] bool NameOf(const JobListing& listing, unsigned row, QString& baseName,
                              QString& reason, QStringList* fieldTexts = nullptr);

private:
    SongTags TagsOf(const JobListing& listing, unsigned row);
    bool IsReadListing(const JobListing& listing) const;

    CTagFormat m_format;
    CTagCharset m_charset;
    // The listing that Read went over, and each of its rows packed.
    std::shared_ptr<const CListedFiles> m_pReadFiles;
    QString m_strReadFolder;
    CPackedTexts m_rows;
};
