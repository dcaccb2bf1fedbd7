#pragma once

#include "output/room_check.h"
#include "output/run_undo.h"
#include "passes/folder_listing.h"
#include "platform/packed_texts.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

// Where the new names of a job come from.
enum class NamingMode
{
    SongList, // the line of the song list whose number the name starts with
    Pattern,  // the two parts around the hyphen, swapped
    Tags,     // the request's tag format filled from the file's own tags
};

// The rows of one listed folder as a job sees them. The rows and the
// preview's names are shared with the front end that listed them and are
// never changed once handed over, so a job reads them without asking anyone.
struct JobListing
{
    QString m_strCurrentFolder; // the folder the names are in
    std::shared_ptr<const CListedFiles> m_pFiles;
    // The names a preview on screen shows, by row; null when no preview is
    // on screen. A convert then copies under exactly these names.
    std::shared_ptr<const CPackedTexts> m_pPreviewNames;
    // The front end's mark of this listing, handed back with a preview's
    // names so it can drop names meant for rows it no longer shows.
    std::uint64_t m_nGeneration = 0;

    // m_nFileCount of the listed folder.
    unsigned Count() const { return m_pFiles ? unsigned(m_pFiles->Size()) : 0; }
    // The exact name of `row` (see DecodeFileName); empty past the end.
    QString Name(unsigned row) const;
    // The previewed name of `row`; empty when it has none.
    QString PreviewName(unsigned row) const;
    bool HasPreviewNames() const { return m_pPreviewNames != nullptr; }
};

// What a front end hands the engine to start a preview or a convert job:
// everything the job needs, so the job asks nothing of it while it runs.
// The output folder and the listing are where a job starts; the front end
// may move them while it runs (see CJobLiveSettings).
struct JobRequest
{
    NamingMode m_mode = NamingMode::SongList;
    JobListing m_listing;
    QString m_strOutputFolder;
    QString m_strSongListPath; // song-list mode: the file the names come from
    QString m_strTagFormat;    // tag mode: the format (see CTagFormat) the names are filled from
    // A convert's InfoLog.txt and ErrorLog.txt are written here.
    QString m_strLogFolder;
    // A file whose un-numbered new name already holds a file with exactly
    // its bytes is not copied again (logged "Already copied : ").
    bool m_bSkipIdentical = false;
};

// What a front end hands the engine to take back a convert job.
struct UndoRequest
{
    QString m_strLogFolder; // the last job whose logs were written here
    UndoMode m_mode = UndoMode::DryRun;
    QString m_strRunId; // this recorded run instead, when set
};

// The sizes of the files a convert of `listing` copies: with a preview's
// names, the rows that have one; else every row (a mode may leave some
// without a name, so this may count more than the run copies).
CRunSizes RunSizesOf(const JobListing& listing);

// Rows of a listing made from plain names, for front ends and tests that
// hold nothing more; sizes and times read 0.
std::shared_ptr<const CListedFiles> MakeListedFiles(const QStringList& names);
