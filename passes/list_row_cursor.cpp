#include "passes/list_row_cursor.h"

CListRowCursor::CListRowCursor(CPassHost& host, unsigned batchRows)
    : m_host(host), m_nBatchRows(batchRows)
{}

ListRow CListRowCursor::Row(unsigned index)
{
    if (!Holds(index) || m_host.ListGeneration() != m_batch.m_nGeneration) {
        m_batch = m_host.ReadListRows(index, m_nBatchRows);
        m_nFirst = index;
        m_bRead = true;
    }
    const unsigned offset = index - m_nFirst;
    return offset < m_batch.m_rows.size() ? m_batch.m_rows[offset] : ListRow{};
}

// A short batch still answers for its whole span: the rows it lacks were past
// the end of the list as it stood.
bool CListRowCursor::Holds(unsigned index) const
{
    return m_bRead && index >= m_nFirst && index - m_nFirst < m_nBatchRows;
}
