#include "passes/preview_pass.h"

#include "modes/song_list_page_base.h"
#include "modes/song_list_reader.h"
#include "passes/list_row_cursor.h"
#include "passes/naming_rule.h"
#include "passes/pass_host.h"
#include "passes/rename_cell_writer.h"
#include "passes/rename_marker.h"
#include "passes/total_progress.h"

#include <malloc.h>

namespace {

// The names are shown as the rule gives them: invalid characters and taken
// names are dealt with only when a file is copied. Cells whose copy would be
// named otherwise are marked.
void PreviewItems(CPassHost& host, const NamingRule& rule, bool patternMode)
{
    CListRowCursor rows(host);
    CRenameCellWriter cells(host);
    CRenameMarker marker(host.Job().m_strOutputFolder.Load(), patternMode,
                         host.Job().m_nFileCount.load());
    CTotalProgressSender progress(host, &cells);
    // The count is read for every item, so a change of folder takes effect
    // from the next one.
    for (unsigned i = 0, count; i < (count = host.Job().m_nFileCount.load()); ++i) {
        const ListRow row = rows.Row(i);
        QString newName, extension;
        if (NewBaseName(rule, row.m_strName, newName, extension) == 0)
            newName += extension;
        else
            newName.clear();
        marker.Add(i, row.m_strName, newName, rows.Generation(), cells);
        cells.Add(i, newName, rows.Generation());
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

int PreviewSongListPass(CPassHost& host)
{
    CSongListPageBase& page = host.Job().SongListPage();
    ReadSongList(page);
    PreviewItems(host, SongListRule(page), false);
    ClearSongList(page);
    GiveBackFreedMemory();
    return 0;
}

int PreviewPatternPass(CPassHost& host)
{
    PreviewItems(host, PatternRule(), true);
    GiveBackFreedMemory();
    return 0;
}
