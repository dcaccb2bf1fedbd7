#include "cli/cli_observer.h"

#include "cli/progress_line.h"
#include "passes/end_of_run.h"
#include "passes/run_plan.h"
#include "platform/file_name_codec.h"
#include "platform/same_bytes.h"

#include <QCoreApplication>

CCliObserver::CCliObserver(NamingMode mode, CProgressLine& progress)
    : m_mode(mode), m_progress(progress)
{}

void CCliObserver::ReportTagFields(TagFieldMask fields)
{
    m_tagKeys.clear();
    for (int f = 0; f < kTagFieldCount; ++f) {
        if (fields & TagFieldBit(TagField(f)))
            m_tagKeys.append(TagFieldKey(TagField(f)));
    }
}

void CCliObserver::SetRows(const CListedFiles& files)
{
    m_reports.clear();
    m_reports.reserve(files.Size());
    for (std::size_t row = 0; row < files.Size(); ++row) {
        FileReport report;
        report.m_strName = files.Name(row);
        report.m_nSize = files.FileSize(row);
        report.m_bTagMode = m_mode == NamingMode::Tags;
        m_reports.push_back(std::move(report));
    }
}

void CCliObserver::TakePlan(const QString& sourceFolder, const QString& outputFolder)
{
    PlanSettings settings;
    // Without an output folder only the flags that do not depend on what
    // stands there are kept; the source's file system stands in for its
    // name limit.
    settings.m_strOutputFolder = outputFolder.isEmpty() ? sourceFolder : outputFolder;
    settings.m_bPatternMode = m_mode == NamingMode::Pattern;
    std::vector<PlanRow> rows;
    rows.reserve(m_reports.size());
    for (const FileReport& report : m_reports)
        rows.push_back(PlanRow{report.m_strName, report.m_strNewName});
    const std::vector<PlannedFile> plan = PlanRun(settings, rows);

    m_nNamedFiles = 0;
    m_nNamedBytes = 0;
    for (std::size_t i = 0; i < m_reports.size(); ++i) {
        FileReport& report = m_reports[i];
        if (report.m_strNewName.isEmpty())
            continue; // skipped, with the preview's reason
        ++m_nNamedFiles;
        m_nNamedBytes += report.m_nSize;
        report.m_status =
            plan[i].m_status == PlanStatus::Failed ? FileReport::Failed : FileReport::Planned;
        report.m_strReason = plan[i].m_strReason;
        report.m_flags = PlanFlagNames(plan[i].m_nFlags);
        if (outputFolder.isEmpty())
            report.m_flags.removeAll(QStringLiteral("numbered"));
        else
            report.m_strFinalName = plan[i].m_strFinalName;
    }
}

namespace {

// The name a numbered final name was given its number for: "Song (2).mp3"
// -> "Song.mp3", the form MakeUniqueName makes.
QString UnnumberedName(const QString& name)
{
    const qsizetype dot = name.lastIndexOf(u'.');
    const qsizetype end = dot > 0 ? dot : name.size();
    const qsizetype open = name.lastIndexOf(QStringLiteral(" ("), end);
    if (open <= 0 || end < 2 || name[end - 1] != u')')
        return name;
    const QString number = name.mid(open + 2, end - 1 - (open + 2));
    bool ok = false;
    if (number.toUInt(&ok) == 0 || !ok)
        return name;
    return name.left(open) + name.mid(end);
}

} // namespace

RoomCheck CCliObserver::CheckRoomFor(const QString& sourceFolder, const QString& outputFolder,
                                     bool skipIdentical)
{
    CRunSizes sizes;
    for (FileReport& report : m_reports) {
        if (report.m_status != FileReport::Planned)
            continue;
        if (skipIdentical) {
            const QString unnumbered = UnnumberedName(report.m_strFinalName);
            if (HoldsSameBytes(EncodeFileName(sourceFolder + u'/' + report.m_strName),
                               EncodeFileName(outputFolder + u'/' + unnumbered))) {
                // Left as it stands: the copy there is the one it would get.
                report.m_strFinalName = unnumbered;
                report.m_flags.removeAll(QStringLiteral("numbered"));
                report.m_flags.append(QStringLiteral("identical"));
                continue;
            }
        }
        sizes.Add(report.m_nSize);
    }
    const RoomCheck room = CheckRoom(outputFolder, sizes);
    for (FileReport& report : m_reports) {
        if (report.m_status == FileReport::Planned && !report.m_flags.contains(u"identical"_qs) &&
            !room.FileFits(report.m_nSize))
            report.m_flags.append(QStringLiteral("too-large"));
    }
    return room;
}

