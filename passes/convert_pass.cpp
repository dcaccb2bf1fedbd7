#include "passes/convert_pass.h"

#include "modes/song_list_page_base.h"
#include "modes/song_list_reader.h"
#include "output/copy_one_file.h"
#include "output/name_limits.h"
#include "output/names.h"
#include "output/run_log.h"
#include "passes/end_of_run.h"
#include "passes/list_row_cursor.h"
#include "passes/naming_rule.h"
#include "passes/pass_host.h"
#include "passes/total_progress.h"

#include <functional>

namespace {

// The new name of one row, cut where invalid characters are looked for:
// `name` is cleaned (and the cleaning logged), `extension` is added after it.
// False when the row has no new name.
using NewNameOfRow = std::function<bool(const ListRow& row, QString& name, QString& extension)>;

// Which bars a cancel puts back to 0.
enum class CancelReset
{
    TotalBar,
    BothBars,
};

// A name with text that never decoded (a song list in an unknown character
// set) would put replacement marks into a file name: the item fails instead.
void FailUndecodedName(CPassHost& host, const QString& source)
{
    CJobState& job = host.Job();
    WriteLogLine(job.m_pErrorLog.get(),
                 QStringLiteral("The new name could not be decoded. - ") + source);
    const int count = ++job.m_nErrorCount;
    host.SetErrorText(QStringLiteral("Error : %1").arg(count));
}

void CopyUnderNewName(CPassHost& host, CNameLimits& nameLimits, const QString& listedName,
                      QString newName, const QString& extension)
{
    // The folders are read when the item is reached: the operator may pick
    // another one while the job runs.
    CJobState& job = host.Job();
    const QString source = job.m_strCurrentFolder.Load() + u'/' + listedName;
    const QString outputFolder = job.m_strOutputFolder.Load();
    if (HoldsUndecodedText(newName + extension)) {
        FailUndecodedName(host, source);
        return;
    }
    const QString asGiven = newName;
    if (RemoveInvalidChars(newName)) {
        WriteLogLine(job.m_pInfoLog.get(), QStringLiteral("Deleted Invalid char : ") + asGiven +
                                               QStringLiteral("  ->  ") + newName);
    }
    newName += extension;
    const QString longName = newName;
    if (ShortenLongName(newName, nameLimits.Of(outputFolder))) {
        WriteLogLine(job.m_pInfoLog.get(), QStringLiteral("Shortened long name : ") + longName +
                                               QStringLiteral("  ->  ") + newName);
    }
    CopyOneFile(host, source, outputFolder + u'/' + newName);
}

// Copies the rows from the first on until the end of the list or a cancel.
// True when the loop ran to the end of the list, false after a cancel.
bool CopyRows(CPassHost& host, const NewNameOfRow& newNameOf, CancelReset reset)
{
    CListRowCursor rows(host);
    CTotalProgressSender progress(host);
    CNameLimits nameLimits;
    CJobState& job = host.Job();
    for (unsigned i = 0, count; i < (count = job.m_nFileCount.load()); ++i) {
        if (job.Cancelled()) {
            progress.Reset();
            if (reset == CancelReset::BothBars)
                host.SetFileProgress(0);
            return false;
        }
        const ListRow row = rows.Row(i);
        QString newName, extension;
        if (newNameOf(row, newName, extension))
            CopyUnderNewName(host, nameLimits, row.m_strName, newName, extension);
        progress.AfterItem(i, count);
    }
    return true;
}

// The names the preview left in the "Rename" column, whichever mode made it.
bool CopyUnderPreviewNames(CPassHost& host)
{
    const auto fromColumn = [](const ListRow& row, QString& name, QString&) {
        name = row.m_strRename;
        return !name.isEmpty();
    };
    return CopyRows(host, fromColumn, CancelReset::BothBars);
}

bool CopyUnderComputedNames(CPassHost& host, const NamingRule& rule, CancelReset reset)
{
    const auto fromRule = [&rule](const ListRow& row, QString& name, QString& extension) {
        return NewBaseName(rule, row.m_strName, name, extension) == 0;
    };
    return CopyRows(host, fromRule, reset);
}

} // namespace

void ConvertSongListPass(CPassHost& host)
{
    bool allHandled;
    if (host.HasPreviewColumn()) {
        allHandled = CopyUnderPreviewNames(host);
    } else {
        CSongListPageBase& page = host.Job().SongListPage();
        ReadSongList(page);
        allHandled = CopyUnderComputedNames(host, SongListRule(page), CancelReset::TotalBar);
        ClearSongList(page);
    }
    // A cancelled run is put back by the worker.
    if (allHandled)
        EndOfRun(host);
}

void ConvertPatternPass(CPassHost& host)
{
    const bool allHandled = host.HasPreviewColumn() ? CopyUnderPreviewNames(host)
                                                    : CopyUnderComputedNames(host, PatternRule(),
                                                                             CancelReset::BothBars);
    if (allHandled)
        EndOfRun(host);
}
