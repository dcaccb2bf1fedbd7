#pragma once

#include "cli/file_report.h"
#include "modes/song_tags.h"
#include "output/room_check.h"
#include "passes/job_observer.h"
#include "passes/job_request.h"

#include <QString>

#include <optional>
#include <vector>

class CProgressLine;

// How the command line hears its jobs: every outcome goes to the row it
// names, the bars drive the progress line, and what the operator must know
// goes to stderr. Everything runs on the console's one thread.
class CCliObserver final : public CJobObserver
{
public:
    CCliObserver(NamingMode mode, CProgressLine& progress);

    // Tag mode: the fields whose texts each row reports.
    void ReportTagFields(TagFieldMask fields);
    // The files of the source folder become the rows.
    void SetRows(const CListedFiles& files);
    // After a preview: the flags and forecast final names of every row from
    // the run's plan against `outputFolder`, and the size of the run. The
    // final names are kept only when an output folder was given.
    void TakePlan(const QString& sourceFolder, const QString& outputFolder);
    // After TakePlan with an output folder: flags "identical" the rows whose
    // un-numbered final name already holds exactly their bytes (when
    // `skipIdentical`), and "too-large" those the medium cannot hold; returns
    // what the medium can take of the rest.
    RoomCheck CheckRoomFor(const QString& sourceFolder, const QString& outputFolder,
                           bool skipIdentical);
    unsigned NamedFiles() const { return m_nNamedFiles; }
    std::int64_t NamedBytes() const { return m_nNamedBytes; }

    const std::vector<FileReport>& Reports() const { return m_reports; }
    // After a cancelled convert: the named rows no copy was reported for.
    void MarkNotReached();
    // How the last job ended.
    const RunSummary& Summary() const { return m_summary; }
    // An undo's outcomes, in order.
    const std::vector<FileEnd>& Undone() const { return m_undone; }

    void RunStarted(const RunStart& start) override;
    void FileStarted(const FileStart& file) override;
    void FileProgress(int percent) override;
    void RunProgress(int) override {}
    void FileEnded(const FileEnd& file) override;
    void NamesPreviewed(const PreviewNames& names) override;
    void RunFlushing() override;
    void RunEnded(const RunSummary& summary) override;

private:
    NamingMode m_mode;
    CProgressLine& m_progress;
    QStringList m_tagKeys; // tag mode: the keys of the format's fields
    std::vector<FileReport> m_reports;
    std::vector<FileEnd> m_undone;
    RunSummary m_summary;
    JobKind m_kind = JobKind::Preview;

    unsigned m_nNamedFiles = 0;
    std::int64_t m_nNamedBytes = 0;
    std::optional<unsigned> m_copyRow; // the copy under way
    unsigned m_nFilesStarted = 0;      // file n of N
    std::int64_t m_nBytesDone = 0;     // of the files ended
};
