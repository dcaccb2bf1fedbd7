#pragma once

#include "platform/file_copy.h"

#include <QString>

#include <cstdint>

class CCopyHost;

// What became of one copy: the name it got (or would have got) and how it
// went.
struct CopiedFile
{
    QString m_strDestination;
    CopyResult m_result;
};

// Copies one file of a convert job to a free name beside `destination` and
// writes its "Copy : " line and, on failure, its error line. No existing
// file is ever changed. The caller counts a failure.
CopiedFile CopyOneFile(CCopyHost& host, QString source, QString destination);

// Keeps the job's per-file bar at the percentage copied so far; `data` is the
// CCopyHost. Stays quiet once it has reported 100.
CopyProgressAnswer CopyProgressProc(std::int64_t totalFileSize, std::int64_t totalBytesTransferred,
                                    void* data);

// The percentage of a copy, truncated; an empty file counts as complete.
int CopyPercent(std::int64_t totalFileSize, std::int64_t totalBytesTransferred);
