#include "passes/total_progress.h"

#include "passes/job_observer.h"
#include "passes/rename_cell_writer.h"

int TotalPercent(unsigned done, unsigned count)
{
    // In floating point, so 100 * done cannot wrap for a huge list.
    return static_cast<int>(100.0 * done / count);
}

CTotalProgressSender::CTotalProgressSender(CJobObserver& observer, CRenameCellWriter* cellsFirst)
    : m_observer(observer), m_pCellsFirst(cellsFirst)
{}

void CTotalProgressSender::SetStretch(int first, int last)
{
    m_nFirst = first;
    m_nLast = last;
}

void CTotalProgressSender::AfterItem(unsigned index, unsigned count)
{
    const int percent = m_nFirst + TotalPercent(index + 1, count) * (m_nLast - m_nFirst) / 100;
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
    m_observer.RunProgress(percent);
    m_nLastSent = percent;
}