void CCliObserver::MarkNotReached()
{
    for (FileReport& report : m_reports) {
        if (report.m_status == FileReport::Planned) {
            report.m_status = FileReport::Skipped;
            report.m_strReason =
                QCoreApplication::translate("TamroCli", "The run was cancelled before this file.");
        }
    }
}

void CCliObserver::RunStarted(const RunStart& start)
{
    m_kind = start.m_kind;
    m_undone.clear();
}

void CCliObserver::FileStarted(const FileStart& file)
{
    if (m_kind != JobKind::Convert || file.m_nRow >= m_reports.size())
        return;
    m_copyRow = file.m_nRow;
    ++m_nFilesStarted;
    m_progress.Update(m_nFilesStarted, m_nBytesDone);
}

void CCliObserver::FileProgress(int percent)
{
    if (!m_copyRow)
        return;
    const std::int64_t size = m_reports[*m_copyRow].m_nSize;
    m_progress.Update(m_nFilesStarted, m_nBytesDone + size * percent / 100);
}

void CCliObserver::FileEnded(const FileEnd& file)
{
    if (m_kind == JobKind::Undo) {
        m_undone.push_back(file);
        return;
    }
    if (m_kind != JobKind::Convert || file.m_nRow >= m_reports.size())
        return;
    FileReport& report = m_reports[file.m_nRow];
    if (file.m_outcome == FileOutcome::Skipped) {
        report.m_status = FileReport::Skipped;
        // The preview's reason for a row it gave no name says more than a
        // convert under the preview's names can.
        if (!report.m_strNewName.isEmpty() || report.m_strReason.isEmpty())
            report.m_strReason = file.m_strReason;
        return;
    }
    if (!m_copyRow)
        ++m_nFilesStarted; // it failed before its copy began
    m_copyRow.reset();
    // The name it got; the flags stay as the plan forecast them.
    report.m_strFinalName = file.m_strDestination.mid(file.m_strDestination.lastIndexOf(u'/') + 1);
    switch (file.m_outcome) {
    case FileOutcome::Copied:
        report.m_status = FileReport::Copied;
        report.m_strReason.clear();
        break;
    default:
        report.m_status = FileReport::Failed;
        report.m_strReason = file.m_strReason;
        break;
    }
    if (report.m_status != FileReport::Copied)
        m_progress.Say(QStringLiteral("tamro-cli: ") + ReadableFileName(report.m_strName) +
                       QStringLiteral(": ") + report.m_strReason);
    m_nBytesDone += report.m_nSize;
    m_progress.Update(m_nFilesStarted, m_nBytesDone);
}

void CCliObserver::NamesPreviewed(const PreviewNames& names)
{
    for (qsizetype i = 0; i < names.m_names.size(); ++i) {
        const std::size_t row = std::size_t(names.m_nFirst) + std::size_t(i);
        if (row >= m_reports.size())
            break;
        m_reports[row].m_strNewName = names.m_names[i];
        m_reports[row].m_status = FileReport::Skipped;
        m_reports[row].m_strReason = names.m_reasons.value(i);
        if (std::size_t(i) >= names.m_fieldTexts.size())
            continue;
        const QStringList& texts = names.m_fieldTexts[std::size_t(i)];
        std::vector<std::pair<QString, QString>>& fields = m_reports[row].m_tagFields;
        fields.clear();
        for (qsizetype k = 0; k < m_tagKeys.size(); ++k)
            fields.emplace_back(m_tagKeys[k], texts.value(k));
    }
}

void CCliObserver::RunFlushing()
{
    // Only where someone watches: on a slow stick this can take a while.
    if (m_progress.IsLive())
        m_progress.Say(QCoreApplication::translate("TamroCli", "Writing to the medium…"));
}

void CCliObserver::RunEnded(const RunSummary& summary)
{
    m_summary = summary;
    if (summary.m_kind != JobKind::Convert || !RunEndIsNews(summary))
        return;
    // "Completed." is for people; a script has the exit status.
    if (RunEndIsWarning(summary) || m_progress.IsLive())
        m_progress.Say(RunEndText(summary));
}
