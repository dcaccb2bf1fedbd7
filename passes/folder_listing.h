#pragma once

#include "passes/listed_files.h"

#include <QString>

#include <functional>
#include <vector>

// Takes the next files found; false stops the reading.
using FolderBatchSink = std::function<bool(std::vector<ListedFile>& batch)>;
// A way of reading a folder piece by piece: hands the files of `folder` to
// `sink` in groups of at most `batchSize`, in the folder's own order, until
// the folder ends or `sink` says stop. A folder that cannot be read (or
// vanishes) just ends the reading early.
using FolderLister =
    std::function<void(const QString& folder, std::size_t batchSize, const FolderBatchSink& sink)>;

// The files of `folder` that a person works with: regular files (or links to
// them), not folders, not hidden files, not devices or pipes; as a
// FolderLister.
void ReadFolderFiles(const QString& folder, std::size_t batchSize, const FolderBatchSink& sink);

// The files ReadFolderFiles finds, in natural name order. A folder that
// cannot be read gives an empty list.
CListedFiles ListFolderFiles(const QString& folder);
