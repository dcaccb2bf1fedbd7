#pragma once

#include "output/copy_host.h"
#include "passes/job_live_settings.h"
#include "passes/job_observer.h"
#include "passes/job_request.h"
#include "passes/job_state.h"

#include <QString>
#include <QStringList>

class CSongListPageBase;

// The job under way, as its passes see it: the request it was started with,
// what the operator may change meanwhile, the shared state, and the
// observer that hears what happens. It keeps the run's counts, so failures
// are counted in one place.
class CJobRun final : public CCopyHost
{
public:
    CJobRun(JobKind kind, const JobRequest& request, CJobState& state, CJobLiveSettings& live,
            CJobObserver& observer, CSongListPageBase& songListPage);

    JobKind Kind() const { return m_kind; }
    const JobRequest& Request() const { return m_request; }
    CJobState& State() { return m_state; }
    CJobObserver& Observer() { return m_observer; }
    CSongListPageBase& SongListPage() { return m_songListPage; }

    // The rows as the front end lists them now: read again only when it has
    // listed another folder since.
    const JobListing& Listing();
    // Changes whenever Listing() has read the rows again.
    std::uint64_t ListingVersion() const { return m_nListingVersion; }
    // The output folder as the operator has it now.
    QString OutputFolder() const { return m_live.OutputFolder(); }

    // Tells the observer how a file ended; a failure counts as an error of
    // the run here, and only here.
    void EndFile(FileEnd file);
    // The summary of the run so far.
    RunSummary Summary() const;

    // Before the first copy into `folder`: removes the unfinished copies a
    // killed or cancelled run left there (none that a running copy holds),
    // each logged in InfoLog.txt. Once per folder and run.
    void CleanOutputFolder(const QString& folder);
    // The output medium has gone away (see MediumGone): the rows not reached
    // fail with `reason` and nothing more is copied.
    void SetMediumGone(const QString& reason) { m_strMediumGone = reason; }
    bool MediumGone() const { return !m_strMediumGone.isEmpty(); }
    const QString& MediumGoneReason() const { return m_strMediumGone; }

    CCopyState& CopyState() override { return m_state; }
    void SetFileProgress(int percent) override { m_observer.FileProgress(percent); }

private:
    JobKind m_kind;
    const JobRequest& m_request;
    CJobState& m_state;
    CJobLiveSettings& m_live;
    CJobObserver& m_observer;
    CSongListPageBase& m_songListPage;
    JobListing m_listing;
    std::uint64_t m_nListingVersion = 0;
    unsigned m_nDone = 0;
    unsigned m_nSkipped = 0;
    QStringList m_cleanedFolders;
    QString m_strMediumGone;
};
