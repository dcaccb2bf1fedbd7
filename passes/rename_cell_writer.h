#pragma once

#include "passes/rename_mark.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

class CPassHost;

// Cells written to the window in one round trip.
inline constexpr unsigned kRenameCellBatch = 4096;

// Collects the preview's "Rename" cells and writes them in runs of rows, so
// a long list costs a few round trips to the window rather than one per row.
class CRenameCellWriter
{
public:
    explicit CRenameCellWriter(CPassHost& host, unsigned batchCells = kRenameCellBatch);

    // Queues column 1 of `row`, computed from the list of generation
    // `generation`.
    void Add(unsigned row, const QString& name, std::uint64_t generation);
    // Queues a mark for a cell; it goes with the next batch of cells.
    void AddMark(const RenameMark& mark, std::uint64_t generation);
    // Writes what is queued. Cells computed from a list that has been refilled
    // since are dropped: the rows they belong to are gone.
    void Flush();

private:
    bool HasQueued() const { return !m_names.isEmpty() || !m_marks.empty(); }

    CPassHost& m_host;
    unsigned m_nBatchCells;
    unsigned m_nFirst = 0;
    std::uint64_t m_nGeneration = 0;
    QStringList m_names;
    std::vector<RenameMark> m_marks;
};
