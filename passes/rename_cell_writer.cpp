#include "passes/rename_cell_writer.h"

CRenameCellWriter::CRenameCellWriter(CJobObserver& observer, unsigned batchCells)
    : m_observer(observer), m_nBatchCells(batchCells)
{}

void CRenameCellWriter::Add(unsigned row, const QString& name, const QString& reason,
                            std::uint64_t generation, const QStringList& fieldTexts)
{
    const bool continuesRun =
        generation == m_piece.m_nGeneration &&
        (m_piece.m_names.isEmpty() ||
         row - m_piece.m_nFirst == static_cast<unsigned>(m_piece.m_names.size()));
    if (HasQueued() && !continuesRun)
        Flush();
    if (m_piece.m_names.isEmpty()) {
        m_piece.m_nFirst = row;
        m_piece.m_nGeneration = generation;
    }
    m_piece.m_names.append(name);
    m_piece.m_reasons.append(name.isEmpty() ? reason : QString());
    m_piece.m_fieldTexts.push_back(fieldTexts);
    if (static_cast<unsigned>(m_piece.m_names.size()) >= m_nBatchCells)
        Flush();
}

void CRenameCellWriter::AddMark(const RenameMark& mark, std::uint64_t generation)
{
    if (HasQueued() && generation != m_piece.m_nGeneration)
        Flush();
    if (!HasQueued())
        m_piece.m_nGeneration = generation;
    m_piece.m_marks.push_back(mark);
}

void CRenameCellWriter::Flush()
{
    if (!HasQueued())
        return;
    m_observer.NamesPreviewed(m_piece);
    m_piece.m_names.clear();
    m_piece.m_reasons.clear();
    m_piece.m_fieldTexts.clear();
    m_piece.m_marks.clear();
}
