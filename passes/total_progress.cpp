#include "passes/total_progress.h"

#include "passes/pass_host.h"
#include "passes/rename_cell_writer.h"

int TotalPercent(unsigned done, unsigned count)
{
    // In floating point, so 100 * done cannot wrap for a huge list.
    return static_cast<int>(100.0 * done / count);
}

CTotalProgressSender::CTotalProgressSender(CPassHost& host, CRenameCellWriter* cellsFirst)
    : m_host(host), m_pCellsFirst(cellsFirst)
{}

void CTotalProgressSender::AfterItem(unsigned index, unsigned count)
{
    const int percent = TotalPercent(index + 1, count);
    if (percent != m_nLastSent)
        Send(percent);
}

void CTotalProgressSender::Reset()
{
    Send(0);
}

void CTotalProgressSender::Send(int percent)
{
    if (m_pCellsFirst)
        m_pCellsFirst->Flush();
    m_host.SetTotalProgress(percent);
    m_nLastSent = percent;
}
