#pragma once

#include "passes/end_of_run.h"
#include "passes/job.h"
#include "passes/job_run.h"

#include <QMap>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

// A front end of the engine without a window: it owns a job, builds its
// requests from an in-memory list of names, and shows what the job tells it
// as a record of calls in order, "what:value" ("total:33", "file:0",
// "error:2", "ended:Completed."). Preview names land in its "Rename" cells
// as the window's would: only while they belong to the rows it shows.
class FakeFrontEnd : public CJobObserver
{
public:
    FakeFrontEnd() : m_job(*this) {}

    CJob& Job() { return m_job; }
    CJobState& State() { return m_job; }
    CSongListPageBase& SongListPage() { return m_job.SongListPage(); }

    // Lists other rows, as a change of folder does: a new generation, and a
    // preview on screen only when `renames` are given. A job under way goes
    // on with them from its next file.
    void SetRows(const QStringList& names, const QStringList& renames = {})
    {
        m_names = names;
        m_renames = renames;
        m_renames.resize(names.size());
        m_reasons = QStringList(names.size());
        m_bPreviewOnScreen = !renames.isEmpty();
        m_marks.clear();
        ++m_nGeneration;
        if (m_pRun || m_job.m_nCommand.load() != JOB_IDLE)
            m_job.Live().SetListing(Listing(false));
    }
    // The output folder typed anew; a job under way copies its next file there.
    void SetOutputFolder(const QString& folder)
    {
        m_strOutputFolder = folder;
        m_job.Live().SetOutputFolder(folder);
    }

    JobListing Listing(bool withPreviewNames) const
    {
        JobListing listing;
        listing.m_strCurrentFolder = m_strCurrentFolder;
        listing.m_pFiles = MakeListedFiles(m_names);
        if (withPreviewNames && m_bPreviewOnScreen) {
            auto names = std::make_shared<CPackedTexts>();
            for (const QString& name : m_renames)
                names->Append(name);
            listing.m_pPreviewNames = std::move(names);
        }
        listing.m_nGeneration = m_nGeneration;
        return listing;
    }
    // A request over the rows shown, with the preview's names when one is
    // on screen.
    JobRequest Request(bool withPreviewNames = true) const
    {
        JobRequest request;
        request.m_mode = m_mode;
        request.m_listing = Listing(withPreviewNames);
        request.m_strOutputFolder = m_strOutputFolder;
        request.m_strSongListPath = m_strSongListPath;
        request.m_strTagFormat = m_strTagFormat;
        request.m_strLogFolder = m_strLogFolder;
        return request;
    }
    bool StartPreview() { return m_job.StartPreview(Request(false)); }
    bool StartConvert() { return m_job.StartConvert(Request()); }

    // Runs one pass on this thread as the job runs it, with the request the
    // front end would hand over now.
    template <typename Pass> auto RunPass(JobKind kind, Pass pass)
    {
        const JobRequest request = Request(kind != JobKind::Preview);
        m_job.Live().Reset(request.m_listing, request.m_strOutputFolder);
        m_job.SongListPage().m_strSongListPath = request.m_strSongListPath;
        CJobRun run(kind, request, m_job, m_job.Live(), *this, m_job.SongListPage());
        m_pRun = &run;
        struct Done
        {
            CJobRun*& m_pRun;
            ~Done() { m_pRun = nullptr; }
        } done{m_pRun};
        return pass(run);
    }

    void RunStarted(const RunStart& start) override
    {
        Record(u"started:"_qs + QString::number(start.m_nFiles));
    }
    void FileStarted(const FileStart&) override {}
    void FileProgress(int percent) override { Record(u"file:"_qs + QString::number(percent)); }
    void RunProgress(int percent) override { Record(u"total:"_qs + QString::number(percent)); }
    void FileEnded(const FileEnd& file) override
    {
        m_ends.push_back(file);
        if (file.m_outcome == FileOutcome::Failed || file.m_outcome == FileOutcome::Cancelled)
            Record(u"error:"_qs + QString::number(file.m_nFailures));
    }
    void NamesPreviewed(const PreviewNames& names) override
    {
        ++m_nWrites;
        if (names.m_nGeneration != m_nGeneration)
            return;
        for (qsizetype i = 0; i < names.m_names.size() && names.m_nFirst + i < m_renames.size();
             ++i) {
            m_renames[names.m_nFirst + i] = names.m_names[i];
            m_reasons[names.m_nFirst + i] = names.m_reasons.value(i);
        }
        m_nCellsWritten = qMax(m_nCellsWritten, names.m_nFirst + names.m_names.size());
        for (const RenameMark& mark : names.m_marks)
            m_marks.insert(mark.m_nRow, mark.m_strFinalName);
    }
    void RunEnded(const RunSummary& summary) override
    {
        m_summary = summary;
        if (summary.m_kind == JobKind::Convert && summary.m_bStarted)
            m_bPreviewOnScreen = false; // the window refreshes its list
        Record(u"ended:"_qs + EndWord(summary));
    }

    // The values of the recorded calls of one kind, in order.
    QStringList Calls(const QString& what) const
    {
        QStringList values;
        for (const QString& call : m_calls) {
            if (call.startsWith(what + u':'))
                values.append(call.mid(what.size() + 1));
        }
        return values;
    }

    NamingMode m_mode = NamingMode::SongList;
    QString m_strCurrentFolder;
    QString m_strOutputFolder;
    QString m_strSongListPath;
    QString m_strTagFormat;
    QString m_strLogFolder;

    QStringList m_names;             // column 0
    QStringList m_renames;           // the "Rename" cells
    QStringList m_reasons;           // why a cell is empty
    QMap<unsigned, QString> m_marks; // row -> final name of its marked cell
    bool m_bPreviewOnScreen = false;
    std::uint64_t m_nGeneration = 1;

    QStringList m_calls;
    std::vector<FileEnd> m_ends;
    RunSummary m_summary;
    int m_nWrites = 0;
    qsizetype m_nCellsWritten = 0; // end of the furthest row written
    // Called after each recorded call, so a test can act in the middle of a
    // job as the operator would.
    std::function<void(const QString& call)> m_onCall;

private:
    static QString EndWord(const RunSummary& summary)
    {
        if (summary.m_kind == JobKind::Preview)
            return u"preview"_qs;
        if (!summary.m_strRefusal.isEmpty())
            return summary.m_strRefusal;
        if (!summary.m_bStarted)
            return u"not started"_qs;
        return RunEndIsNews(summary) ? RunEndText(summary) : u"quietly"_qs;
    }

    void Record(const QString& call)
    {
        m_calls.append(call);
        if (m_onCall)
            m_onCall(call);
    }

    CJob m_job;
    CJobRun* m_pRun = nullptr;
};
