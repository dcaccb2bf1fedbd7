#pragma once

#include "passes/run_plan.h"

#include <cstdint>
#include <optional>

class CRenameCellWriter;

// Plans the run while a preview fills the "Rename" column and queues a mark
// for every cell whose copy would get another name than the cell shows, or
// that is flagged. The convert that follows reads the column, so the plan
// takes the cells as its new names.
class CRenameMarker
{
public:
    // Marks nothing when `outputFolder` is empty: there is nothing to plan
    // against yet.
    // `expectedRows` sizes the plan's name index once instead of growing it.
    CRenameMarker(const QString& outputFolder, bool patternMode, unsigned expectedRows);

    // Plans row `row` (rows come in list order) and queues its mark, and
    // that of an earlier row it clashes with, on `cells`.
    void Add(unsigned row, const QString& listedName, const QString& newName,
             std::uint64_t generation, CRenameCellWriter& cells);
    // Says what a next Add will likely be handed; nothing else changes.
    void Prefetch(const QString& newName) const
    {
        if (m_planner)
            m_planner->Prefetch(newName);
    }

private:
    PlanSettings m_settings;
    std::optional<CRunPlanner> m_planner;
    std::uint64_t m_nGeneration = 0;
    unsigned m_nFirstRow = 0; // the row of the planner's first file
    unsigned m_nExpectedRows;
};
