#include "cli/cli_host.h"

#include "cli/progress_line.h"
#include "passes/folder_listing.h"
#include "passes/run_plan.h"
#include "platform/file_name_codec.h"

CCliHost::CCliHost(int tab, const QString& songListPath, CProgressLine& progress)
    : m_nTab(tab), m_page(songListPath), m_progress(progress)
{
    SetSongListPage(&m_page);
}

void CCliHost::ListFolder(const QString& folder)
{
    m_strCurrentFolder.Store(folder);
    m_outcomes.clear();
    for (ListedFile& file : ListFolderFiles(folder)) {
        FileOutcome outcome;
        outcome.m_strName = std::move(file.m_strName);
        outcome.m_nSize = file.m_nSize;
        m_outcomes.push_back(std::move(outcome));
    }
    m_nFileCount = unsigned(m_outcomes.size());
}

void CCliHost::TakePreview()
{
    const QString noName = m_nTab == 0 ? QStringLiteral("No line of the song list has its number.")
                                       : QStringLiteral("Its name has no hyphen to swap around.");
    const QString output = m_strOutputFolder.Load();
    PlanSettings settings;
    // Without an output folder only the flags that do not depend on what
    // stands there are kept; the source's file system stands in for its
    // name limit.
    settings.m_strOutputFolder = output.isEmpty() ? m_strCurrentFolder.Load() : output;
    settings.m_bPatternMode = m_nTab == 1;
    std::vector<PlanRow> rows;
    rows.reserve(m_outcomes.size());
    for (const FileOutcome& outcome : m_outcomes)
        rows.push_back(PlanRow{outcome.m_strName, outcome.m_strNewName});
    const std::vector<PlannedFile> plan = PlanRun(settings, rows);

    m_nNamedFiles = 0;
    m_nNamedBytes = 0;
    for (std::size_t i = 0; i < m_outcomes.size(); ++i) {
        FileOutcome& outcome = m_outcomes[i];
        if (outcome.m_strNewName.isEmpty()) {
            outcome.m_status = FileOutcome::Skipped;
            outcome.m_strReason = noName;
            continue;
        }
        ++m_nNamedFiles;
        m_nNamedBytes += outcome.m_nSize;
        outcome.m_status =
            plan[i].m_status == PlanStatus::Failed ? FileOutcome::Failed : FileOutcome::Planned;
        outcome.m_strReason = plan[i].m_strReason;
        outcome.m_flags = PlanFlagNames(plan[i].m_nFlags);
        if (output.isEmpty())
            outcome.m_flags.removeAll(QStringLiteral("numbered"));
        else
            outcome.m_strFinalName = plan[i].m_strFinalName;
    }
}

void CCliHost::MarkNotReached()
{
    for (FileOutcome& outcome : m_outcomes) {
        if (outcome.m_status == FileOutcome::Planned) {
            outcome.m_status = FileOutcome::Skipped;
            outcome.m_strReason = QStringLiteral("The run was cancelled before this file.");
        }
    }
}

ListRows CCliHost::ReadListRows(unsigned first, unsigned count)
{
    ListRows rows{{}, ListGeneration()};
    for (unsigned i = first; i < m_outcomes.size() && i - first < count; ++i)
        rows.m_rows.push_back(ListRow{m_outcomes[i].m_strName,
                                      m_bPreviewColumn ? m_outcomes[i].m_strNewName : QString()});
    return rows;
}

void CCliHost::WriteRenameCells(unsigned first, const QStringList& names)
{
    for (qsizetype i = 0; i < names.size() && std::size_t(first + i) < m_outcomes.size(); ++i)
        m_outcomes[std::size_t(first + i)].m_strNewName = names[i];
}

void CCliHost::SetFileProgress(int percent)
{
    if (!m_bCopyOpen)
        return;
    const std::int64_t size = m_outcomes[m_nCopyRow].m_nSize;
    m_progress.Update(m_nFilesStarted, m_nBytesDone + size * percent / 100);
}

void CCliHost::SetErrorText(const QString&)
{
    if (m_bCopyOpen)
        return; // the copy's own failure, reported when it ends
    // A failure without a copy: the row's new name could not be written.
    const unsigned row = NextNamedRow(m_nNextRow);
    if (row >= m_outcomes.size())
        return;
    ++m_nFilesStarted;
    m_outcomes[row].m_status = FileOutcome::Failed;
    m_outcomes[row].m_strReason = QStringLiteral("The new name could not be decoded.");
    m_progress.Say(QStringLiteral("tamro-cli: ") + ReadableFileName(m_outcomes[row].m_strName) +
                   QStringLiteral(": ") + m_outcomes[row].m_strReason);
    EndCopyOf(row);
}

void CCliHost::ShowMessage(const QString& text)
{
    // "Completed." and the like are for people; a script has the exit status.
    if (m_progress.IsLive())
        m_progress.Say(text);
}

void CCliHost::ShowWarning(const QString& text)
{
    m_progress.Say(text);
}

void CCliHost::ShowJobRefused(const QString& text)
{
    m_strJobRefusal = text;
}

void CCliHost::CopyStarting(const QString& source)
{
    const QString folder = m_strCurrentFolder.Load() + u'/';
    unsigned row = NextNamedRow(m_nNextRow);
    while (row < m_outcomes.size() && folder + m_outcomes[row].m_strName != source)
        row = NextNamedRow(row + 1);
    if (row >= m_outcomes.size())
        return;
    m_bCopyOpen = true;
    m_nCopyRow = row;
    ++m_nFilesStarted;
    m_progress.Update(m_nFilesStarted, m_nBytesDone);
}

void CCliHost::CopyEnded(const QString&, const QString& destination, const CopyResult& result)
{
    if (!m_bCopyOpen)
        return;
    m_bCopyOpen = false;
    FileOutcome& outcome = m_outcomes[m_nCopyRow];
    // The name it got; the flags stay as the plan forecast them.
    outcome.m_strFinalName = destination.mid(destination.lastIndexOf(u'/') + 1);
    if (result.Succeeded()) {
        outcome.m_status = FileOutcome::Copied;
        outcome.m_strReason.clear();
    } else {
        outcome.m_status = FileOutcome::Failed;
        outcome.m_strReason = result.Reason();
        m_progress.Say(QStringLiteral("tamro-cli: ") + ReadableFileName(outcome.m_strName) +
                       QStringLiteral(": ") + outcome.m_strReason);
    }
    EndCopyOf(m_nCopyRow);
}

unsigned CCliHost::NextNamedRow(unsigned from) const
{
    while (from < m_outcomes.size() && m_outcomes[from].m_strNewName.isEmpty())
        ++from;
    return from;
}

void CCliHost::EndCopyOf(unsigned row)
{
    m_nBytesDone += m_outcomes[row].m_nSize;
    m_nNextRow = row + 1;
    m_progress.Update(m_nFilesStarted, m_nBytesDone);
}
