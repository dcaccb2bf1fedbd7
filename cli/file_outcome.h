#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

// What became of one listed file, as the command line reports it.
struct FileOutcome
{
    enum Status
    {
        Skipped, // no new name, or a cancelled run never reached it
        Planned, // a preview: it would be copied
        Copied,
        Failed,
    };

    QString m_strName; // listed name, exact (see DecodeFileName)
    std::int64_t m_nSize = 0;
    QString m_strNewName;   // the "Rename" text; empty when none
    QString m_strFinalName; // the name it got (or would get) in the output folder
    Status m_status = Skipped;
    QString m_strReason;
    QStringList m_flags; // "numbered", "cleaned", "shortened", "clash", "lossy-swap"
};

// One line of JSON (no line end), always valid UTF-8: names that are not
// UTF-8 are given in their readable form, with U+FFFD for each byte that
// does not decode.
QByteArray OutcomeJson(const FileOutcome& outcome);

// "listed name  ->  new name" for people, names readable.
QString OutcomeText(const FileOutcome& outcome, qsizetype nameWidth);

// The flags of a file given its new name and the final name the output folder
// gave it: what cleaning and shortening changed, and whether a number was
// added.
QStringList NameFlags(const QString& newName, const QString& finalName, qsizetype nameLimit);

// Marks every named file whose cleaned new name another file of the run also
// gets: they cannot both have it, so one is numbered.
void FlagClashes(std::vector<FileOutcome>& outcomes);
