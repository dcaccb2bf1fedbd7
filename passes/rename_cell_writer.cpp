#include "passes/rename_cell_writer.h"

#include "passes/pass_host.h"

CRenameCellWriter::CRenameCellWriter(CPassHost& host, unsigned batchCells)
    : m_host(host), m_nBatchCells(batchCells)
{}

void CRenameCellWriter::Add(unsigned row, const QString& name, std::uint64_t generation)
{
    const bool continuesRun =
        generation == m_nGeneration && row - m_nFirst == static_cast<unsigned>(m_names.size());
    if (!m_names.isEmpty() && !continuesRun)
        Flush();
    if (m_names.isEmpty()) {
        m_nFirst = row;
        m_nGeneration = generation;
    }
    m_names.append(name);
    if (static_cast<unsigned>(m_names.size()) >= m_nBatchCells)
        Flush();
}

void CRenameCellWriter::Flush()
{
    if (m_names.isEmpty())
        return;
    if (m_host.ListGeneration() == m_nGeneration)
        m_host.WriteRenameCells(m_nFirst, m_names);
    m_names.clear();
}
