#include "passes/rename_cell_writer.h"

#include "passes/pass_host.h"

CRenameCellWriter::CRenameCellWriter(CPassHost& host, unsigned batchCells)
    : m_host(host), m_nBatchCells(batchCells)
{}

void CRenameCellWriter::Add(unsigned row, const QString& name, std::uint64_t generation)
{
    const bool continuesRun =
        generation == m_nGeneration &&
        (m_names.isEmpty() || row - m_nFirst == static_cast<unsigned>(m_names.size()));
    if (HasQueued() && !continuesRun)
        Flush();
    if (m_names.isEmpty()) {
        m_nFirst = row;
        m_nGeneration = generation;
    }
    m_names.append(name);
    if (static_cast<unsigned>(m_names.size()) >= m_nBatchCells)
        Flush();
}

void CRenameCellWriter::AddMark(const RenameMark& mark, std::uint64_t generation)
{
    if (HasQueued() && generation != m_nGeneration)
        Flush();
    if (!HasQueued())
        m_nGeneration = generation;
    m_marks.push_back(mark);
}

void CRenameCellWriter::Flush()
{
    if (!HasQueued())
        return;
    if (m_host.ListGeneration() == m_nGeneration) {
        if (!m_names.isEmpty())
            m_host.WriteRenameCells(m_nFirst, m_names);
        if (!m_marks.empty())
            m_host.WriteRenameMarks(m_marks);
    }
    m_names.clear();
    m_marks.clear();
}
