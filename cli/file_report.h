#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <utility>
#include <vector>

// What became of one listed file, as the command line reports it.
struct FileReport
{
    enum Status
    {
        Skipped, // no new name, or a cancelled run never reached it
        Planned, // a preview: it would be copied
        Copied,
        Failed, // also a copy given up part-way
    };

    QString m_strName; // listed name, exact (see DecodeFileName)
    std::int64_t m_nSize = 0;
    QString m_strNewName;   // the "Rename" text; empty when none
    QString m_strFinalName; // the name it got (or would get) in the output folder
    Status m_status = Skipped;
    QString m_strReason;
    QStringList m_flags; // "numbered", "cleaned", "shortened", "clash", "lossy-swap"
    // Tag mode: each field the format names ("title") and the text it put
    // in, null where the tags lack it.
    bool m_bTagMode = false;
    std::vector<std::pair<QString, QString>> m_tagFields;
};

// One line of JSON (no line end), always valid UTF-8: names that are not
// UTF-8 are given in their readable form, with U+FFFD for each byte that
// does not decode. In tag mode it adds "tags", an object of field -> text.
QByteArray ReportJson(const FileReport& report);

// "listed name  ->  new name" for people, names readable.
QString ReportText(const FileReport& report, qsizetype nameWidth);
