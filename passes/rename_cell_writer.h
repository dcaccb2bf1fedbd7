#pragma once

#include "passes/job_observer.h"

#include <QString>

#include <cstdint>

class CJobObserver;

// Cells handed to the front end in one piece.
inline constexpr unsigned kRenameCellBatch = 4096;

// Collects the preview's "Rename" cells and hands them over in runs of rows,
// so a long list costs a few hand-overs rather than one per row.
class CRenameCellWriter
{
public:
    explicit CRenameCellWriter(CJobObserver& observer, unsigned batchCells = kRenameCellBatch);

    // Queues the cell of `row` of the listing of generation `generation`;
    // `reason` says why a row has no name, `fieldTexts` what a tag format
    // put into it.
    void Add(unsigned row, const QString& name, const QString& reason, std::uint64_t generation,
             const QStringList& fieldTexts = {});
    // Queues a mark for a cell; it goes with the next piece of cells.
    void AddMark(const RenameMark& mark, std::uint64_t generation);
    // Hands over what is queued.
    void Flush();

private:
    bool HasQueued() const { return !m_piece.m_names.isEmpty() || !m_piece.m_marks.empty(); }

    CJobObserver& m_observer;
    unsigned m_nBatchCells;
    PreviewNames m_piece;
};
