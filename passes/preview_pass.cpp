#include "passes/preview_pass.h"

#include "modes/song_list_page_base.h"
#include "modes/song_list_reader.h"
#include "passes/job_run.h"
#include "passes/naming_rule.h"
#include "passes/rename_cell_writer.h"
#include "passes/rename_marker.h"
#include "passes/total_progress.h"

#include <malloc.h>

namespace {

// The names are shown as the rule gives them: invalid characters and taken
// names are dealt with only when a file is copied. Cells whose copy would be
// named otherwise are marked.
void PreviewItems(CJobRun& run, const NamingRule& rule)
{
    const NamingMode mode = run.Request().m_mode;
    const QString noName = NoNewNameReason(mode);
    CRenameCellWriter cells(run.Observer());
    CRenameMarker marker(run.OutputFolder(), mode == NamingMode::Pattern, run.Listing().Count());
    CTotalProgressSender progress(run.Observer(), &cells);
    // The listing is looked at for every item, so a change of folder takes
    // effect from the next one.
    for (unsigned i = 0, count; i < (count = run.Listing().Count()); ++i) {
        const JobListing& listing = run.Listing();
        const QString name = listing.Name(i);
        QString newName, extension;
        if (NewBaseName(rule, name, newName, extension) == 0)
            newName += extension;
        else
            newName.clear();
        marker.Add(i, name, newName, listing.m_nGeneration, cells);
        cells.Add(i, newName, noName, listing.m_nGeneration);
        progress.AfterItem(i, count);
    }
    cells.Flush();
}

// The plan's names (and the song table) are freed by now; their pages go
// back to the system instead of staying with the window after a big preview.
void GiveBackFreedMemory()
{
    ::malloc_trim(0);
}

} // namespace

int PreviewSongListPass(CJobRun& run)
{
    CSongListPageBase& page = run.SongListPage();
    ReadSongList(page);
    PreviewItems(run, SongListRule(page));
    ClearSongList(page);
    GiveBackFreedMemory();
    return 0;
}

int PreviewPatternPass(CJobRun& run)
{
    PreviewItems(run, PatternRule());
    GiveBackFreedMemory();
    return 0;
}
