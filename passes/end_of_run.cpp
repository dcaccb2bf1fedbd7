#include "passes/end_of_run.h"

#include "modes/song_list_page_base.h"
#include "passes/pass_host.h"

int EndOfRun(CPassHost& host)
{
    host.SetConvertCaption(QStringLiteral("Convert"));
    host.m_nCommand.store(JOB_IDLE);
    host.SongListPage().m_bStopReading.store(0);
    // The bars stay full while the box is up, so the operator sees the run
    // complete behind it.
    host.ShowMessage(QStringLiteral("Completed."));
    host.SetTotalProgress(0);
    host.SetFileProgress(0);
    return 0;
}
