#pragma once

#include <QString>

#include <cstdint>
#include <vector>

// One file of a listed folder.
struct ListedFile
{
    QString m_strName; // exact name (see DecodeFileName)
    std::int64_t m_nSize = 0;
    std::int64_t m_nModifiedMs = 0; // milliseconds since the epoch
};

// The files of `folder` that a person works with: regular files (or links to
// them), not folders, not hidden files, not devices or pipes; in natural
// name order. A folder that cannot be read gives an empty list.
std::vector<ListedFile> ListFolderFiles(const QString& folder);
