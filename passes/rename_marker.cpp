#include "passes/rename_marker.h"

#include "passes/rename_cell_writer.h"
#include "passes/rename_mark.h"

namespace {

RenameMark MarkOf(unsigned row, const PlannedFile& file)
{
    return RenameMark{row, file.m_strFinalName, file.m_strReason};
}

} // namespace

CRenameMarker::CRenameMarker(const QString& outputFolder, bool patternMode, unsigned expectedRows)
    : m_nExpectedRows(expectedRows)
{
    m_settings.m_strOutputFolder = outputFolder;
    m_settings.m_names = PlanNames::RenameColumn;
    m_settings.m_bPatternMode = patternMode;
    m_settings.m_bKeepFiles = false; // the cells and marks carry what the window needs
}

void CRenameMarker::Add(unsigned row, const QString& listedName, const QString& newName,
                        std::uint64_t generation, CRenameCellWriter& cells)
{
    if (m_settings.m_strOutputFolder.isEmpty())
        return;
    // A refilled list is another run: what earlier rows claimed is gone with
    // their cells.
    if (!m_planner || generation != m_nGeneration) {
        m_planner.emplace(m_settings);
        m_planner->Reserve(m_nExpectedRows);
        m_nGeneration = generation;
        m_nFirstRow = row;
    }
    const PlannedFile& file = m_planner->Add(listedName, newName);
    if (file.NeedsMark())
        cells.AddMark(MarkOf(row, file), generation);
    const std::ptrdiff_t earlier = m_planner->EarlierClash();
    if (earlier >= 0)
        cells.AddMark(
            MarkOf(m_nFirstRow + unsigned(earlier), m_planner->File(std::size_t(earlier))),
            generation);
}
