#pragma once

#include <QString>

// The name limit of the output folder, asked of the file system once per
// folder rather than once per copy: a convert job writes thousands of files
// into the same folder, and the operator may switch folders while it runs.
class CNameLimits
{
public:
    // NameLimitOf(folder), asked again only when `folder` differs from the
    // folder of the last answer.
    qsizetype Of(const QString& folder);

private:
    QString m_strFolder;
    qsizetype m_nLimit = 0;
    bool m_bKnown = false;
};
