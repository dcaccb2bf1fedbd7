#pragma once

#include "passes/pass_host.h"

#include <cstdint>

// Rows asked of the window in one round trip.
inline constexpr unsigned kListBatchRows = 4096;

// Walks the file list for a pass, reading it in batches so a long list costs
// a few round trips to the window rather than one per row. The batch is read
// again from the asked row whenever the list's generation has moved, so every
// row is seen as the list stands when the pass reaches it.
class CListRowCursor
{
public:
    explicit CListRowCursor(CPassHost& host, unsigned batchRows = kListBatchRows);

    // Row `index` of the list; a row past its end has empty texts, as a
    // missing list item reads.
    ListRow Row(unsigned index);
    // The list generation of the rows Row last returned.
    std::uint64_t Generation() const { return m_batch.m_nGeneration; }

private:
    bool Holds(unsigned index) const;

    CPassHost& m_host;
    unsigned m_nBatchRows;
    bool m_bRead = false;
    unsigned m_nFirst = 0;
    ListRows m_batch;
};
