#pragma once

#include "output/copy_host.h"
#include "passes/job_live_settings.h"
#include "passes/job_observer.h"
#include "passes/job_request.h"
#include "passes/job_state.h"

#include <QString>

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
    // The output folder as the operator has it now.
    QString OutputFolder() const { return m_live.OutputFolder(); }

    // Tells the observer how a file ended; a failure counts as an error of
    // the run here, and only here.
    void EndFile(FileEnd file);
    // The summary of the run so far.
    RunSummary Summary() const;

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
};
