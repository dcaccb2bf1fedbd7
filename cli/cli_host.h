#pragma once

#include "cli/file_outcome.h"
#include "modes/song_list_page_base.h"
#include "passes/job_state.h"
#include "passes/pass_host.h"

#include <QString>

#include <vector>

class CProgressLine;

// The song-list page of the command line: only the path it was given.
class CCliSongListPage final : public CSongListPageBase
{
public:
    explicit CCliSongListPage(QString path) : m_strPath(std::move(path)) {}
    QString GetSongListPath() const override { return m_strPath; }

private:
    QString m_strPath;
};

// The command line's side of the passes: the rows come from the folder's
// listing, the "Rename" cells are kept in memory, the bars drive the
// progress line and the boxes go to stderr. Each file's outcome is recorded
// as the copies report it. It owns the job state, and the jobs run on the
// calling thread, one engine step at a time.
class CCliHost final : public CPassHost, public CJobState
{
public:
    CJobState& Job() override { return *this; }
    // `tab`: 0 song-list mode, 1 pattern mode, as the window's tabs.
    CCliHost(int tab, const QString& songListPath, CProgressLine& progress);

    // Lists `folder` as the window does and makes its files the rows.
    void ListFolder(const QString& folder);
    // The "Rename" column is on: the preview writes it and the convert reads it.
    void ShowPreviewColumn() { m_bPreviewColumn = true; }
    // After a preview: the outcome and flags of every row from the run's
    // plan, and the size of the run. The final names are kept only when an
    // output folder was given.
    void TakePreview();
    unsigned NamedFiles() const { return m_nNamedFiles; }
    std::int64_t NamedBytes() const { return m_nNamedBytes; }

    const std::vector<FileOutcome>& Outcomes() const { return m_outcomes; }
    // Named rows that no copy reported on: the run stopped before them.
    void MarkNotReached();

    bool HasPreviewColumn() override { return m_bPreviewColumn; }
    ListRows ReadListRows(unsigned first, unsigned count) override;
    std::uint64_t ListGeneration() const override { return 1; }
    void WriteRenameCells(unsigned first, const QStringList& names) override;
    void SetTotalProgress(int) override {}
    void SetFileProgress(int percent) override;
    void SetErrorText(const QString& text) override;
    int SelectedTab() override { return m_nTab; }
    void SetConvertCaption(const QString&) override {}
    void RequestRefreshList() override {}
    void ShowMessage(const QString& text) override;
    void ShowWarning(const QString& text) override;
    void ShowJobRefused(const QString& text) override;
    // The job was not started (the logs are held by another tamro): why.
    const QString& JobRefusal() const { return m_strJobRefusal; }
    void CopyStarting(const QString& source) override;
    void CopyEnded(const QString& source, const QString& destination,
                   const CopyResult& result) override;

private:
    // The next named row from `from` on, or the row count.
    unsigned NextNamedRow(unsigned from) const;
    void EndCopyOf(unsigned row);

    int m_nTab;
    CCliSongListPage m_page;
    CProgressLine& m_progress;
    std::vector<FileOutcome> m_outcomes;
    bool m_bPreviewColumn = false;
    QString m_strJobRefusal;

    unsigned m_nNamedFiles = 0;
    std::int64_t m_nNamedBytes = 0;
    // The copy under way: its row, or none between copies.
    bool m_bCopyOpen = false;
    unsigned m_nCopyRow = 0;
    unsigned m_nNextRow = 0;       // rows before it have been reported on
    unsigned m_nFilesStarted = 0;  // file n of N
    std::int64_t m_nBytesDone = 0; // of the files ended
};
