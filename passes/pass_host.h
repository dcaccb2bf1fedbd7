#pragma once

#include "output/copy_host.h"
#include "passes/job_state.h"
#include "passes/rename_mark.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

// One row of the file list as the passes read it.
struct ListRow
{
    QString m_strName;   // column 0: the file's full name (exact bytes, see DecodeFileName)
    QString m_strRename; // column 1 when it is the "Rename" column, else empty
};

// Rows read from the file list in one call, with the list's generation at
// that moment: the generation changes whenever the list's rows or its
// column 1 change, so a reader knows when what it holds is stale.
struct ListRows
{
    std::vector<ListRow> m_rows; // fewer than asked for past the end of the list
    std::uint64_t m_nGeneration = 0;
};

// What the preview and convert passes and the worker need of a front end:
// the job state it owns, and the operations of its window (cells, bars,
// label, button caption, boxes). Only functions: the main dialog implements
// it, a console front end may, and tests use a double, so the passes run
// without a window.
//
// Every virtual call is made from the worker thread. An implementation that
// touches widgets carries the call to the window thread and returns when it
// has run there (HasPreviewColumn, ReadListRows, WriteRenameCells,
// SelectedTab, SetConvertCaption, RequestRefreshList, ShowMessage), so each
// is a round trip: the passes batch list reads and writes and send a bar
// position only when it changes. ListGeneration is a shared word, no trip.
class CPassHost : public CCopyHost
{
public:
    // The shared job state: command word, folders, counts, logs, song list.
    virtual CJobState& Job() = 0;
    CCopyState& CopyState() final { return Job(); }

    // True when column 1 of the file list is headed exactly "Rename".
    virtual bool HasPreviewColumn() = 0;
    // Rows first .. first+count-1 of the file list.
    virtual ListRows ReadListRows(unsigned first, unsigned count) = 0;
    virtual std::uint64_t ListGeneration() const = 0;
    // Writes column 1 of rows first, first+1, ... (rows past the end are
    // ignored).
    virtual void WriteRenameCells(unsigned first, const QStringList& names) = 0;
    // Marks "Rename" cells written before (see RenameMark); rows past the
    // end are ignored. The marks go with the column.
    virtual void WriteRenameMarks(const std::vector<RenameMark>& marks) { (void)marks; }
    // Sets the total progress bar (0..100).
    virtual void SetTotalProgress(int percent) = 0;

    // The index of the selected mode tab: 0 song list, 1 pattern.
    virtual int SelectedTab() = 0;
    // The caption of the Convert/Cancel button.
    virtual void SetConvertCaption(const QString& caption) = 0;
    // Removes the "Rename" column and refreshes the list (the F5 refresh).
    virtual void RequestRefreshList() = 0;
    // An information box with an OK button; returns when it is dismissed.
    virtual void ShowMessage(const QString& text) = 0;
    // The same as a warning, for a run that did not go as asked.
    virtual void ShowWarning(const QString& text) { ShowMessage(text); }
    // A convert job that could not start (its logs are held by another
    // running tamro); a box like any other unless the front end has a better
    // way to say it.
    virtual void ShowJobRefused(const QString& text) { ShowMessage(text); }
};
